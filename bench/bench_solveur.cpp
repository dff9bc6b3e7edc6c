// The solver from the empty board, placements included, on the boards of docs/resolution.md, on
// one thread, and the longest on two as well (wall-clock time). 4 x 4 must take under a second.
// Each run stops at 6e9 nodes, and `resolu` tells whether it got there. `resolution_hors_ligne`
// is an offline run, never in CI: a table of 2^30 entries (8 GiB) that keeps the searches of the
// most nodes, and no node limit; so is `resolution_paire_hors_ligne`, one placed pair of 6 x 6.
// Both go in parts: each prints after each step what a later run needs to go on from there.
#include "ai/recherche/reprise_texte.h"
#include "ai/recherche/solveur.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {
using namespace tessor;

constexpr std::uint64_t NOEUDS_MAX = 6000000000;

Regles regles_de(std::int64_t largeur, std::int64_t hauteur, std::int64_t cavalier) {
    Regles regles;
    regles.largeur = static_cast<int16>(largeur);
    regles.hauteur = static_cast<int16>(hauteur);
    regles.cavalier = cavalier != 0;
    return regles;
}

// Runs the benchmark's iterations of `calcul`; false, the run marked as failed, when a table's
// file could not be opened (TESSOR_TABLE).
template <class Calcul> bool sans_erreur(benchmark::State& state, Calcul&& calcul) {
    try {
        for (auto _ : state) {
            calcul();
        }
    } catch (const std::system_error& e) {
        state.SkipWithError(e.what());
        return false;
    }
    return true;
}

void compte(benchmark::State& state, Statut statut, Verdict valeur, std::uint64_t noeuds) {
    state.counters["resolu"] = statut == Statut::resolu ? 1 : 0;
    state.counters["valeur"] = static_cast<double>(valeur);
    state.counters["noeuds"] = static_cast<double>(noeuds);
}

void resout(benchmark::State& state, std::uint64_t noeuds_max, const TableSolveur& choix,
            const ReprisePlacements& reprise = {}) {
    const Regles regles = regles_de(state.range(0), state.range(1), state.range(2));
    Tableau tableau;
    regles.init_tableau(tableau);
    ResolutionPlacement r;
    const bool fait = sans_erreur(state, [&] {
        r = resout_placements(regles, tableau, noeuds_max, nullptr,
                              static_cast<int>(state.range(3)), choix, reprise);
    });
    if (!fait) {
        return;
    }
    compte(state, r.statut, r.valeur, r.noeuds);
    state.counters["case_x"] = r.depart.x;
    state.counters["case_y"] = r.depart.y;
}

void resolution_plateau_vide(benchmark::State& state) {
    resout(state, NOEUDS_MAX, {});
}

// The environment's `nom`, empty when it is not set.
std::string environnement(const char* nom) {
    const char* valeur = std::getenv(nom);
    return valeur != nullptr ? valeur : "";
}

// The offline runs give the positions of 18 free squares or fewer a table of 2^21 entries
// (16 MiB), and replace by nodes. With TESSOR_TABLE naming a file (in /dev/shm), the large table
// lives there, and a run taken up after a stop starts with what the stopped one had found.
TableSolveur table_hors_ligne(int bits) {
    return {bits, Remplacement::par_noeuds, 18, 21, environnement("TESSOR_TABLE")};
}

// The whole board's run goes on where an earlier one stopped when the environment holds the last
// line that run printed (reprise_texte.h): TESSOR_REPONSES and TESSOR_EN_COURS. False if they
// hold something else.
bool lit_etat(EtatPlacements& etat) {
    return tessor::lit_etat(environnement("TESSOR_REPONSES"), environnement("TESSOR_EN_COURS"),
                            etat);
}

// The first placer's turns being searched, each as its question and its number.
std::vector<std::pair<int, int>> tours_pris(const EtatPlacements& etat) {
    std::vector<std::pair<int, int>> tours;
    for (const Avancee& a : etat.en_cours) {
        tours.emplace_back(a.question, a.chemin[0].faits);
    }
    return tours;
}

// Prints what a later run needs to go on from there: after each question answered and each of
// the first placer's turns settled or taken up, which may each have taken an hour, and after
// the turns settled deeper at most every ten seconds (those take milliseconds each).
void suit(ReprisePlacements& reprise) {
    using Horloge = std::chrono::steady_clock;
    const auto debut = Horloge::now();
    reprise.suivi = [debut, dernier = debut, connues = std::size_t{0},
                     pris =
                         std::vector<std::pair<int, int>>{}](const EtatPlacements& etat) mutable {
        const std::size_t n =
            etat.reponses.size() -
            std::count(etat.reponses.begin(), etat.reponses.end(), REPONSE_INCONNUE);
        std::vector<std::pair<int, int>> tours = tours_pris(etat);
        if (n == connues && tours == pris && Horloge::now() - dernier < std::chrono::seconds(10)) {
            return;
        }
        connues = n;
        pris = std::move(tours);
        dernier = Horloge::now();
        const std::chrono::duration<double> duree = dernier - debut;
        std::fprintf(stderr, "TESSOR_REPONSES='%s' TESSOR_EN_COURS='%s' (%.0f s)\n",
                     texte_reponses(etat).c_str(), texte_en_cours(etat).c_str(), duree.count());
        std::fflush(stderr);
    };
}

void resolution_hors_ligne(benchmark::State& state) {
    ReprisePlacements reprise;
    if (!lit_etat(reprise.etat)) {
        state.SkipWithError("TESSOR_REPONSES: attendu '.', '-', '0' ou '+' par question; "
                            "TESSOR_EN_COURS: attendu \"question faits valeur...\" par question");
        return;
    }
    suit(reprise);
    resout(state, 0, table_hors_ligne(30), reprise);
}

// Offline too: a 6 x 6 board whose first player stands on [x1, y1] and the second on [x2, y2],
// the first on turn, on one thread, with a table of 2^29 entries (4 GiB), so that two pairs can
// run side by side. `valeur` is the first player's. The limit of NOEUDS_PAIRE nodes, about five
// hours of one core, only keeps a forgotten run from going on for ever.
constexpr std::uint64_t NOEUDS_PAIRE = 100000000000;
constexpr int BITS_PAIRE = 29;

// A pair's run goes on where an earlier one stopped when the environment's TESSOR_REPRISE holds
// the last line that run printed (reprise_texte.h). False if it holds something else.
bool lit_reprise(Reprise& reprise) {
    const std::string texte = environnement("TESSOR_REPRISE");
    return texte.empty() || tessor::lit_reprise(texte, reprise);
}

// Prints, after each of the first player's turns, what a later run needs to go on from there.
void suit(Reprise& reprise) {
    const auto debut = std::chrono::steady_clock::now();
    reprise.suivi = [debut](int faits, const Resolution& r) {
        const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
        std::fprintf(stderr, "TESSOR_REPRISE='%s' (%llu noeuds, %.0f s)\n",
                     texte_reprise(faits, r).c_str(), static_cast<unsigned long long>(r.noeuds),
                     duree.count());
        std::fflush(stderr);
    };
}

void resolution_paire_hors_ligne(benchmark::State& state) {
    const Regles regles = regles_de(6, 6, state.range(0));
    Tableau tableau;
    regles.init_tableau(tableau);
    const Case premier{static_cast<int16>(state.range(1)), static_cast<int16>(state.range(2))};
    const Case second{static_cast<int16>(state.range(3)), static_cast<int16>(state.range(4))};
    tableau[premier] = FAUX;
    tableau[second] = FAUX;
    Reprise reprise;
    if (!lit_reprise(reprise)) {
        state.SkipWithError("TESSOR_REPRISE: attendu \"faits valeur x y x y\", faits > 0");
        return;
    }
    suit(reprise);
    Resolution r;
    const bool fait = sans_erreur(state, [&] {
        r = tessor::resout(regles, tableau, premier, second, NOEUDS_PAIRE, nullptr,
                           table_hors_ligne(BITS_PAIRE), reprise);
    });
    if (!fait) {
        return;
    }
    compte(state, r.statut, r.valeur, r.noeuds);
}

BENCHMARK(resolution_plateau_vide)
    ->ArgNames({"largeur", "hauteur", "cavalier", "fils"})
    ->ArgsProduct({{3}, {3, 4, 5}, {0, 1}, {1}})
    ->Args({4, 4, 0, 1})
    ->Args({4, 4, 1, 1})
    ->Args({4, 5, 0, 1})
    ->Args({4, 5, 1, 1})
    ->Args({5, 5, 0, 1})
    ->Args({5, 5, 1, 1})
    ->Args({4, 5, 0, 2})
    ->Args({5, 5, 0, 2})
    ->Args({4, 6, 0, 2})
    ->Args({4, 6, 1, 2})
    ->Args({5, 6, 0, 2})
    ->Args({5, 6, 1, 2})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
// With knights, one first square of each class of symmetric squares, against the knight jump
// from it with the most free squares around it; then with kings, the corner against its diagonal
// neighbour.
BENCHMARK(resolution_paire_hors_ligne)
    ->ArgNames({"cavalier", "x1", "y1", "x2", "y2"})
    ->Args({1, 3, 3, 4, 5})
    ->Args({1, 4, 3, 5, 5})
    ->Args({1, 5, 3, 6, 5})
    ->Args({1, 4, 4, 5, 6})
    ->Args({1, 5, 4, 6, 6})
    ->Args({1, 5, 5, 6, 7})
    ->Args({0, 3, 3, 4, 4})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
// 4 x 6 on two threads, and 5 x 5 on one and on two, which share out the turns of the questions
// that refute them.
BENCHMARK(resolution_hors_ligne)
    ->ArgNames({"largeur", "hauteur", "cavalier", "fils"})
    ->Args({4, 6, 0, 2})
    ->Args({5, 5, 0, 1})
    ->Args({5, 5, 0, 2})
    ->Args({5, 6, 0, 2})
    ->Args({6, 6, 0, 2})
    ->UseRealTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
} // namespace
