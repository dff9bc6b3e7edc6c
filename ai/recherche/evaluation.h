// The value of a position for the player on turn, when the search stops before the end of the
// game. Since a wall may go anywhere, what counts is the room around each pawn: its free squares
// one move away, two moves away and at most three moves away, and the squares it reaches before
// the other pawn.
#pragma once

#include "position.h"

namespace tessor {

// Weights of the terms, per square of difference between the two pawns, and of the two terms of
// the move on turn: the free squares both pawns reach (the pawn on turn may step onto one of the
// other's last squares and wall another), and, with knight jumps, pawns on squares of the same
// colour. A knight changes colour at every move, so the pawn on turn can reach the other's free
// squares only when both stand on one colour, and then it keeps that edge for the whole game.
struct Poids {
    int mobilite = 12;
    int mobilite2 = 3;
    int mobilite3 = 4;
    int territoire = 1;
    int partage = 6;
    int parite = 30;
};

// The weights that won the most games against levels 1 to 4 (docs/resolution.md): with knight
// jumps, the squares two jumps away count more, and the squares three jumps away and those reached
// first not at all, the nodes those terms cost buying more depth.
Poids poids_du_mode(bool cavalier);

// A proven result is worth VICTOIRE less the number of turns before it; evaluations stay within
// EVALUATION_MAX, far from it.
constexpr int VICTOIRE = 30000;
constexpr int EVALUATION_MAX = 10000;
// Values at least this far from 0 are proven wins or losses.
constexpr int SEUIL_PROUVE = VICTOIRE - 1000;

int evalue(const Voisinage& g, const Position& p, const Poids& poids);

} // namespace tessor
