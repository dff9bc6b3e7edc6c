// Starting games as the options screen starts them, for the "partie" request and for the
// benchmarks.
#pragma once

#include "ecran/controleur.h"

#include <array>

namespace tessor::analyse {

// Sets the board and the two computer levels (1 .. 4) as the options screen sets them, then
// presses "Jouer": the games run until the replay question is answered No.
void lance_parties(Controleur& controleur, const Regles& regles, const std::array<int, 2>& niveaux);

} // namespace tessor::analyse
