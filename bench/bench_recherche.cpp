// Ordi 5's decision time on positions from real games: level 3 against level 1 on 6 x 6 and
// 12 x 12, with king steps and knight jumps, every other turn of the games kept. One iteration
// decides them all with the default budget and reports the median and the worst processor time
// of a decision, and the nodes searched per second (each choice of a model counted as the nodes
// it is charged). Against level 3, whose choices cost the most, it searches with level 3's model.
#include "ai/modele_niveau.h"
#include "ai/recherche/recherche.h"
#include "partie.h"
#include "plateforme_analyse.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {
using namespace tessor;

struct PositionDePartie {
    Tableau tableau;
    Case moi;
    Case lui;
};

constexpr std::size_t NB_POSITIONS = 40;

// Plays games between levels 3 and 1 (each seat in turn) and keeps the position before every
// other move.
std::vector<PositionDePartie> positions_de_parties(const Regles& regles) {
    std::vector<PositionDePartie> positions;
    for (std::uint32_t graine = 0; positions.size() < NB_POSITIONS; ++graine) {
        analyse::PlateformeAnalyse plateforme(graine);
        Partie partie = analyse::nouvelle_partie(plateforme, regles,
                                                 graine % 2 == 0 ? std::array<int, 2>{3, 1}
                                                                 : std::array<int, 2>{1, 3});
        Tableau t;
        regles.init_tableau(t);
        std::array<Case, 2> pions{};
        int coups = 0;
        joue_partie(partie, plateforme, [&](const Evenement& e) {
            const bool deplacement = e.genre == Evenement::Genre::pion_deplace;
            if (deplacement && ++coups % 2 == 0 && positions.size() < NB_POSITIONS) {
                positions.push_back({t, pions[e.joueur], pions[1 - e.joueur]});
            }
            if (deplacement) {
                t[pions[e.joueur]] = VRAI;
            }
            if (deplacement || e.genre == Evenement::Genre::pion_place) {
                pions[e.joueur] = e.lieu;
            }
            if (e.genre != Evenement::Genre::tour_passe &&
                e.genre != Evenement::Genre::partie_finie) {
                t[e.lieu] = FAUX;
            }
        });
    }
    return positions;
}

double secondes_processeur() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void decision_ordi_5(benchmark::State& state, int cote, bool cavalier, bool contre_ordi_3) {
    Regles regles;
    regles.largeur = static_cast<int16>(cote);
    regles.hauteur = static_cast<int16>(cote);
    regles.cavalier = cavalier;
    const std::vector<PositionDePartie> positions = positions_de_parties(regles);
    ModeleNiveau ordi_3(regles, 3, regles.maxtaille(), 0);
    ModeleAdverse* modele = contre_ordi_3 ? &ordi_3 : nullptr;
    std::vector<double> temps;
    double total = 0.0;
    std::uint64_t noeuds = 0;
    for (auto _ : state) {
        for (const PositionDePartie& s : positions) {
            const double debut = secondes_processeur();
            const DecisionTour d = decide_tour(regles, s.tableau, s.moi, s.lui, BUDGET_DEFAUT,
                                               nullptr, std::nullopt, modele);
            temps.push_back(secondes_processeur() - debut);
            total += temps.back();
            noeuds += d.noeuds;
            benchmark::DoNotOptimize(d);
        }
    }
    std::sort(temps.begin(), temps.end());
    state.counters["mediane_ms"] = 1000.0 * temps[temps.size() / 2];
    state.counters["pire_ms"] = 1000.0 * temps.back();
    state.counters["noeuds_par_s"] = static_cast<double>(noeuds) / total;
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
        benchmark::DoNotOptimize(decide_placement(regles, vide, std::nullopt, BUDGET_DEFAUT,
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
DECISION_ORDI_5(12x12_roi, 12, false, false);
DECISION_ORDI_5(12x12_roi_contre_ordi_3, 12, false, true);
DECISION_ORDI_5(12x12_cavalier, 12, true, false);
DECISION_ORDI_5(12x12_cavalier_contre_ordi_3, 12, true, true);
} // namespace
