// Ordi 5's decision time on positions from real games: level 3 against level 1 on 6 x 6, 8 x 8
// (a board of the match request) and 12 x 12, with king steps and knight jumps, every other turn
// of the games kept. One iteration decides them all with the budget Ordi 5 has there (budget_de)
// and reports the median and the worst processor time of a decision, and the nodes searched per
// second (each choice of a model counted as the nodes it is charged). Against level 3, whose
// choices cost the most, it searches with level 3's model. The fingerprint `empreinte` sums the
// decisions and the nodes behind them (the label): a change meant only for speed must leave it as
// it was.
#include "ai/modele_niveau.h"
#include "ai/recherche/recherche.h"
#include "positions.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {
using namespace tessor;
using bench::PositionDePartie;

void decision_ordi_5(benchmark::State& state, int cote, bool cavalier, bool contre_ordi_3) {
    Regles regles;
    regles.largeur = static_cast<int16>(cote);
    regles.hauteur = static_cast<int16>(cote);
    regles.cavalier = cavalier;
    const std::vector<PositionDePartie> positions = bench::positions_de_parties(regles);
    ModeleNiveau ordi_3(regles, 3, regles.maxtaille(), 0);
    ModeleAdverse* modele = contre_ordi_3 ? &ordi_3 : nullptr;
    std::vector<double> temps;
    double total = 0.0;
    std::uint64_t noeuds = 0;
    std::uint64_t empreinte = 0;
    for (auto _ : state) {
        for (const PositionDePartie& s : positions) {
            const double debut = bench::secondes_processeur();
            const DecisionTour d = decide_tour(regles, s.tableau, s.moi, s.lui, budget_de(modele),
                                               nullptr, std::nullopt, modele);
            temps.push_back(bench::secondes_processeur() - debut);
            total += temps.back();
            noeuds += d.noeuds;
            empreinte = empreinte * 31 + d.noeuds + static_cast<std::uint64_t>(d.valeur) +
                        static_cast<std::uint64_t>(d.deplacement.x * 4096 + d.deplacement.y * 256 +
                                                   d.mur.x * 16 + d.mur.y);
            benchmark::DoNotOptimize(d);
        }
    }
    bench::note_temps(state, temps);
    state.counters["noeuds_par_s"] = static_cast<double>(noeuds) / total;
    state.SetLabel("empreinte " + std::to_string(empreinte));
}
// Ordi 5's first placement on the empty 12 x 12 board against level 3, which places from its
// zone: the average over its start squares costs the most here.
void placement_ordi_5_12x12_contre_ordi_3(benchmark::State& state, bool cavalier) {
    Regles regles;
    regles.largeur = 12;
    regles.hauteur = 12;
    regles.cavalier = cavalier;
    Tableau vide;
    regles.init_tableau(vide);
    ModeleNiveau ordi_3(regles, 3, regles.maxtaille(), 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(decide_placement(regles, vide, std::nullopt, budget_de(&ordi_3),
                                                  nullptr, std::nullopt, &ordi_3));
    }
}
BENCHMARK_CAPTURE(placement_ordi_5_12x12_contre_ordi_3, roi, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(placement_ordi_5_12x12_contre_ordi_3, cavalier, true)
    ->Unit(benchmark::kMillisecond);

// One iteration decides every position once.
#define DECISION_ORDI_5(nom, cote, cavalier, contre_ordi_3)                                        \
    BENCHMARK_CAPTURE(decision_ordi_5, nom, cote, cavalier, contre_ordi_3)                         \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(1)
DECISION_ORDI_5(6x6_roi, 6, false, false);
DECISION_ORDI_5(6x6_roi_contre_ordi_3, 6, false, true);
DECISION_ORDI_5(6x6_cavalier, 6, true, false);
DECISION_ORDI_5(6x6_cavalier_contre_ordi_3, 6, true, true);
DECISION_ORDI_5(8x8_roi, 8, false, false);
DECISION_ORDI_5(8x8_cavalier, 8, true, false);
DECISION_ORDI_5(12x12_roi, 12, false, false);
DECISION_ORDI_5(12x12_roi_contre_ordi_3, 12, false, true);
DECISION_ORDI_5(12x12_cavalier, 12, true, false);
DECISION_ORDI_5(12x12_cavalier_contre_ordi_3, 12, true, true);
} // namespace
