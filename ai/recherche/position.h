// A position of the search: the free squares and the two pawns, the one on turn first. The pawns'
// squares are not free.
#pragma once

#include "plateau.h"

namespace tessor {

struct Position {
    Bits libres;
    Indice moi = 0;
    Indice lui = 0;
};

// One turn: the move's destination and the wall, both compact squares.
struct Tour {
    Indice deplacement = -1;
    Indice mur = -1;
    bool existe() const { return deplacement >= 0; }
    friend bool operator==(Tour a, Tour b) {
        return a.deplacement == b.deplacement && a.mur == b.mur;
    }
};

// What the end test finds after a turn, for the player who has just played.
enum class Suite : std::uint8_t { continue_, gagne, nul, perd };

// The free squares after the pawn on turn moves to `cible`: its old square is free again.
inline Bits libres_apres_deplacement(const Position& p, Indice cible) {
    Bits f = p.libres;
    f.retire(cible);
    f.ajoute(p.moi);
    return f;
}

// The end test after a turn that brought the mover to `arrivee`, with free squares `libres`.
inline Suite suite_du_tour(const Voisinage& g, const Bits& libres, Indice arrivee, Indice lui) {
    const bool lui_bloque = (g.voisins(lui) & libres).vide();
    const bool moi_bloque = (g.voisins(arrivee) & libres).vide();
    if (lui_bloque) {
        return moi_bloque ? Suite::nul : Suite::gagne;
    }
    return moi_bloque ? Suite::perd : Suite::continue_;
}

// A turn that wins at once: the opponent left without a free square and the mover keeping one.
// Returns a turn that does not exist when there is none.
Tour tour_gagnant(const Voisinage& g, const Position& p);

} // namespace tessor
