#include "jeu.h"

#include <cmath>

namespace tessor {

Jeu::Jeu(Plateforme& p) : plateforme(p) {
    joueurs[1].pion = 1;
    joueurs[3].niveau = 3;
}

void Jeu::init_tableau(Tableau& t) {
    fin_partie = false;
    for (int x = 3; x <= largeur + 2; ++x) {
        for (int y = 3; y <= hauteur + 2; ++y) {
            t(x, y) = VRAI;
        }
    }
    for (int x = 1; x <= largeur + 4; ++x) {
        for (int y : {1, 2, hauteur + 3, hauteur + 4}) {
            t(x, y) = FAUX;
        }
    }
    for (int x = 1; x <= 2; ++x) {
        for (int y = 1; y <= hauteur + 4; ++y) {
            t(x, y) = FAUX;
            t(largeur + 2 + x, y) = FAUX;
        }
    }
}

namespace {
bool reste_case_libre(const Regles& r, const Tableau& t) {
    for (int x = 3; x <= r.largeur + 2; ++x) {
        for (int y = 3; y <= r.hauteur + 2; ++y) {
            if (t.libre(x, y)) {
                return true;
            }
        }
    }
    return false;
}

// Rounds to the nearest integer, halves to the even neighbour (the default rounding mode).
int16 arrondi_pair(float v) {
    return static_cast<int16>(std::nearbyint(v));
}
} // namespace

void Jeu::tirage_case_libre(Case& position, const Tableau& t) {
    tessor::tirage_case_libre(*this, plateforme, position, t);
}

// Draws squares until one is free. A full board would never end the drawing: then the position
// is left as it was (no caller can be in that state, but a bad request must not hang).
void tirage_case_libre(const Regles& r, Plateforme& p, Case& position, const Tableau& t) {
    reensemence_horloge(p);
    if (!reste_case_libre(r, t)) {
        return;
    }
    for (;;) {
        const float r1 = p.aleatoire();
        const float r2 = p.aleatoire();
        const Case c{arrondi_pair(3.0f + r1 * static_cast<float>(r.largeur)),
                     arrondi_pair(3.0f + r2 * static_cast<float>(r.hauteur))};
        if (t.libre(c)) {
            position = c;
            return;
        }
    }
}

} // namespace tessor
