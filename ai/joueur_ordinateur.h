// The computer as a player, and whole games played between computers without a screen.
#pragma once

#include "game/participant.h"

#include <array>
#include <functional>
#include <memory>

namespace tessor {

// The computer of level `niveau` (1 to NIVEAU_MAX).
std::unique_ptr<Participant> ordinateur_du_niveau(int16 niveau);

// Starts a game on `partie` with its levels, then plays it to its end between the two
// computers, telling each event to `ecoute`.
void joue_partie(Partie& partie, Alea& alea, const std::function<void(const Evenement&)>& ecoute);

} // namespace tessor
