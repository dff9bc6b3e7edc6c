// A game without a screen for tests: the model, a scripted platform, and clicks on squares.
#pragma once

#include "game/jeu.h"
#include "plateforme_test.h"

namespace tessor {

struct PartieTest {
    PlateformeTest plateforme;
    Jeu jeu{plateforme};

    PartieTest() { jeu.Form_Load(); }

    // Sets the options the way the options screen would, then presses "Jouer".
    void lance(int largeur, int hauteur, bool cavalier, int niveau0 = 0, int niveau1 = 0) {
        jeu.largeur = static_cast<int16>(largeur);
        jeu.hauteur = static_cast<int16>(hauteur);
        jeu.cavalier = cavalier;
        jeu.joueurs[0].niveau = static_cast<int16>(niveau0);
        jeu.joueurs[1].niveau = static_cast<int16>(niveau1);
        jeu.Command3_Click(1);
    }

    // A click with the pointer over square (x, y).
    void clic(int x, int y) {
        jeu.case_survol_x = static_cast<int16>(x);
        jeu.case_survol_y = static_cast<int16>(y);
        jeu.Form_Click();
    }

    Image signe() const { return jeu.fenetre.picture2[0].image; }

    // The first square, column by column, that the phase accepts from the player on turn: a
    // free square to place or wall, a square in reach to move to.
    Case case_acceptee() const {
        const Case pion = jeu.joueurs[jeu.joueur_courant].position;
        for (int x = 3; x <= jeu.largeur + 2; ++x) {
            for (int y = 3; y <= jeu.hauteur + 2; ++y) {
                const Case c{static_cast<int16>(x), static_cast<int16>(y)};
                if (jeu.phase == 1 ? jeu.dep_valide(c, pion, jeu.tableau) : jeu.tableau.libre(c)) {
                    return c;
                }
            }
        }
        return {};
    }

    // Puts walls on the board and their markers on screen, as a game would have.
    void murs(std::initializer_list<Case> cases) {
        for (Case c : cases) {
            ++jeu.nb_murs;
            jeu.place_sur_case(jeu.fenetre.mur[jeu.nb_murs], c);
            jeu.tableau[c] = FAUX;
        }
    }

    // Moves a pawn on the board directly, to set up a position.
    void pose(int joueur, Case c) {
        Case& p = jeu.joueurs[joueur].position;
        jeu.tableau[p] = VRAI;
        p = c;
        jeu.tableau[c] = FAUX;
        jeu.place_sur_case(jeu.fenetre.dessinpion[joueur], c);
    }
};

} // namespace tessor
