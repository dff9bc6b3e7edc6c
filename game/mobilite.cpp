#include "mobilite.h"

#include "clones.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace tessor {

namespace {
using Plan = TableMobilite::Plan;
constexpr int COLONNES = TableMobilite::COLONNES;

// The sum of the values around the cell at p, from 0 and in the order of the offsets D: the
// order that fixes every rounding of the table.
template <const auto& D, std::size_t... K> float somme(const float* p, std::index_sequence<K...>) {
    float s = 0.0f;
    ((s += p[D[K].j * COLONNES + D[K].i]), ...);
    return s;
}

// Pass 0 sums the free-cell flags, which gives each square its count of free neighbours; every
// later pass sums the values of the pass before. Each sum is then capped by the cell's ceiling:
// +inf for a free square of the playing area, which keeps the sum, and 0 for any other cell.
// The cap is a minimum, not a test, so the compiler vectorises across the cells; unlike a
// product with a 0/1 mask it stays exact for an infinite sum. The cells capped to 0 hold 0 when
// the next pass reads them, so summing them where the game skips them adds +0 to a sum of
// non-negative values: no rounding changes.
template <const auto& D>
const Plan& propage(const Plan& libre, const Plan& plafond, int hauteur, int passes,
                    std::array<Plan, 2>& tampons) {
    const Plan* source = &libre;
    for (int k = 0; k <= passes; ++k) {
        Plan& cible = tampons[k % 2];
        for (int i = PREMIERE_CASE * COLONNES; i < (PREMIERE_CASE + hauteur) * COLONNES; ++i) {
            const float s = somme<D>(&(*source)[i], std::make_index_sequence<D.size()>{});
            cible[i] = std::min(s, plafond[i]);
        }
        source = &cible;
    }
    return *source;
}

TESSOR_CLONES void calcule(bool cavalier, const Plan& libre, const Plan& plafond, int hauteur,
                           int passes, Plan& valeurs) {
    std::array<Plan, 2> tampons{};
    valeurs = cavalier ? propage<DEP_CAVALIER>(libre, plafond, hauteur, passes, tampons)
                       : propage<DEP_ROI>(libre, plafond, hauteur, passes, tampons);
}
} // namespace

// The free-cell flags cover every cell an offset reaches from the playing area, margin included,
// as the game's count reads them; only the free squares of the playing area take values.
TableMobilite::TableMobilite(const Regles& regles, const Tableau& tableau, int passes) {
    Plan libre{};
    Plan plafond{};
    for (int y = PREMIERE_CASE - MARGE; y <= regles.derniere_ligne() + MARGE; ++y) {
        for (int x = PREMIERE_CASE - MARGE; x <= regles.derniere_colonne() + MARGE; ++x) {
            libre[indice(x, y)] = tableau.libre(x, y) ? 1.0f : 0.0f;
            if (regles.sur_plateau(x, y) && tableau.libre(x, y)) {
                plafond[indice(x, y)] = std::numeric_limits<float>::infinity();
            }
        }
    }
    calcule(regles.cavalier, libre, plafond, regles.hauteur, std::max(passes, 0), valeurs_);
}

} // namespace tessor
