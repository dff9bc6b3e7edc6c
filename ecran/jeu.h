// The turn flow on screen: the start of a game, a human's click, the computer's turn, the change
// of player with its end test, and the replay question. Humans and computers place, move and
// wall through the same three steps.
#pragma once

#include "aides.h"
#include "ecran.h"
#include "game/partie.h"
#include "geometrie.h"

namespace tessor {

class Jeu {
  public:
    Jeu(Partie& partie, Ecran& ecran, const Geometrie& geometrie, Plateforme& plateforme)
        : partie_(partie), ecran_(ecran), geometrie_(geometrie), plateforme_(plateforme),
          aides_(ecran, geometrie, plateforme) {}

    Aides& aides() { return aides_; }
    int16 nb_murs() const { return nb_murs_; }

    void debut_jeu();
    // A click on square `c` of the board, or (-1, -1) off it.
    void clic(Case c);
    // Starts the games that a Yes to the replay question asked for, once the turn that ended
    // the previous game has run to its end.
    void termine_relances();
    // Hides the game and shows the options screen, every hint off.
    void retour_aux_options();

    // A position set up outside the turn flow, shown as the game would show it.
    void dispose(int joueur, Case c);
    void ajoute_mur(Case c);

    // True while a computer turn runs or the replay question is open: board clicks are ignored
    // and a panel button's press waits meanwhile.
    bool occupe() const { return occupe_ > 0; }
    // Set when the window is closing: no further turn is played and nothing more is asked.
    void arrete() { arret_ = true; }

  private:
    void place(Case c);
    void deplace(Case c);
    void mure(Case c);
    void change_joueur();
    void demande_rejouer();
    bool ordinateur_au_trait() const;
    void joue_ordinateurs_placement();
    void joue_ordinateurs();
    void ordi(Phase phase);
    void placement_ordinateur();
    void tour_ordinateur();

    Partie& partie_;
    Ecran& ecran_;
    const Geometrie& geometrie_;
    Plateforme& plateforme_;
    Aides aides_;
    int16 nb_murs_ = 0;
    int occupe_ = 0;
    bool relance_ = false;
    bool arret_ = false;
};

} // namespace tessor
