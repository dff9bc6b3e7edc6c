// The computer's starting square: a random square of the central zone of the board, then the
// best square one move away from it.
#include "ordinateur.h"

#include "game/tirage.h"

#include <cmath>

namespace tessor {

namespace {
// The central zone of one dimension: its first index and its number of squares.
struct Zone {
    int debut;
    int etendue;
};

Zone zone(int taille) {
    return {3 * taille / 10 + PREMIERE_CASE, 60 * taille / 100};
}

int16 tire(Zone z, float r) {
    return static_cast<int16>(z.debut +
                              static_cast<int>(std::floor(static_cast<float>(z.etendue) * r)));
}
} // namespace

std::vector<Case> zone_de_depart(const Regles& regles, const Tableau& tableau) {
    const Zone colonnes = zone(regles.largeur);
    const Zone lignes = zone(regles.hauteur);
    std::vector<Case> cases;
    for (int x = colonnes.debut; x < colonnes.debut + colonnes.etendue; ++x) {
        for (int y = lignes.debut; y < lignes.debut + lignes.etendue; ++y) {
            if (tableau.libre(x, y)) {
                cases.push_back({static_cast<int16>(x), static_cast<int16>(y)});
            }
        }
    }
    return cases;
}

// On a 3 x 3 board the zone is the single corner square (3, 3); when the other pawn already
// stands there no square of the zone can ever be drawn. The computer then starts from a random
// free square of the whole board instead, so the placement always ends. A board with no free
// square at all (never met in a game) gives (0, 0).
Case Ordinateur::choisit_depart(int16 profondeur, const Tableau& tableau) {
    const Zone colonnes = zone(regles_.largeur);
    const Zone lignes = zone(regles_.hauteur);
    Case c;
    if (!zone_de_depart(regles_, tableau).empty()) {
        do {
            alea_.reensemence();
            const float r1 = alea_.aleatoire();
            const float r2 = alea_.aleatoire();
            c = {tire(colonnes, r1), tire(lignes, r2)};
        } while (!tableau.libre(c));
    } else {
        tirage_case_libre(regles_, alea_, c, tableau);
        if (!tableau.libre(c)) {
            return c;
        }
    }
    return depart_pres_de(c, profondeur, tableau);
}

// With no free square one move away (only met on the fallback, e.g. the knight's dead centre of
// a 3 x 3 board) every value is 0 and the draws may settle anywhere around: the pawn then stays
// on the square drawn.
Case Ordinateur::depart_pres_de(Case tiree, int16 profondeur, const Tableau& tableau) {
    const Case choisi =
        decale(tiree, meilleur_decalage(regles_.calcul_tab_dep(tiree, profondeur, tableau)));
    return tableau.libre(choisi) ? choisi : tiree;
}

} // namespace tessor
