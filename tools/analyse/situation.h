// The settings and the board that every request but "partie" describes.
#pragma once

#include "game/regles.h"

namespace tessor::analyse {

struct Situation {
    Regles regles;
    Tableau tableau;
};

// True when some square of the playing area is free.
bool a_case_libre(const Situation& situation);

} // namespace tessor::analyse
