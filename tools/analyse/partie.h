// Starting games as the options screen starts them, for the "partie" and "tournoi" requests
// and for the benchmarks, and reading their results.
#pragma once

#include "ecran/controleur.h"

#include <array>

namespace tessor::analyse {

// Sets the board and the two computer levels (1 .. 4) as the options screen sets them, then
// presses "Jouer": the games run until the replay question is answered No.
void lance_parties(Controleur& controleur, const Regles& regles, const std::array<int, 2>& niveaux);

// The winner of the game that has just ended: player 0 or 1, or -1 for a draw.
int gagnant(const Partie& partie);

} // namespace tessor::analyse
