#include "evaluation.h"

#include <algorithm>

namespace tessor {

namespace {
// Squares each pawn reaches strictly before the other, the pawn on turn moving first; the squares
// both reach at the same move count for neither.
int territoire(const Geometrie& g, const Position& p) {
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

int mobilite2(const Geometrie& g, const Bits& libres, Indice pion) {
    const Bits un = g.voisins(pion) & libres;
    return (g.etend(un) & libres).compte();
}
} // namespace

int evalue(const Geometrie& g, const Position& p, const Poids& poids) {
    const int m = (g.voisins(p.moi) & p.libres).compte() - (g.voisins(p.lui) & p.libres).compte();
    const int m2 = mobilite2(g, p.libres, p.moi) - mobilite2(g, p.libres, p.lui);
    const int t = poids.territoire != 0 ? territoire(g, p) : 0;
    const int v = poids.mobilite * m + poids.mobilite2 * m2 + poids.territoire * t;
    return std::clamp(v, -EVALUATION_MAX, EVALUATION_MAX);
}

} // namespace tessor
