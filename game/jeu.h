// The game: its whole state, the window model it writes and the procedures that run it. The
// procedures are spread over the subsystem folders: game/ (state and turn flow), ai/ (the
// computer's turn), board_view/ (board drawing, pointer and hints) and ui/ (options screen and
// panel buttons); none of them touches a widget.
#pragma once

#include "fenetre.h"
#include "plateforme.h"
#include "regles.h"

#include <array>
#include <functional>

namespace tessor {

// Draws a random free square of the board into `position`, after reseeding from the clock.
void tirage_case_libre(const Regles& r, Plateforme& p, Case& position, const Tableau& t);

class Jeu : public Regles {
  public:
    explicit Jeu(Plateforme& plateforme);

    Plateforme& plateforme;
    Fenetre fenetre;

    // --- Game state --------------------------------------------------------------------------
    Tableau tableau;
    std::array<fiche_joueur, 4> joueurs{};
    int16 joueur_courant = 0;
    int16 phase = 0; // 0 placing pawns, 1 the player on turn moves, 2 the player puts a wall
    bool fin_partie = false;
    int16 nb_murs = 0;
    std::array<int16, 3> aide{};       // hint switches of the player on turn (0 move, 1 decision)
    std::array<int16, 3> profondeur{}; // propagation passes of each player's computer
    int16 case_survol_x = 0;
    int16 case_survol_y = 0;
    Case choix_mur;
    int16 bouton_presse = 0; // panel button waiting for the timer: 0 none, 1 help, 2 abandon
    int16 max_dessin = NB_PIONS - 1;
    int16 max_dessinmur = NB_MURS_DESSINS - 1;
    int16 taille_case = 33;
    int16 origine_x = 0;
    int16 origine_y = 0;

    // Told of every placement ('P'), move ('D') and wall ('M') as it is applied, with the
    // player and the square; the analysis tool records games through it.
    std::function<void(char action, int16 joueur, Case c)> journal;

    // --- State (game/etat.cpp) ---------------------------------------------------------------
    void init_tableau(Tableau& t);
    void tirage_case_libre(Case& position, const Tableau& t);

    // --- Turn flow (game/tour.cpp) -----------------------------------------------------------
    void debut_jeu();
    void Form_Click();
    void change_joueur(int16& joueur);
    int16 testvictoire(Case position0, Case position1, const Tableau& t);
    // Shows status sign k: 1 "Placez un mur", 2 "Placez votre pion", 3 "Déplacez votre pion",
    // 4 "Match nul !", 5 "Gagné !", at the place each one is shown.
    void affiche_signe(int k);
    // Puts an element on a square by the square placement rule and shows it.
    void place_sur_case(Element& element, Case c);
    // Tells the journal of an action, when one listens.
    void note(char action, int16 joueur, Case c) const {
        if (journal) {
            journal(action, joueur, c);
        }
    }
    // True while a computer turn runs or the replay question is open: board clicks are ignored
    // and a panel button's press waits meanwhile.
    bool occupe() const { return occupe_ > 0; }
    // Set when the window is closing: no further turn is played and nothing more is asked.
    void arrete() { arret_ = true; }

    // --- Computer turn (ai/ordi.cpp) ---------------------------------------------------------
    void ordi(int16 genre);

    // --- Board (board_view/) -----------------------------------------------------------------
    void calcul_origine();
    void affiche_grille();
    static int16 calcul_maxtaille(int16 nbcolonne, int16 nbligne);
    void Form_MouseMove(float x, float y);
    void BoutonAide_MouseDown(int index);
    void Label5_Click(int index) { BoutonAide_MouseDown(index); }
    void aff_petit_mur();
    void affiche_aide_dep(Case position);
    void affiche_aide_choix();

    // --- Options screen and panel buttons (ui/options.cpp) -----------------------------------
    void Form_Load();
    void init_pion();
    void affiche_option();
    void efface_option();
    void affiche_panneau();
    void efface_panneau();
    void change_pion(int nb, int s);
    void Command1_Click(int index);
    void Command2_Click(int index);
    // "Quitter" (0) returns true when the program must end; "Jouer" (1) starts a game.
    bool Command3_Click(int index);
    void Picture5_Click();
    void Picture6_Click();
    // Returns false when the press could not be served yet (a computer turn is running) and
    // the timer must fire again.
    bool Timer1_Timer();
    void Command4_Click();

  private:
    // Starts the games that a Yes to the replay question asked for, once the turn that ended
    // the previous game has run to its end.
    void termine_relances();
    // First half of the press cycle of a panel picture button (`code` 1 help, 2 abandon).
    void presse(std::array<Element, 3>& bouton, int16 code);
    void demande_rejouer();
    void joue_ordinateurs_placement();
    void tour_ordinateur();
    void placement_ordinateur();
    void joue_ordinateurs();
    bool ordinateur_au_trait() const;

    int occupe_ = 0;
    bool relance_ = false;
    bool arret_ = false;

    friend class TourOrdinateur;
};

} // namespace tessor
