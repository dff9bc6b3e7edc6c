// The first sparring partner: a Monte Carlo tree search (UCT). A turn is two levels of the tree,
// the move and then the wall; the walls tried are those near the other pawn. Each playout plays
// the game to its end: each pawn moves to the better of two squares drawn among its moves (the
// one with more free squares around it) and walls a random square one move from the other pawn.
#pragma once

#include "game/hasard.h"
#include "partenaire_etat.h"

namespace tessor::analyse {

// A whole turn; when it is asked for after the move, `deplacement` is the pawn's square.
struct TourPartenaire {
    Case deplacement;
    Case mur;
};

// The turn of the player on turn in `etat`, which must have an action, after `parcours`
// playouts (at least 1) drawn from `hasard`: the most visited move, then its most visited wall.
TourPartenaire decide_uct(const Regles& regles, const EtatPartenaire& etat, int parcours,
                          Hasard& hasard);

} // namespace tessor::analyse
