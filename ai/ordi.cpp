// The computer's turn: its placement, or its move followed by its wall, applied to the board
// and to the window model, then the turn passes on.
#include "game/jeu.h"

#include "ordinateur.h"

#include <cstdlib>

namespace tessor {

void Jeu::ordi(int16 genre) {
    ++occupe_;
    fenetre.picture6[0].actif = false;
    fenetre.picture5[0].actif = false;
    const int16 t = joueur_courant;
    Ordinateur ordinateur(*this, plateforme, profondeur[t]);
    if (genre == 1) {
        const int16 o = static_cast<int16>(std::abs(t - 1));
        plateforme.traite_evenements();
        const Case depart = joueurs[t].position;
        ordinateur.dep_ordi(joueurs[t].position, joueurs[o].position, profondeur[t],
                            joueurs[t].niveau, tableau);
        tableau[depart] = VRAI;
        place_sur_case(fenetre.dessinpion[t], joueurs[t].position);
        tableau[joueurs[t].position] = FAUX;
        phase = 2;
        affiche_signe(1);
        fenetre.image1[3].image = fenetre.image1[2].image;
        plateforme.traite_evenements();
        choix_mur = joueurs[o].position;
        float score = 0.0f;
        ordinateur.place_casenoir(choix_mur, joueurs[t].position, joueurs[o].position, score,
                                  profondeur[o], tableau);
        ++nb_murs;
        place_sur_case(fenetre.mur[nb_murs], choix_mur);
        tableau[choix_mur] = FAUX;
        phase = 1;
        change_joueur(joueur_courant);
        affiche_signe(3);
    } else {
        plateforme.traite_evenements();
        ordinateur.place_pion_ordi(joueurs[t].position, profondeur[t], tableau);
        place_sur_case(fenetre.dessinpion[t], joueurs[t].position);
        tableau[joueurs[t].position] = FAUX;
        change_joueur(joueur_courant);
        if (joueur_courant == 0) {
            phase = 1;
            affiche_signe(3);
        }
    }
    fenetre.picture6[0].actif = true;
    fenetre.picture5[0].actif = true;
    --occupe_;
}

} // namespace tessor
