// The sparring partners as players: the match request sets them against Ordi 5.
#pragma once

#include "game/participant.h"

#include <cstdint>
#include <memory>

namespace tessor::analyse {

// The Monte Carlo partner, `parcours` playouts a decision, its draws from the seed `graine`.
std::unique_ptr<Participant> partenaire_uct(int parcours, std::uint64_t graine);
// The alpha-beta partner, `noeuds` positions a decision.
std::unique_ptr<Participant> partenaire_alphabeta(std::uint64_t noeuds);

} // namespace tessor::analyse
