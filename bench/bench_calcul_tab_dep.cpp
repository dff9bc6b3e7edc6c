// The mobility table at the deepest level the game uses: 24 passes over an empty 12 x 12 board.
#include "plateaux.h"

#include <benchmark/benchmark.h>

namespace {
using namespace tessor;

void calcul_tab_dep_12x12_profondeur_24(benchmark::State& state) {
    const Regles regles = bench::regles_12x12();
    Tableau tableau = bench::plateau(std::vector<std::string>(12, std::string(12, '.')));
    tableau(8, 8) = FAUX; // the pawn
    TableauDep tableau_dep;
    for (auto _ : state) {
        regles.calcul_tab_dep(8, 8, tableau_dep, 24, tableau);
        benchmark::DoNotOptimize(tableau_dep);
    }
}
BENCHMARK(calcul_tab_dep_12x12_profondeur_24)->Unit(benchmark::kMicrosecond);
} // namespace
