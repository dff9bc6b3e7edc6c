// What the options screen sets besides the rules and the levels, which the game keeps: the
// players' names and the pictures of their pawns and of the walls. The screen model shows them;
// the game on screen reads them here.
#pragma once

#include "game/types.h"

#include <array>
#include <string>

namespace tessor {

struct Options {
    std::array<std::string, 2> noms{"Joueur 1", "Joueur 2"};
    std::array<int16, 2> pions{0, 1}; // each player's pawn picture
    int16 mur = 0;                    // the wall picture
};

} // namespace tessor
