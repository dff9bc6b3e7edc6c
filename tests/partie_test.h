// A game without a screen for tests: the controller, a scripted platform, and clicks on squares.
#pragma once

#include "ecran/controleur.h"
#include "plateau_test.h"
#include "plateforme_test.h"

namespace tessor {

struct PartieTest {
    PlateformeTest plateforme;
    Controleur jeu{plateforme, plateforme, plateforme};

    // Sets the options with the options screen's buttons (each a dozen times at most), "Jouer".
    void lance(int largeur, int hauteur, bool cavalier, int niveau0 = 0, int niveau1 = 0) {
        const Regles& r = partie().regles();
        for (int n = 0; n < COTE_MAX; ++n) {
            jeu.change_largeur((largeur > r.largeur) - (largeur < r.largeur));
            jeu.change_hauteur((hauteur > r.hauteur) - (hauteur < r.hauteur));
            for (int k = 0; k < 2; ++k) {
                if (partie().joueur(k).niveau != (k == 0 ? niveau0 : niveau1)) {
                    jeu.change_niveau(k);
                }
            }
        }
        if (r.cavalier != cavalier) {
            jeu.change_deplacement();
        }
        jeu.jouer();
    }

    // A click with the pointer over the middle of square (x, y), or off the board for (-1, -1).
    void clic(int x, int y) {
        const Geometrie& g = jeu.geometrie();
        const auto pixel = [](int16 origine, int k) {
            return k < 0 ? -1.0f
                         : static_cast<float>(origine + (k - 3) * Geometrie::TAILLE_CASE + 16);
        };
        jeu.survol(pixel(g.origine_x(), x), pixel(g.origine_y(), y));
        jeu.clic();
    }

    const Ecran& ecran() const { return jeu.ecran(); }
    const Partie& partie() const { return jeu.partie(); }
    Image signe() const { return ecran().signe.image; }

    // The first square, column by column, that the game accepts from the player on turn; (0, 0)
    // when there is none.
    Case case_acceptee() const {
        const std::vector<Case> cases = acceptees(partie());
        return cases.empty() ? Case{} : cases.front();
    }
};

} // namespace tessor
