#include "evaluation.h"

#include <algorithm>

namespace tessor {

namespace {
// Squares each pawn reaches strictly before the other, the pawn on turn moving first; the squares
// both reach at the same move count for neither.
int territoire(const Voisinage& g, const Position& p) {
    Bits atteint_moi = singleton(p.moi);
    Bits atteint_lui = singleton(p.lui);
    Bits front_moi = atteint_moi;
    Bits front_lui = atteint_lui;
    int difference = 0;
    while (!front_moi.vide() || !front_lui.vide()) {
        const Bits deja = atteint_moi | atteint_lui;
        front_moi = sauf(g.etend(front_moi) & p.libres, deja);
        front_lui = sauf(g.etend(front_lui) & p.libres, deja);
        const Bits partages = front_moi & front_lui;
        difference += sauf(front_moi, partages).compte() - sauf(front_lui, partages).compte();
        atteint_moi |= front_moi;
        atteint_lui |= front_lui;
    }
    return difference;
}

int mobilite2(const Voisinage& g, const Bits& libres, Indice pion) {
    const Bits un = g.voisins(pion) & libres;
    return (g.etend(un) & libres).compte();
}

// Free squares at most three moves away. A pawn in a pocket with few exits has few of them even
// when the squares one or two moves away are as many as in the open, and walls placed from afar
// can close the pocket.
int mobilite3(const Voisinage& g, const Bits& libres, Indice pion) {
    const Bits un = g.voisins(pion) & libres;
    const Bits deux = (g.etend(un) & libres) | un;
    return ((g.etend(deux) & libres) | deux).compte();
}

bool meme_couleur(Indice a, Indice b) {
    return ((a % LARGEUR_LIGNE + a / LARGEUR_LIGNE + b % LARGEUR_LIGNE + b / LARGEUR_LIGNE) & 1) ==
           0;
}
} // namespace

Poids poids_du_mode(bool cavalier) {
    Poids p;
    if (cavalier) {
        p.mobilite2 = 6;
        p.mobilite3 = 0;
        p.territoire = 0;
    }
    return p;
}

int evalue(const Voisinage& g, const Position& p, const Poids& poids) {
    const Bits a_moi = g.voisins(p.moi) & p.libres;
    const Bits a_lui = g.voisins(p.lui) & p.libres;
    const int m = a_moi.compte() - a_lui.compte();
    const int m2 = mobilite2(g, p.libres, p.moi) - mobilite2(g, p.libres, p.lui);
    const int m3 =
        poids.mobilite3 != 0 ? mobilite3(g, p.libres, p.moi) - mobilite3(g, p.libres, p.lui) : 0;
    const int t = poids.territoire != 0 ? territoire(g, p) : 0;
    const bool cavalier = g.regles().cavalier;
    const int parite = cavalier ? (meme_couleur(p.moi, p.lui) ? 1 : -1) : 0;
    const int v = poids.mobilite * m + poids.mobilite2 * m2 + poids.mobilite3 * m3 +
                  poids.territoire * t + poids.partage * (a_moi & a_lui).compte() +
                  poids.parite * parite;
    return std::clamp(v, -EVALUATION_MAX, EVALUATION_MAX);
}

} // namespace tessor
