// One level-3 move in the middle of a 12 x 12 game: the pawns two columns apart, a third of the
// squares walled, so the contested-square test, the table choice and the anticipation of the
// wall all run at depth 24.
#include "ai/ordinateur.h"
#include "alea_analyse.h"
#include "plateaux.h"

#include <benchmark/benchmark.h>

namespace {
using namespace tessor;

const std::vector<std::string> MILIEU_DE_PARTIE{
    ".#.....##..#", "...#......#.", "....#.#.....", ".##...#..#..", "#.#.........", "##...#...###",
    "###....#...#", "##.......##.", "#...#.#..#.#", "#...#.##.#..", "...####.....", "#.....##.##.",
};
constexpr Case ORDINATEUR{8, 8};
constexpr Case ADVERSAIRE{10, 9};

void dep_ordi_niveau_3_12x12(benchmark::State& state) {
    const Regles regles = bench::regles_12x12();
    const Tableau tableau = bench::plateau(MILIEU_DE_PARTIE);
    analyse::AleaAnalyse alea(0);
    Ordinateur ordinateur(regles, alea, 24);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ordinateur.choisit_deplacement(ORDINATEUR, ADVERSAIRE, 24, 3, tableau));
    }
}
BENCHMARK(dep_ordi_niveau_3_12x12)->Unit(benchmark::kMicrosecond);
} // namespace
