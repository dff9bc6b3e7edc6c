// The two hints of the player on turn: the squares its pawn can reach (light grey) and the move
// the computer would make in its place (dark red).
#include "game/jeu.h"

#include "ai/ordinateur.h"

#include <cstdlib>

namespace tessor {

// Switching a hint on needs a game with both pawns on the board; switching it off always works.
void Jeu::BoutonAide_MouseDown(int index) {
    if (aide[index] == 0) {
        if (!fenetre.dessinpion[0].visible || !fenetre.dessinpion[1].visible) {
            return;
        }
        fenetre.bouton_aide[index].image = fenetre.mur_plein.image;
        aide[index] = VRAI;
        if (index == 0) {
            affiche_aide_dep(joueurs[joueur_courant].position);
        } else {
            affiche_aide_choix();
        }
        return;
    }
    fenetre.bouton_aide[index].image = fenetre.mur_vide.image;
    aide[index] = FAUX;
    if (index == 0) {
        for (Element& cible : fenetre.cible2) {
            cible.visible = false;
        }
    } else {
        fenetre.aidepion.visible = false;
    }
}

void Jeu::aff_petit_mur() {
    for (int k = 0; k <= 1; ++k) {
        fenetre.bouton_aide[k].image =
            aide[k] != 0 ? fenetre.mur_plein.image : fenetre.mur_vide.image;
    }
}

// Marks the free squares one move away; marks beyond the count found keep their state.
void Jeu::affiche_aide_dep(Case position) {
    int n = 0;
    for (Decalage d : decalages()) {
        const Case cible = decale(position, d);
        if (tableau.libre(cible)) {
            place_sur_case(fenetre.cible2[n], cible);
            ++n;
        }
    }
}

// Runs the computer's level-3 choice for the player on turn on the scratch record 3.
void Jeu::affiche_aide_choix() {
    const int16 cur = joueur_courant;
    const int16 other = static_cast<int16>(std::abs(cur - 1));
    joueurs[3].position = joueurs[cur].position;
    Ordinateur ordinateur(*this, plateforme, profondeur[cur]);
    ordinateur.dep_ordi(joueurs[3].position, joueurs[other].position, profondeur[cur],
                        joueurs[3].niveau, tableau);
    place_sur_case(fenetre.aidepion, joueurs[3].position);
}

} // namespace tessor
