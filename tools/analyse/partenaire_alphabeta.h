// The second sparring partner: a plain alpha-beta. It deepens by whole turns, tries every move
// with every wall (those near the other pawn first, in the order of `actions`) and values a
// position by mobility alone: the free squares one move from the pawn on turn, less those of the
// other pawn. A won game is worth VICTOIRE less the turns to it.
#pragma once

#include "partenaire_uct.h"

#include <cstdint>

namespace tessor::analyse {

// The turn of the player on turn in `etat`, which must have an action, searched within `noeuds`
// positions: the best turn of the deepest search that finished (the first move and its first
// wall when none did).
TourPartenaire decide_alphabeta(const Regles& regles, const EtatPartenaire& etat,
                                std::uint64_t noeuds);

} // namespace tessor::analyse
