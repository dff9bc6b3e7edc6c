// The settings and the board that every request but "partie" describes.
#pragma once

#include "game/regles.h"

namespace tessor::analyse {

struct Situation {
    Regles regles;
    Tableau tableau;
};

} // namespace tessor::analyse
