// The mobility table the computer ranks its moves by. Each free square of the playing area starts
// with its number of free neighbours; each pass then replaces it with the sum of its neighbours'
// values, in the enumeration order of the offsets, while every other square stays 0.
#pragma once

#include "regles.h"

#include <array>

namespace tessor {

class TableMobilite {
  public:
    // Rows of 16 cells for x = 1 .. 16 (the widest playing area and its margins), one row for
    // each y = 0 .. 17: the rows 0 and 17 only pad the reads of the outermost cells.
    static constexpr int COLONNES = COTE_MAX + 2 * MARGE;
    static constexpr int LIGNES = COLONNES + 2;
    using Plan = std::array<float, COLONNES * LIGNES>;

    // The table after `passes` passes over `tableau` (none when negative), read with the rules'
    // board and offsets.
    TableMobilite(const Regles& regles, const Tableau& tableau, int passes);

    // The value of square (x, y), for x in 1 .. 16 and y in 1 .. 16.
    float operator()(int x, int y) const { return valeurs_[indice(x, y)]; }

  private:
    static constexpr int indice(int x, int y) { return y * COLONNES + x - 1; }

    Plan valeurs_{};
};

} // namespace tessor
