// The value of a position for the player on turn, when the search stops before the end of the
// game. Since a wall may go anywhere, what counts is the room around each pawn: its free squares
// one move away, those two moves away, and the squares it reaches before the other pawn.
#pragma once

#include "position.h"

namespace tessor {

// Weights of the terms, per square of difference between the two pawns.
struct Poids {
    int mobilite = 12;
    int mobilite2 = 3;
    int territoire = 1;
};

// A proven result is worth VICTOIRE less the number of turns before it; evaluations stay within
// EVALUATION_MAX, far from it.
constexpr int VICTOIRE = 30000;
constexpr int EVALUATION_MAX = 10000;
// Values at least this far from 0 are proven wins or losses.
constexpr int SEUIL_PROUVE = VICTOIRE - 1000;

int evalue(const Geometrie& g, const Position& p, const Poids& poids);

} // namespace tessor
