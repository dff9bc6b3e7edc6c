// Whole games between two computers, without a screen, for the "partie" and "tournoi" requests
// and for the benchmarks.
#pragma once

#include "ai/joueur_ordinateur.h"

#include <array>

namespace tessor::analyse {

// A game on `regles` between computers of levels `niveaux`, set as the options screen sets them.
Partie nouvelle_partie(Alea& alea, const Regles& regles, const std::array<int, 2>& niveaux);

} // namespace tessor::analyse
