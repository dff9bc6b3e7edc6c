#include "parcours.h"

#include <algorithm>

namespace tessor {

std::optional<int> Parcours::premier_tour(Masque f, int a, int b, int alpha, int beta) {
    const int k = chemin_.front().faits;
    std::optional<int> v;
    int n = 0;
    s_.parcourt(
        f, a, b, hors_de_portee(g_, f, a, b), [&] { return n <= k; },
        [&](int m, int w) {
            if (n++ == k) {
                v = tour(f, a, b, m, w, alpha, beta, 0);
            }
        });
    return v;
}

int Parcours::valeur(Masque f, int a, int b, int alpha, int beta, std::size_t palier) {
    if (palier == PALIERS) {
        return s_.valeur(f, a, b, alpha, beta);
    }
    chemin_.resize(std::max(chemin_.size(), palier + 1));
    const int faits = chemin_[palier].faits;
    Etape etape{0, chemin_[palier].meilleure};
    const Masque morts = hors_de_portee(g_, f, a, b);
    s_.parcourt(
        f, a, b, morts, [&] { return etape.meilleure < beta && !s_.interrompu() && voulu_; },
        [&](int m, int w) {
            if (etape.faits++ < faits) {
                return;
            }
            const int v = tour(f, a, b, m, w, alpha, beta, palier);
            if (s_.interrompu()) {
                return;
            }
            etape.meilleure = static_cast<std::int8_t>(std::max<int>(etape.meilleure, v));
            chemin_.resize(palier + 1);
            chemin_[palier] = etape;
            voulu_ = suivi_(chemin_);
        });
    return s_.interrompu() ? 0 : etape.meilleure;
}

int Parcours::tour(Masque f, int a, int b, int m, int w, int alpha, int beta, std::size_t palier) {
    const int v = apres_tour(
        g_, f, a, b, m, w, [&](Masque f2) { return valeur(f2, b, m, -beta, -alpha, palier + 1); });
    return std::clamp(v, alpha, beta);
}

} // namespace tessor
