#include "position.h"

#include "game/clones.h"

namespace tessor {

namespace {
// A wall that leaves the pawn at `arrivee` a free square, taken first among `preferes`.
Indice mur_sans_risque(const Voisinage& g, const Bits& libres, Indice arrivee, Bits preferes) {
    while (!preferes.vide()) {
        const Indice w = preferes.extrait();
        Bits reste = libres;
        reste.retire(w);
        if (!(g.voisins(arrivee) & reste).vide()) {
            return w;
        }
    }
    return -1;
}
} // namespace

// The opponent keeps at most one free square after the move: the wall takes it, or, when none is
// left, any wall that spares the mover's last free squares.
TESSOR_CLONES Tour tour_gagnant(const Voisinage& g, const Position& p) {
    // A move takes at most one of the opponent's free squares: with three, two stay.
    if ((g.voisins(p.lui) & p.libres).compte() > 2) {
        return {};
    }
    Bits cibles = g.voisins(p.moi) & p.libres;
    while (!cibles.vide()) {
        const Indice m = cibles.extrait();
        const Bits f = libres_apres_deplacement(p, m);
        const Bits issues = g.voisins(p.lui) & f;
        if (!issues.au_plus_un()) {
            continue;
        }
        const Indice w = mur_sans_risque(g, f, m, issues.vide() ? f : issues);
        if (w >= 0) {
            return {m, w};
        }
    }
    return {};
}

} // namespace tessor
