// The sparring partners' decision time on the positions Ordi 5's decisions are timed on
// (bench_recherche), with the match request's default budgets: median and worst processor time
// of a decision, one iteration deciding every position once.
#include "ai/recherche/recherche.h"
#include "partenaire_alphabeta.h"
#include "positions.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {
using namespace tessor;

constexpr int PARCOURS = 15000;

void decision_partenaire(benchmark::State& state, int cote, bool cavalier, bool uct) {
    Regles regles;
    regles.largeur = static_cast<int16>(cote);
    regles.hauteur = static_cast<int16>(cote);
    regles.cavalier = cavalier;
    const std::vector<bench::PositionDePartie> positions = bench::positions_de_parties(regles);
    Hasard hasard(1);
    std::vector<double> temps;
    for (auto _ : state) {
        for (const bench::PositionDePartie& p : positions) {
            const analyse::EtatPartenaire etat{p.tableau, {p.moi, p.lui}, 0, false};
            const double debut = bench::secondes_processeur();
            const analyse::TourPartenaire t =
                uct ? analyse::decide_uct(regles, etat, PARCOURS, hasard)
                    : analyse::decide_alphabeta(regles, etat, 2 * BUDGET_DEFAUT);
            temps.push_back(bench::secondes_processeur() - debut);
            benchmark::DoNotOptimize(t);
        }
    }
    bench::note_temps(state, temps);
}

#define DECISION_PARTENAIRE(nom, cote, cavalier, uct)                                              \
    BENCHMARK_CAPTURE(decision_partenaire, nom, cote, cavalier, uct)                               \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(1)
DECISION_PARTENAIRE(uct_8x8_roi, 8, false, true);
DECISION_PARTENAIRE(uct_8x8_cavalier, 8, true, true);
DECISION_PARTENAIRE(uct_12x12_roi, 12, false, true);
DECISION_PARTENAIRE(uct_12x12_cavalier, 12, true, true);
DECISION_PARTENAIRE(alphabeta_8x8_roi, 8, false, false);
DECISION_PARTENAIRE(alphabeta_8x8_cavalier, 8, true, false);
DECISION_PARTENAIRE(alphabeta_12x12_roi, 12, false, false);
DECISION_PARTENAIRE(alphabeta_12x12_cavalier, 12, true, false);
} // namespace
