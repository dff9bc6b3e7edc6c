// How soon Ordi 5 stops once its stop flag is raised: the window raises it when the game it
// decides for is gone (closed, abandoned, taken back). Each decision of positions from real
// 12 x 12 games, and the first placement on the empty board, runs on a thread of its own; the
// flag is raised 5 ms after its start, and the time from the flag to the thread's end is kept:
// the wall-clock time, and the processor time of the thread, which leaves out the waits for a
// processor on a busy machine. Reports the median and the worst of each, in milliseconds.
#include "ai/modele_niveau.h"
#include "ai/recherche/recherche.h"
#include "positions.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <functional>
#include <pthread.h>
#include <thread>
#include <utility>
#include <vector>

namespace {
using namespace tessor;

double secondes(const timespec& t) {
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The times from the raised flag to the end of `decision`, wall-clock and processor, in seconds.
std::pair<double, double>
delais_d_arret(const std::function<void(const std::atomic<bool>*)>& decision) {
    std::atomic<bool> arret{false};
    timespec fin{};
    std::thread t([&] {
        decision(&arret);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &fin);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    clockid_t horloge_du_fil{};
    pthread_getcpuclockid(t.native_handle(), &horloge_du_fil);
    timespec leve{};
    clock_gettime(horloge_du_fil, &leve);
    const auto debut = std::chrono::steady_clock::now();
    arret.store(true);
    t.join();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count(),
            secondes(fin) - secondes(leve)};
}

void arret_ordi_5_12x12(benchmark::State& state, bool cavalier) {
    Regles regles;
    regles.largeur = 12;
    regles.hauteur = 12;
    regles.cavalier = cavalier;
    const std::vector<bench::PositionDePartie> positions = bench::positions_de_parties(regles);
    ModeleNiveau ordi_3(regles, 3, regles.maxtaille(), 0);
    Tableau vide;
    regles.init_tableau(vide);
    std::vector<double> murs;
    std::vector<double> processeur;
    const auto mesure = [&](const std::function<void(const std::atomic<bool>*)>& decision) {
        const auto [mur, fil] = delais_d_arret(decision);
        murs.push_back(mur);
        processeur.push_back(fil);
    };
    for (auto _ : state) {
        mesure([&](const std::atomic<bool>* arret) {
            decide_placement(regles, vide, std::nullopt, budget_de(&ordi_3), arret, std::nullopt,
                             &ordi_3);
        });
        for (const bench::PositionDePartie& s : positions) {
            for (ModeleAdverse* modele :
                 {static_cast<ModeleAdverse*>(nullptr), static_cast<ModeleAdverse*>(&ordi_3)}) {
                mesure([&](const std::atomic<bool>* arret) {
                    decide_tour(regles, s.tableau, s.moi, s.lui, budget_de(modele), arret,
                                std::nullopt, modele);
                });
            }
        }
    }
    bench::note_temps(state, murs);
    std::sort(processeur.begin(), processeur.end());
    state.counters["mediane_processeur_ms"] = 1000.0 * processeur[processeur.size() / 2];
    state.counters["pire_processeur_ms"] = 1000.0 * processeur.back();
}
BENCHMARK_CAPTURE(arret_ordi_5_12x12, roi, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(arret_ordi_5_12x12, cavalier, true)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace
