// The computer's turn: its placement, or its move followed by its wall, applied to the board
// and to the window model, then the turn passes on.
#include "game/jeu.h"

#include "ordinateur.h"

#include <cstdlib>

namespace tessor {

// The two panel buttons are disabled for the whole turn, and board clicks are ignored, since the
// window handles events in the turn's pauses.
void Jeu::ordi(int16 genre) {
    ++occupe_;
    fenetre.picture6[0].actif = false;
    fenetre.picture5[0].actif = false;
    if (genre == 1) {
        tour_ordinateur();
    } else {
        placement_ordinateur();
    }
    fenetre.picture6[0].actif = true;
    fenetre.picture5[0].actif = true;
    --occupe_;
}

void Jeu::tour_ordinateur() {
    const int16 t = joueur_courant;
    const int16 o = static_cast<int16>(std::abs(t - 1));
    Ordinateur ordinateur(*this, plateforme, profondeur[t]);
    plateforme.traite_evenements();
    const Case depart = joueurs[t].position;
    ordinateur.dep_ordi(joueurs[t].position, joueurs[o].position, profondeur[t], joueurs[t].niveau,
                        tableau);
    tableau[depart] = VRAI;
    place_sur_case(fenetre.dessinpion[t], joueurs[t].position);
    tableau[joueurs[t].position] = FAUX;
    note('D', t, joueurs[t].position);
    phase = 2;
    affiche_signe(1);
    fenetre.image1[3].image = fenetre.image1[2].image;
    plateforme.traite_evenements();
    // The wall is chosen with the opponent's own depth, from the computer's new square.
    choix_mur = joueurs[o].position;
    float score = 0.0f;
    ordinateur.place_casenoir(choix_mur, joueurs[t].position, joueurs[o].position, score,
                              profondeur[o], tableau);
    ++nb_murs;
    place_sur_case(fenetre.mur[nb_murs], choix_mur);
    tableau[choix_mur] = FAUX;
    note('M', t, choix_mur);
    phase = 1;
    change_joueur(joueur_courant);
    affiche_signe(3);
}

void Jeu::placement_ordinateur() {
    const int16 t = joueur_courant;
    Ordinateur ordinateur(*this, plateforme, profondeur[t]);
    plateforme.traite_evenements();
    ordinateur.place_pion_ordi(joueurs[t].position, profondeur[t], tableau);
    place_sur_case(fenetre.dessinpion[t], joueurs[t].position);
    tableau[joueurs[t].position] = FAUX;
    note('P', t, joueurs[t].position);
    change_joueur(joueur_courant);
    if (joueur_courant == 0) {
        phase = 1;
        affiche_signe(3);
    }
}

} // namespace tessor
