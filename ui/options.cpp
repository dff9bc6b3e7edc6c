// The options screen and the game panel's buttons, on the window model: start-up defaults, the
// choosers and steppers, the switches between the options screen and the game, and the press
// cycle of the panel's picture buttons.
#include "game/jeu.h"

#include <string>

namespace tessor {

void Jeu::Form_Load() {
    taille_case = 33;
    largeur = 6;
    cavalier = false;
    hauteur = 6;
    max_dessin = NB_PIONS - 1;
    max_dessinmur = NB_MURS_DESSINS - 1;
    init_pion();
    affiche_option();
    for (Element* panneau : {&fenetre.sspanel3, &fenetre.sspanel5}) {
        panneau->left = 456;
        panneau->top = 8;
    }
}

void Jeu::init_pion() {
    for (fiche_joueur& j : joueurs) {
        j.pion = 0;
        j.niveau = 0;
        j.aide_dep = FAUX;
        j.aide_choix = FAUX;
    }
    joueurs[3].niveau = 3;
    aide[0] = FAUX;
    aide[1] = FAUX;
    joueurs[1].pion = 1;
}

// Back to the options: every hint is off for the next game, the current player's switches
// included (otherwise they would pass to the player who starts the next game).
void Jeu::affiche_option() {
    for (int k = 0; k <= 1; ++k) {
        joueurs[k].aide_dep = FAUX;
        joueurs[k].aide_choix = FAUX;
    }
    aide[0] = FAUX;
    aide[1] = FAUX;
    for (Element& cible : fenetre.cible2) {
        cible.visible = false;
    }
    fenetre.aidepion.visible = false;
    fenetre.sspanel3.top = 8;
    fenetre.sspanel3.left = 456;
    fenetre.menu.visible = true;
    fenetre.image1[0].image = fenetre.dessin[joueurs[0].pion].image;
    fenetre.image1[1].image = fenetre.dessin[joueurs[1].pion].image;
    fenetre.image1[2].image = fenetre.dessinmur[joueurs[2].pion].image;
}

void Jeu::efface_option() {
    fenetre.menu.visible = false;
}

void Jeu::affiche_panneau() {
    fenetre.sspanel3.visible = true;
}

void Jeu::efface_panneau() {
    fenetre.sspanel3.visible = false;
    for (Ligne& l : fenetre.lignevert) {
        l.visible = false;
    }
    for (Ligne& l : fenetre.lignehori) {
        l.visible = false;
    }
    for (auto* lettres : {&fenetre.lettrehaut, &fenetre.lettregauche}) {
        for (Element& e : *lettres) {
            e.visible = false;
        }
    }
    for (Element& m : fenetre.mur) {
        m.visible = false;
    }
    fenetre.dessinpion[0].visible = false;
    fenetre.dessinpion[1].visible = false;
}

// Steps through the pawn pictures, wrapping round and skipping the other player's picture.
void Jeu::change_pion(int nb, int s) {
    fiche_joueur& j = joueurs[nb];
    do {
        j.pion = static_cast<int16>(j.pion + s);
        if (j.pion > max_dessin) {
            j.pion = 0;
        }
        if (j.pion < 0) {
            j.pion = max_dessin;
        }
    } while (j.pion == joueurs[1 - nb].pion);
    fenetre.image1[nb].image = fenetre.dessin[j.pion].image;
}

void Jeu::Command1_Click(int index) {
    if (index == 2) {
        fenetre.command1[2].texte = cavalier ? "Roi" : "Cavalier";
        cavalier = !cavalier;
        return;
    }
    int16& niveau = joueurs[index].niveau;
    niveau = static_cast<int16>(niveau >= 4 ? 0 : niveau + 1);
    // The level is written with the blank that stands for the sign of a positive number.
    fenetre.command1[index].texte = niveau == 0 ? "Humain" : "Ordi  " + std::to_string(niveau);
}

namespace {
// One step of a board dimension within 3 .. 12; at a limit nothing changes.
void pas_dimension(int16& dimension, int s, Element& label) {
    const int nouvelle = dimension + s;
    if (nouvelle < 3 || nouvelle > 12) {
        return;
    }
    dimension = static_cast<int16>(nouvelle);
    label.texte = std::to_string(dimension);
}
} // namespace

void Jeu::Command2_Click(int index) {
    switch (index) {
    case 0:
    case 1:
        change_pion(0, index == 0 ? 1 : -1);
        break;
    case 2:
    case 3:
        change_pion(1, index == 3 ? 1 : -1);
        break;
    case 4:
    case 5:
        pas_dimension(largeur, index == 4 ? 1 : -1, fenetre.label2[0]);
        break;
    case 6:
    case 7:
        pas_dimension(hauteur, index == 6 ? 1 : -1, fenetre.label2[1]);
        break;
    case 8:
    case 9: {
        int16& mur = joueurs[2].pion;
        mur = static_cast<int16>(index == 8 ? (mur >= max_dessinmur ? 0 : mur + 1)
                                            : (mur <= 0 ? max_dessinmur : mur - 1));
        fenetre.image1[2].image = fenetre.dessinmur[mur].image;
        break;
    }
    default:
        break;
    }
}

bool Jeu::Command3_Click(int index) {
    if (index == 0) {
        return plateforme.question("Etes vous sûre de vouloir quitter?");
    }
    calcul_origine();
    fenetre.dessinpion[0].image = fenetre.image1[0].image;
    fenetre.dessinpion[1].image = fenetre.image1[1].image;
    debut_jeu();
    termine_relances();
    return false;
}

// A press shows the pressed look and arms the timer; a press while one is waiting, or while
// the button is disabled, is ignored, so one press always gives exactly one action.
void Jeu::presse(std::array<Element, 3>& bouton, int16 code) {
    if (!bouton[0].actif || fenetre.timer1) {
        return;
    }
    fenetre.timer1 = true;
    bouton[0].image = bouton[1].image;
    bouton_presse = code;
}

void Jeu::Picture5_Click() {
    presse(fenetre.picture5, 1);
}

void Jeu::Picture6_Click() {
    presse(fenetre.picture6, 2);
}

// A press whose game has ended in the meantime (No to the replay question brings the options
// screen back) only lets go of its button: there is no game left to help with or to abandon.
bool Jeu::Timer1_Timer() {
    if (occupe()) {
        return false;
    }
    const bool en_partie = !fenetre.menu.visible;
    if (bouton_presse == 1) {
        fenetre.sspanel5.visible = en_partie;
        fenetre.sspanel3.visible = false;
        fenetre.picture5[0].image = fenetre.picture5[2].image;
    } else if (bouton_presse == 2) {
        if (en_partie &&
            plateforme.question("Etes vous sûre de vouloir abandonner cette partie?")) {
            efface_panneau();
            affiche_option();
        }
        fenetre.picture6[0].image = fenetre.picture6[2].image;
    }
    bouton_presse = 0;
    fenetre.timer1 = false;
    return true;
}

void Jeu::Command4_Click() {
    fenetre.sspanel3.visible = true;
    fenetre.sspanel5.visible = false;
}

} // namespace tessor
