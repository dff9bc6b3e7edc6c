// Boards for the benchmarks, drawn as text like the analysis tool's requests.
#pragma once

#include "game/regles.h"

#include <string>
#include <vector>

namespace tessor::bench {

// One string a row from row 3, one character a column from column 3: '.' free, anything else
// not free; the margin and every other cell are 0.
Tableau plateau(const std::vector<std::string>& lignes);

Regles regles_12x12();

} // namespace tessor::bench
