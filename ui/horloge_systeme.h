// The clock of the game's random draws on the player's machine.
#pragma once

#include <cstdint>

namespace tessor {

// Seconds since midnight of the local time of day.
std::int32_t horloge_systeme();

} // namespace tessor
