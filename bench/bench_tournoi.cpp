// A tournament of 1,000 games (levels 2 and 3 on 8 x 8 with king steps, 250 games a pairing) on
// one thread and on two: the wall-clock time the threads save, the answer being the same.
#include "analyse.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void tournoi_1000_parties(benchmark::State& state) {
    const std::string requete =
        R"({"requete":"tournoi","parties":250,"plateaux":[[8,8]],"cavalier":[false],)"
        R"("niveaux":[2,3],"graine":1,"fils":)" +
        std::to_string(state.range(0)) + "}";
    for (auto _ : state) {
        benchmark::DoNotOptimize(tessor::analyse::traite_requete(requete));
    }
}
BENCHMARK(tournoi_1000_parties)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
