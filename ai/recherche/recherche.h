// Ordi 5: the computer that searches. Its decisions are pure functions of the position and of a
// node budget; nothing in them is random and nothing depends on the clock, so a game between two
// of them replays exactly on any machine.
//
// Values are for the player deciding: a proven win in n turns is worth VICTOIRE - n, a proven loss
// in n turns -(VICTOIRE - n) (evaluation.h: |valeur| >= SEUIL_PROUVE means proven), a proven draw
// 0, and any other value an evaluation within +-EVALUATION_MAX. Depths count whole turns (a move
// and its wall), the decider's own turn being the first.
#pragma once

#include "evaluation.h"
#include "game/regles.h"
#include "modele.h"

#include <atomic>
#include <cstdint>
#include <optional>

namespace tessor {

// The budget of the plain search, the one a human meets: a decision on 12 x 12 within about
// 100 ms on a desktop machine.
constexpr std::uint64_t BUDGET_DEFAUT = 180000;
// The budget against a level it models (modele.h). Each of the model's choices costs more than a
// node, and with this budget Ordi 5 already wins all but 3 of its 6,400 games against levels 1
// to 4.
constexpr std::uint64_t BUDGET_CONTRE_MODELE = 90000;

inline std::uint64_t budget_de(const ModeleAdverse* modele) {
    return modele != nullptr ? BUDGET_CONTRE_MODELE : BUDGET_DEFAUT;
}

struct DecisionTour {
    Case deplacement;
    Case mur;
    int valeur = 0;
    int profondeur = 0;
    std::uint64_t noeuds = 0;
};

struct DecisionPlacement {
    Case depart;
    int valeur = 0;
    int profondeur = 0;
    std::uint64_t noeuds = 0;
};

// `poids` replaces the evaluation's weights, poids_du_mode by default.
//
// The turn of the pawn at `moi`, which must have a free square one move away; `lui` is the other
// pawn. Both pawns' squares are not free on `tableau`. When `arret` becomes true the decision
// returns at once with the best turn found so far. With `modele`, the search expects the other
// player's turns to be those of the model; a win the solver proves is played all the same.
DecisionTour decide_tour(const Regles& regles, const Tableau& tableau, Case moi, Case lui,
                         std::uint64_t budget = BUDGET_DEFAUT,
                         const std::atomic<bool>* arret = nullptr,
                         std::optional<Poids> poids = std::nullopt,
                         ModeleAdverse* modele = nullptr);

// The start square of the player on turn, before (`lui` absent) or after the other player's
// placement; on a board without a free square it returns a decision that names no square.
// With `modele`, a first placement is judged by the average over the opponent's start squares
// the model gives.
DecisionPlacement decide_placement(const Regles& regles, const Tableau& tableau,
                                   std::optional<Case> lui, std::uint64_t budget = BUDGET_DEFAUT,
                                   const std::atomic<bool>* arret = nullptr,
                                   std::optional<Poids> poids = std::nullopt,
                                   ModeleAdverse* modele = nullptr);

} // namespace tessor
