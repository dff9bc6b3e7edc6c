// Basic value types shared by the rules, the computer player and the window model.
#pragma once

#include <array>
#include <cstdint>

namespace tessor {

using int16 = std::int16_t;

// Flags are 16-bit integers: True is -1 (all bits set), False is 0, and any non-zero value
// reads as set. The board's "free" value is the flag True.
constexpr int16 VRAI = -1;
constexpr int16 FAUX = 0;

// Each side of the board has 3 to 12 squares.
constexpr int16 COTE_MIN = 3;
constexpr int16 COTE_MAX = 12;

// The board array keeps a walled margin of two cells (indexes 1 and 2) before and after the
// playing area, so that no move from a playable square leaves it; the playing area starts at
// index 3 in both directions.
constexpr int MARGE = 2;
constexpr int16 PREMIERE_CASE = 3;

// A square: column x and row y as indexes of the board array. Playable squares run from
// (PREMIERE_CASE, PREMIERE_CASE) to the rules' last column and row.
struct Case {
    int16 x = 0;
    int16 y = 0;
    friend bool operator==(Case a, Case b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(Case a, Case b) { return !(a == b); }
};

// The square in column `colonne` and row `ligne` of the playing area, both counted from 0.
constexpr Case case_numero(int colonne, int ligne) {
    return {static_cast<int16>(PREMIERE_CASE + colonne), static_cast<int16>(PREMIERE_CASE + ligne)};
}

constexpr int TAILLE_TABLEAU = 25;

constexpr int NB_CELLULES = TAILLE_TABLEAU * TAILLE_TABLEAU;

// Index of cell (x, y) in the flat storage of a 25 x 25 table; columns are the outer dimension.
constexpr int indice(int x, int y) {
    return x * TAILLE_TABLEAU + y;
}

// The board: 25 x 25 cells addressed (x, y); -1 free, 0 not free (margin, wall or pawn).
struct Tableau {
    std::array<int16, NB_CELLULES> cellules{};
    int16& operator()(int x, int y) { return cellules[indice(x, y)]; }
    int16 operator()(int x, int y) const { return cellules[indice(x, y)]; }
    int16& operator[](Case c) { return (*this)(c.x, c.y); }
    int16 operator[](Case c) const { return (*this)(c.x, c.y); }
    bool libre(int x, int y) const { return (*this)(x, y) != 0; }
    bool libre(Case c) const { return libre(c.x, c.y); }
    friend bool operator==(const Tableau& a, const Tableau& b) { return a.cellules == b.cellules; }
};

// The 5 x 5 evaluation table of a pawn's moves, addressed by move offset -2 .. 2.
struct TableauDep {
    std::array<std::array<float, 5>, 5> valeurs{};
    float& operator()(int i, int j) { return valeurs[i + 2][j + 2]; }
    float operator()(int i, int j) const { return valeurs[i + 2][j + 2]; }
};

} // namespace tessor
