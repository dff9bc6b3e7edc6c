#include "evaluation.h"

#include "game/clones.h"

#include <algorithm>

namespace tessor {

namespace {
// Squares each pawn reaches strictly before the other, the pawn on turn moving first; the squares
// both reach at the same move count for neither.
TESSOR_CLONES int territoire(const Voisinage& g, const Position& p) {
    Bits atteint_moi = singleton(p.moi);
    Bits atteint_lui = singleton(p.lui);
    Bits front_moi = atteint_moi;
    Bits front_lui = atteint_lui;
    Bits a_moi;
    Bits a_lui;
    while (!front_moi.vide() || !front_lui.vide()) {
        const Bits deja = atteint_moi | atteint_lui;
        front_moi = sauf(g.etend(front_moi) & p.libres, deja);
        front_lui = sauf(g.etend(front_lui) & p.libres, deja);
        const Bits partages = front_moi & front_lui;
        a_moi |= sauf(front_moi, partages);
        a_lui |= sauf(front_lui, partages);
        atteint_moi |= front_moi;
        atteint_lui |= front_lui;
    }
    return a_moi.compte() - a_lui.compte();
}

// Free squares at most three moves away, from the pawn's free squares one move away (`un`) and
// those one move beyond them (`deux`). A pawn in a pocket with few exits has few of them even when
// the squares one or two moves away are as many as in the open, and walls placed from afar can
// close the pocket.
TESSOR_CLONES int jusqu_a_trois(const Voisinage& g, const Bits& libres, const Bits& un,
                                const Bits& deux) {
    const Bits proches = un | deux;
    return ((g.etend(proches) & libres) | proches).compte();
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

TESSOR_CLONES int evalue(const Voisinage& g, const Position& p, const Poids& poids) {
    const Bits a_moi = g.voisins(p.moi) & p.libres;
    const Bits a_lui = g.voisins(p.lui) & p.libres;
    const Bits deux_moi = g.etend(a_moi) & p.libres;
    const Bits deux_lui = g.etend(a_lui) & p.libres;
    const int m = a_moi.compte() - a_lui.compte();
    const int m2 = deux_moi.compte() - deux_lui.compte();
    const int m3 = poids.mobilite3 != 0 ? jusqu_a_trois(g, p.libres, a_moi, deux_moi) -
                                              jusqu_a_trois(g, p.libres, a_lui, deux_lui)
                                        : 0;
    const int t = poids.territoire != 0 ? territoire(g, p) : 0;
    const bool cavalier = g.regles().cavalier;
    const int parite = cavalier ? (meme_couleur(p.moi, p.lui) ? 1 : -1) : 0;
    const int v = poids.mobilite * m + poids.mobilite2 * m2 + poids.mobilite3 * m3 +
                  poids.territoire * t + poids.partage * (a_moi & a_lui).compte() +
                  poids.parite * parite;
    return std::clamp(v, -EVALUATION_MAX, EVALUATION_MAX);
}

} // namespace tessor
