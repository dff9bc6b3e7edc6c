// A whole game between two level-3 computers on 12 x 12, started and played as "Jouer" plays it.
// Each iteration takes the next of 16 seeds, so the figure is an average over varied games.
#include "partie.h"
#include "plateaux.h"
#include "plateforme_analyse.h"

#include <benchmark/benchmark.h>

namespace {
using namespace tessor;

void partie_niveau_3_contre_3_12x12(benchmark::State& state) {
    const Regles regles = bench::regles_12x12();
    std::uint32_t graine = 0;
    std::int64_t coups = 0;
    for (auto _ : state) {
        analyse::PlateformeAnalyse plateforme(graine++ % 16);
        Controleur controleur(plateforme);
        controleur.ecoute([&coups](Action, int16, Case) { ++coups; });
        analyse::lance_parties(controleur, regles, {3, 3});
    }
    state.counters["coups_par_partie"] =
        benchmark::Counter(static_cast<double>(coups), benchmark::Counter::kAvgIterations);
}
BENCHMARK(partie_niveau_3_contre_3_12x12)->Unit(benchmark::kMillisecond);
} // namespace
