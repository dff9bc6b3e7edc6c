// The move rules shared by every player: move offsets, reach, legality, blocking, and the
// mobility tables the computer ranks its moves by. Pure functions of the board, the movement
// setting and the positions they are given.
#pragma once

#include "types.h"

namespace tessor {

// A move offset: i is added to the column, j to the row.
struct Decalage {
    int16 i;
    int16 j;
};

// The king's nine offsets (including the pawn's own square) and the knight's eight, in the
// enumeration order that fixes every summing order and every tie-break of the game.
inline constexpr std::array<Decalage, 9> DEP_ROI{
    {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {0, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};
inline constexpr std::array<Decalage, 8> DEP_CAVALIER{
    {{-1, -2}, {1, -2}, {-1, 2}, {1, 2}, {-2, -1}, {2, -1}, {-2, 1}, {2, 1}}};

// The offsets of one movement mode, iterable in enumeration order.
struct Decalages {
    const Decalage* debut;
    const Decalage* fin;
    const Decalage* begin() const { return debut; }
    const Decalage* end() const { return fin; }
};

inline Case decale(Case c, Decalage d) {
    return {static_cast<int16>(c.x + d.i), static_cast<int16>(c.y + d.j)};
}

// The three settings that shape the board and the moves, with the rule procedures that read
// them. The board and the positions are always passed in, so the computer runs the same
// procedures on trial boards.
struct Regles {
    int16 largeur = 6;
    int16 hauteur = 6;
    bool cavalier = false;

    Decalages decalages() const;
    // The last column and row of the playing area.
    int derniere_colonne() const { return PREMIERE_CASE + largeur - 1; }
    int derniere_ligne() const { return PREMIERE_CASE + hauteur - 1; }
    bool sur_plateau(int x, int y) const {
        return x >= PREMIERE_CASE && x <= derniere_colonne() && y >= PREMIERE_CASE &&
               y <= derniere_ligne();
    }
    // Frees the playing area and walls the margin around it.
    void init_tableau(Tableau& tableau) const;
    bool a_case_libre(const Tableau& tableau) const;
    // The computer's deepest search on this board: twice its larger side.
    int16 maxtaille() const {
        return static_cast<int16>(2 * (largeur > hauteur ? largeur : hauteur));
    }

    bool portee(int x, int y, Case position, int n) const;
    bool dep_valide(Case cible, Case position, const Tableau& tableau) const;
    bool est_bloque(Case position, const Tableau& tableau) const;
    int16 compte_case_dep(int x, int y, const Tableau& tableau) const;
    // The evaluation table of the pawn at `position` after `passes` passes of the mobility table.
    TableauDep calcul_tab_dep(Case position, int passes, const Tableau& tableau) const;
};

} // namespace tessor
