// The mobility table at the deepest level the game uses: 24 passes over an empty 12 x 12 board,
// timed as the game computes it and as a plain stencil loop computes the same sums, side by side.
#include "plateaux.h"

#include <benchmark/benchmark.h>

namespace {
using namespace tessor;

// Cells x, y = 1 .. 16 of the board at [y - 1][x - 1]: the 12 x 12 playing area and its margin.
using Grille = std::array<std::array<float, 16>, 16>;

// The plain way: a free square of the playing area takes the sum of its king neighbours from 0
// in enumeration order, first of their free flags, then of the previous pass's values; every
// other cell stays 0. Returns the values around square (8, 8) as the evaluation table holds them.
TableauDep table_simple(const Tableau& tableau, int passes) {
    Grille libre{};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            libre[y][x] = tableau.libre(x + 1, y + 1) ? 1.0f : 0.0f;
        }
    }
    Grille valeurs = libre;
    for (int k = 0; k <= passes; ++k) {
        Grille suivantes{};
        for (int y = 2; y < 14; ++y) {
            for (int x = 2; x < 14; ++x) {
                float s = 0.0f;
                for (Decalage d : DEP_ROI) {
                    s += valeurs[y + d.j][x + d.i];
                }
                suivantes[y][x] = libre[y][x] != 0.0f ? s : 0.0f;
            }
        }
        valeurs = suivantes;
    }
    TableauDep t;
    for (Decalage d : DEP_ROI) {
        t(d.i, d.j) = valeurs[7 + d.j][7 + d.i];
    }
    t(0, 0) = 0.0f;
    return t;
}

Tableau plateau_du_pion() {
    Tableau tableau = bench::plateau(std::vector<std::string>(12, std::string(12, '.')));
    tableau(8, 8) = FAUX; // the pawn
    return tableau;
}

void calcul_tab_dep_12x12_profondeur_24(benchmark::State& state) {
    const Regles regles = bench::regles_12x12();
    const Tableau tableau = plateau_du_pion();
    for (auto _ : state) {
        benchmark::DoNotOptimize(regles.calcul_tab_dep({8, 8}, 24, tableau));
    }
}
BENCHMARK(calcul_tab_dep_12x12_profondeur_24)->Unit(benchmark::kMicrosecond);

// The yardstick refuses to run unless it computes exactly the game's table.
void reference_simple_12x12_profondeur_24(benchmark::State& state) {
    const Tableau tableau = plateau_du_pion();
    const TableauDep jeu = bench::regles_12x12().calcul_tab_dep({8, 8}, 24, tableau);
    if (table_simple(tableau, 24).valeurs != jeu.valeurs) {
        state.SkipWithError("the plain table differs from the game's");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(table_simple(tableau, 24));
    }
}
BENCHMARK(reference_simple_12x12_profondeur_24)->Unit(benchmark::kMicrosecond);
} // namespace
