#include "plateau.h"

namespace tessor {

int Bits::compte() const {
    return __builtin_popcountll(mots[0]) + __builtin_popcountll(mots[1]) +
           __builtin_popcountll(mots[2]);
}

Indice Bits::premier() const {
    for (int k = 0; k < 3; ++k) {
        if (mots[k] != 0) {
            return k * 64 + __builtin_ctzll(mots[k]);
        }
    }
    return -1;
}

Indice Bits::extrait() {
    const Indice i = premier();
    retire(i);
    return i;
}

Bits Bits::decale(int n) const {
    Bits r;
    if (n > 0) {
        const int m = 64 - n;
        r.mots[2] = mots[2] << n | mots[1] >> m;
        r.mots[1] = mots[1] << n | mots[0] >> m;
        r.mots[0] = mots[0] << n;
    } else {
        const int p = -n;
        const int m = 64 - p;
        r.mots[0] = mots[0] >> p | mots[1] << m;
        r.mots[1] = mots[1] >> p | mots[2] << m;
        r.mots[2] = mots[2] >> p;
    }
    return r;
}

Bits& Bits::operator&=(const Bits& b) {
    for (int k = 0; k < 3; ++k) {
        mots[k] &= b.mots[k];
    }
    return *this;
}

Bits& Bits::operator|=(const Bits& b) {
    for (int k = 0; k < 3; ++k) {
        mots[k] |= b.mots[k];
    }
    return *this;
}

Bits singleton(Indice i) {
    Bits b;
    b.ajoute(i);
    return b;
}

Geometrie::Geometrie(const Regles& regles) : regles_(regles) {
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

// A step is a shift along the row, then one across the rows. The margin columns of the layout
// absorb the shifts that leave a row, and the mask of the playable squares drops them, with the
// steps that leave the board at the top or the bottom. A king's set keeps its own squares.
Bits Geometrie::etend(const Bits& b) const {
    if (regles_.cavalier) {
        const Bits un = b.decale(1) | b.decale(-1);
        const Bits deux = b.decale(2) | b.decale(-2);
        return (un.decale(2 * LARGEUR_LIGNE) | un.decale(-2 * LARGEUR_LIGNE) |
                deux.decale(LARGEUR_LIGNE) | deux.decale(-LARGEUR_LIGNE)) &
               jouables_;
    }
    const Bits ligne = b | b.decale(1) | b.decale(-1);
    return (ligne | ligne.decale(LARGEUR_LIGNE) | ligne.decale(-LARGEUR_LIGNE)) & jouables_;
}

Bits Geometrie::libres(const Tableau& tableau) const {
    Bits r;
    for (int y = 0; y < regles_.hauteur; ++y) {
        for (int x = 0; x < regles_.largeur; ++x) {
            if (tableau.libre(x + 3, y + 3)) {
                r.ajoute(y * LARGEUR_LIGNE + x);
            }
        }
    }
    return r;
}

} // namespace tessor
