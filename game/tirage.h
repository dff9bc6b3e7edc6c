// The random free square the game draws for the start squares and the computer's fallbacks.
#pragma once

#include "alea.h"
#include "regles.h"

namespace tessor {

// Draws a random free square of the playing area into `position`, after reseeding from the
// clock. A board without a free square would never end the drawing: `position` then stays as it
// was, without a draw (no game gets there, but a bad request must not hang).
void tirage_case_libre(const Regles& regles, Alea& alea, Case& position, const Tableau& tableau);

} // namespace tessor
