// The rounding the game's formulas use where they round to the nearest integer.
#pragma once

#include <cmath>

namespace tessor {

// Rounds to the nearest integer, halves to the even neighbour (the default rounding mode).
inline int arrondi_pair(float v) {
    return static_cast<int>(std::nearbyint(v));
}

} // namespace tessor
