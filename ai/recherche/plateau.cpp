#include "plateau.h"

namespace tessor {

Bits singleton(Indice i) {
    Bits b;
    b.ajoute(i);
    return b;
}

Voisinage::Voisinage(const Regles& regles) : regles_(regles) {
    for (int y = 0; y < regles.hauteur; ++y) {
        for (int x = 0; x < regles.largeur; ++x) {
            jouables_.ajoute(y * LARGEUR_LIGNE + x);
        }
    }
    for (Indice i = 0; i < NB_INDICES; ++i) {
        if (jouables_.contient(i)) {
            voisins_[static_cast<std::size_t>(i)] = sauf(etend(singleton(i)), singleton(i));
        }
    }
}

Bits Voisinage::libres(const Tableau& tableau) const {
    Bits r;
    for (int y = 0; y < regles_.hauteur; ++y) {
        for (int x = 0; x < regles_.largeur; ++x) {
            if (tableau.libre(case_numero(x, y))) {
                r.ajoute(y * LARGEUR_LIGNE + x);
            }
        }
    }
    return r;
}

} // namespace tessor
