// The turn flow: the start of a game, a human's placement, move and wall, the end-of-game test,
// the change of player and the replay question.
#include "jeu.h"

#include <array>
#include <cstdlib>

namespace tessor {

namespace {
struct Signe {
    int16 left;
    int16 top;
};
// Where each status sign stands on the game panel, by its index in Picture2.
constexpr std::array<Signe, 6> SIGNES{{{0, 0},
                                       {SIGNE_LEFT, SIGNE_TOP_BAS},
                                       {SIGNE_LEFT, SIGNE_TOP_BAS},
                                       {SIGNE_LEFT, SIGNE_TOP_HAUT},
                                       {SIGNE_LEFT_FIN, SIGNE_TOP_HAUT},
                                       {SIGNE_LEFT_FIN, SIGNE_TOP_BAS}}};

// Depth of the computer's search for each level; level 4 plays as level 1 with 4 passes.
int16 profondeur_du_niveau(int16 niveau, int16 maxtaille) {
    switch (niveau) {
    case 2:
        return static_cast<int16>(maxtaille / 2);
    case 3:
        return maxtaille;
    case 4:
        return 4;
    default:
        return 0;
    }
}
} // namespace

void Jeu::affiche_signe(int k) {
    Element& signe = fenetre.picture2[0];
    signe.image = fenetre.picture2[k].image;
    signe.left = SIGNES[k].left;
    signe.top = SIGNES[k].top;
}

void Jeu::place_sur_case(Element& element, Case c) {
    element.left = static_cast<int16>((c.x - 3) * taille_case + origine_x + 1);
    element.top = static_cast<int16>((c.y - 3) * taille_case + origine_y + 1);
    element.visible = true;
}

bool Jeu::ordinateur_au_trait() const {
    return joueurs[joueur_courant].niveau > 0 && !fin_partie && !arret_;
}

// The wall count goes with the markers it counts: a game decided by its start squares asks the
// replay question in `change_joueur`, over an empty board that must count no wall.
void Jeu::debut_jeu() {
    for (Element& m : fenetre.mur) {
        m.visible = false;
    }
    nb_murs = 0;
    fenetre.dessinpion[0].visible = false;
    fenetre.dessinpion[1].visible = false;
    fenetre.aidepion.visible = false;
    phase = 0;
    joueur_courant = 1;
    init_tableau(tableau);
    tirage_case_libre(joueurs[0].position, tableau);
    tirage_case_libre(joueurs[1].position, tableau);
    change_joueur(joueur_courant);
    for (Element& m : fenetre.mur) {
        m.image = fenetre.image1[2].image;
    }
    fenetre.picture4[0].image = fenetre.picture4[cavalier ? 2 : 1].image;
    // Only knight moves on a 3 x 3 board can end a game before anyone has played: the replay
    // question has then been answered already, and showing the board of that non-game would
    // only cover the options screen that a No has brought back. The levels still take effect.
    if (!fin_partie) {
        efface_option();
        affiche_grille();
        affiche_panneau();
    }
    const int16 maxtaille = calcul_maxtaille(largeur, hauteur);
    for (int k = 0; k <= 1; ++k) {
        profondeur[k] = profondeur_du_niveau(joueurs[k].niveau, maxtaille);
        if (joueurs[k].niveau == 4) {
            joueurs[k].niveau = 1;
        }
    }
    if (fin_partie) {
        return;
    }
    affiche_signe(2);
    joue_ordinateurs_placement();
    joue_ordinateurs();
}

// Computer placements until the turn comes back to player 0. A game already over takes no
// further placement.
void Jeu::joue_ordinateurs_placement() {
    bool revenu = false;
    while (!revenu && ordinateur_au_trait()) {
        ordi(0);
        revenu = joueur_courant == 0;
    }
}

void Jeu::joue_ordinateurs() {
    while (ordinateur_au_trait()) {
        ordi(phase == 0 ? 0 : 1);
    }
}

// A click during a computer turn (the window handles events in its pauses) is ignored: it would
// otherwise act for the computer. So is a click while the options screen is up.
void Jeu::Form_Click() {
    const Case c{case_survol_x, case_survol_y};
    if (occupe() || fenetre.menu.visible || c.x < 0 || c.y < 0) {
        return;
    }
    fenetre.sspanel5.visible = false;
    fenetre.sspanel3.visible = true;
    fiche_joueur& j = joueurs[joueur_courant];
    if (phase == 0 && tableau.libre(c)) {
        j.position = c;
        place_sur_case(fenetre.dessinpion[joueur_courant], c);
        tableau[c] = FAUX;
        note('P', joueur_courant, c);
        change_joueur(joueur_courant);
        if (joueur_courant == 0) {
            phase = 1;
            affiche_signe(3);
        }
    } else if (phase == 1 && dep_valide(c, j.position, tableau)) {
        tableau[j.position] = VRAI;
        j.position = c;
        place_sur_case(fenetre.dessinpion[joueur_courant], c);
        tableau[c] = FAUX;
        note('D', joueur_courant, c);
        phase = 2;
        affiche_signe(1);
        fenetre.image1[3].image = fenetre.image1[2].image;
        for (Element& cible : fenetre.cible2) {
            cible.visible = false;
        }
        fenetre.aidepion.visible = false;
    } else if (phase == 2 && tableau.libre(c)) {
        ++nb_murs;
        place_sur_case(fenetre.mur[nb_murs], c);
        tableau[c] = FAUX;
        note('M', joueur_courant, c);
        phase = 1;
        affiche_signe(3);
        change_joueur(joueur_courant);
    }
    joue_ordinateurs();
    termine_relances();
}

void Jeu::change_joueur(int16& joueur) {
    const int16 r = testvictoire(joueurs[0].position, joueurs[1].position, tableau);
    if (r >= 0) {
        if (r < 10) {
            joueur = r;
            fin_partie = true;
        }
        joueurs[joueur].aide_dep = aide[0];
        joueurs[joueur].aide_choix = aide[1];
        joueur = static_cast<int16>(std::abs(joueur - 1));
        fenetre.label7.texte = fenetre.text1[joueur].texte;
        fenetre.image1[3].image = fenetre.image1[joueur].image;
        fenetre.aff_joueur[0].image = fenetre.aff_joueur[joueur + 1].image;
        aide[0] = joueurs[joueur].aide_dep != 0 ? VRAI : FAUX;
        aide[1] = joueurs[joueur].aide_choix != 0 ? VRAI : FAUX;
        if (r < 10) {
            demande_rejouer();
        } else if (phase == 1) {
            if (aide[0] != 0) {
                affiche_aide_dep(joueurs[joueur].position);
            }
            if (aide[1] != 0) {
                affiche_aide_choix();
            }
        }
    } else {
        fenetre.label7.texte.clear();
        fenetre.image1[3].image = fenetre.image1[2].image;
        fin_partie = true;
        demande_rejouer();
    }
    aff_petit_mur();
}

// Yes only records the wish: the new game starts once the current turn has run to its end.
// The game is busy while the question is open: a panel button pressed just before the last
// click of the game waits for the answer, then acts on the new game, or after No finds the
// options screen and only lets go of its button.
void Jeu::demande_rejouer() {
    if (arret_) {
        return;
    }
    ++occupe_;
    const bool rejouer = plateforme.question("Voulez-vous rejouer?");
    --occupe_;
    if (rejouer) {
        relance_ = true;
    } else {
        efface_panneau();
        affiche_option();
    }
}

void Jeu::termine_relances() {
    while (relance_ && !arret_) {
        relance_ = false;
        debut_jeu();
    }
}

int16 Jeu::testvictoire(Case position0, Case position1, const Tableau& t) {
    const bool b0 = est_bloque(position0, t);
    const bool b1 = est_bloque(position1, t);
    if (b0 && b1) {
        affiche_signe(4);
        return -1;
    }
    int16 r = 10;
    if (b0) {
        affiche_signe(5);
        r = 0;
    }
    if (b1) {
        affiche_signe(5);
        r = 1;
    }
    return r;
}

} // namespace tessor
