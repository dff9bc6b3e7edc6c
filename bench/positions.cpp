#include "positions.h"

#include "alea_analyse.h"
#include "partie.h"

#include <algorithm>
#include <ctime>

namespace tessor::bench {

namespace {
constexpr std::size_t NB_POSITIONS = 40;

} // namespace

std::vector<PositionDePartie> positions_de_parties(const Regles& regles) {
    std::vector<PositionDePartie> positions;
    for (std::uint32_t graine = 0; positions.size() < NB_POSITIONS; ++graine) {
        analyse::AleaAnalyse alea(graine);
        Partie partie = analyse::nouvelle_partie(
            alea, regles, graine % 2 == 0 ? std::array<int, 2>{3, 1} : std::array<int, 2>{1, 3});
        Tableau t;
        regles.init_tableau(t);
        std::array<Case, 2> pions{};
        int coups = 0;
        joue_partie(partie, alea, [&](const Evenement& e) {
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

void note_temps(benchmark::State& state, std::vector<double> temps) {
    std::sort(temps.begin(), temps.end());
    state.counters["mediane_ms"] = 1000.0 * temps[temps.size() / 2];
    state.counters["pire_ms"] = 1000.0 * temps.back();
}

} // namespace tessor::bench
