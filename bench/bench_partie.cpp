// A whole game between two level-3 computers on 12 x 12, played through the game without a screen.
// Each iteration takes the next of 16 seeds, so the figure is an average over varied games.
#include "alea_analyse.h"
#include "partie.h"
#include "plateaux.h"

#include <benchmark/benchmark.h>

namespace {
using namespace tessor;

void partie_niveau_3_contre_3_12x12(benchmark::State& state) {
    const Regles regles = bench::regles_12x12();
    std::uint32_t graine = 0;
    std::int64_t coups = 0;
    for (auto _ : state) {
        analyse::AleaAnalyse alea(graine++ % 16);
        Partie partie = analyse::nouvelle_partie(alea, regles, {3, 3});
        joue_partie(partie, alea, [&coups](const Evenement& e) {
            coups += e.genre != Evenement::Genre::tour_passe &&
                     e.genre != Evenement::Genre::partie_finie;
        });
    }
    state.counters["coups_par_partie"] =
        benchmark::Counter(static_cast<double>(coups), benchmark::Counter::kAvgIterations);
}
BENCHMARK(partie_niveau_3_contre_3_12x12)->Unit(benchmark::kMillisecond);
} // namespace
