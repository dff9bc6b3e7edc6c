#include "regles.h"

#include "mobilite.h"

#include <cstdlib>

namespace tessor {

Decalages Regles::decalages() const {
    if (cavalier) {
        return {DEP_CAVALIER.data(), DEP_CAVALIER.data() + DEP_CAVALIER.size()};
    }
    return {DEP_ROI.data(), DEP_ROI.data() + DEP_ROI.size()};
}

// King: within n squares in both directions (distance 0 included). Knight: one jump for n = 1;
// for any other n, the sum of two jumps, which includes the start square itself.
bool Regles::portee(int x, int y, Case position, int n) const {
    const int dx = x - position.x;
    const int dy = y - position.y;
    if (!cavalier) {
        return std::abs(dy) <= n && std::abs(dx) <= n;
    }
    for (Decalage o1 : DEP_CAVALIER) {
        if (n == 1) {
            if (o1.i == dx && o1.j == dy) {
                return true;
            }
            continue;
        }
        for (Decalage o2 : DEP_CAVALIER) {
            if (o1.i + o2.i == dx && o1.j + o2.j == dy) {
                return true;
            }
        }
    }
    return false;
}

void Regles::init_tableau(Tableau& t) const {
    for (int x = PREMIERE_CASE - MARGE; x <= derniere_colonne() + MARGE; ++x) {
        for (int y = PREMIERE_CASE - MARGE; y <= derniere_ligne() + MARGE; ++y) {
            t(x, y) = sur_plateau(x, y) ? VRAI : FAUX;
        }
    }
}

bool Regles::a_case_libre(const Tableau& t) const {
    for (int x = PREMIERE_CASE; x <= derniere_colonne(); ++x) {
        for (int y = PREMIERE_CASE; y <= derniere_ligne(); ++y) {
            if (t.libre(x, y)) {
                return true;
            }
        }
    }
    return false;
}

bool Regles::dep_valide(Case cible, Case position, const Tableau& tableau) const {
    return portee(cible.x, cible.y, position, 1) && tableau.libre(cible);
}

bool Regles::est_bloque(Case position, const Tableau& tableau) const {
    bool bloque = true;
    for (Decalage d : decalages()) {
        if (tableau.libre(decale(position, d))) {
            bloque = false;
        }
    }
    return bloque;
}

int16 Regles::compte_case_dep(int x, int y, const Tableau& tableau) const {
    int16 n = 0;
    for (Decalage d : decalages()) {
        if (tableau.libre(x + d.i, y + d.j)) {
            ++n;
        }
    }
    return n;
}

TableauDep Regles::calcul_tab_dep(Case position, int passes, const Tableau& tableau) const {
    // A knight may come back to the square it leaves, so that square takes part, as free, in a
    // copy of the board.
    Tableau essai;
    const Tableau* lu = &tableau;
    if (cavalier) {
        essai = tableau;
        essai[position] = VRAI;
        lu = &essai;
    }
    const TableMobilite t(*this, *lu, passes);
    TableauDep tableau_dep;
    for (Decalage d : decalages()) {
        const Case cible = decale(position, d);
        tableau_dep(d.i, d.j) = tableau.libre(cible) ? t(cible.x, cible.y) : 0.0f;
    }
    tableau_dep(0, 0) = 0.0f;
    return tableau_dep;
}

} // namespace tessor
