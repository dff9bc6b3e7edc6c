// The record of a game: what it takes to play it again, action for action, without drawing
// anything.
#pragma once

#include "historique.h"
#include "regles.h"

#include <array>
#include <string>
#include <vector>

namespace tessor {

struct Enregistrement {
    Regles regles;
    std::array<int16, 2> niveaux{};     // each player's level as it plays the game, 0 a human
    std::array<int16, 2> profondeurs{}; // and the depth of its computer
    std::array<Case, 2> departs{};      // the drawn start squares, each pawn's until it is placed
    std::vector<Action> actions;        // in the order they were played
};

// What is wrong with a player's level and depth, in French: « niveau 9 et profondeur 0 hors
// limites (0 à 5, 0 à 24) »; empty when both are within those of the game's players.
std::string faute_de_decision(int16 niveau, int16 profondeur);

// What no game can hold, in French: board sides, a player's level or depth out of their limits,
// a start square off the board; empty when the record has none of them.
std::string faute_de_limites(const Enregistrement& e);

// An action in words: « déplacement du joueur 1 vers [9, 9] ».
std::string decrit(const Action& a);

} // namespace tessor
