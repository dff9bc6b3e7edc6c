#include "jeu.h"

#include "ai/ordinateur.h"

namespace tessor {

// The wall count goes with the markers it counts: a game decided by its start squares asks the
// replay question in `change_joueur`, over an empty board that must count no wall.
void Jeu::debut_jeu() {
    for (Element& m : ecran_.mur) {
        m.visible = false;
    }
    nb_murs_ = 0;
    ecran_.dessinpion[0].visible = false;
    ecran_.dessinpion[1].visible = false;
    ecran_.aidepion.visible = false;
    partie_.commence();
    change_joueur();
    for (Element& m : ecran_.mur) {
        m.image = ecran_.choix_mur.image;
    }
    ecran_.plaque_deplacement.image =
        partie_.regles().cavalier ? Image::plaque_cavalier : Image::plaque_roi;
    // Only knight moves on a 3 x 3 board can end a game before anyone has played: the replay
    // question has then been answered already, and showing the board of that non-game would
    // only cover the options screen that a No has brought back. The levels still take effect.
    if (!partie_.finie()) {
        ecran_.options.visible = false;
        geometrie_.trace_grille(ecran_, partie_.regles());
        ecran_.panneau_jeu.visible = true;
    }
    partie_.applique_niveaux();
    if (partie_.finie()) {
        return;
    }
    ecran_.affiche_signe(Signe::placez_pion);
    joue_ordinateurs_placement();
    joue_ordinateurs();
}

// A click during a computer turn (the window handles events in its pauses) is ignored: it would
// otherwise act for the computer. So is a click while the options screen is up.
void Jeu::clic(Case c) {
    if (occupe() || ecran_.options.visible || c.x < 0 || c.y < 0) {
        return;
    }
    ecran_.panneau_aide.visible = false;
    ecran_.panneau_jeu.visible = true;
    const Tableau& tableau = partie_.tableau();
    const Case pion = partie_.joueur(partie_.joueur_courant()).position;
    if (partie_.phase() == Phase::placement && tableau.libre(c)) {
        place(c);
    } else if (partie_.phase() == Phase::deplacement &&
               partie_.regles().dep_valide(c, pion, tableau)) {
        deplace(c);
        ecran_.efface_aides();
    } else if (partie_.phase() == Phase::mur && tableau.libre(c)) {
        mure(c);
        ecran_.affiche_signe(Signe::deplacez_pion);
        change_joueur();
    }
    joue_ordinateurs();
    termine_relances();
}

// A placement passes the turn; once both pawns stand, player 1 moves.
void Jeu::place(Case c) {
    geometrie_.place(ecran_.dessinpion[partie_.joueur_courant()], c);
    partie_.pose_pion(c);
    change_joueur();
    if (partie_.joueur_courant() == 0) {
        partie_.passe_aux_deplacements();
        ecran_.affiche_signe(Signe::deplacez_pion);
    }
}

void Jeu::deplace(Case c) {
    geometrie_.place(ecran_.dessinpion[partie_.joueur_courant()], c);
    partie_.deplace_pion(c);
    ecran_.affiche_signe(Signe::placez_mur);
    ecran_.image_signe.image = ecran_.choix_mur.image;
}

void Jeu::mure(Case c) {
    ++nb_murs_;
    geometrie_.place(ecran_.mur[nb_murs_], c);
    partie_.pose_mur(c);
}

void Jeu::dispose(int joueur, Case c) {
    partie_.dispose(joueur, c);
    geometrie_.place(ecran_.dessinpion[joueur], c);
}

void Jeu::ajoute_mur(Case c) {
    ++nb_murs_;
    geometrie_.place(ecran_.mur[nb_murs_], c);
    partie_.ajoute_mur(c);
}

void Jeu::change_joueur() {
    const Issue issue = partie_.teste_fin();
    if (issue == Issue::nulle) {
        ecran_.affiche_signe(Signe::match_nul);
        ecran_.nom_au_trait.texte.clear();
        ecran_.image_signe.image = ecran_.choix_mur.image;
        demande_rejouer();
        aides_.coche();
        return;
    }
    if (issue == Issue::gagnee) {
        ecran_.affiche_signe(Signe::gagne);
    }
    aides_.garde(partie_.joueur_courant());
    partie_.passe_la_main();
    const int16 j = partie_.joueur_courant();
    ecran_.nom_au_trait.texte = ecran_.noms[j].texte;
    ecran_.image_signe.image = ecran_.choix_pion[j].image;
    ecran_.plaque_joueur.image = j == 0 ? Image::plaque_joueur1 : Image::plaque_joueur2;
    aides_.reprend(j);
    if (issue == Issue::gagnee) {
        demande_rejouer();
    } else if (partie_.phase() == Phase::deplacement) {
        aides_.montre(partie_);
    }
    aides_.coche();
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
    const bool rejouer = plateforme_.question("Voulez-vous rejouer?");
    --occupe_;
    if (rejouer) {
        relance_ = true;
    } else {
        retour_aux_options();
    }
}

void Jeu::termine_relances() {
    while (relance_ && !arret_) {
        relance_ = false;
        debut_jeu();
    }
}

void Jeu::retour_aux_options() {
    ecran_.panneau_jeu.visible = false;
    ecran_.efface_plateau();
    aides_.oublie();
    ecran_.panneau_jeu.left = LEFT_PANNEAUX;
    ecran_.panneau_jeu.top = TOP_PANNEAUX;
    ecran_.options.visible = true;
}

bool Jeu::ordinateur_au_trait() const {
    return partie_.joueur(partie_.joueur_courant()).niveau > 0 && !partie_.finie() && !arret_;
}

// Computer placements until the turn comes back to player 1. A game already over takes no
// further placement.
void Jeu::joue_ordinateurs_placement() {
    bool revenu = false;
    while (!revenu && ordinateur_au_trait()) {
        ordi(Phase::placement);
        revenu = partie_.joueur_courant() == 0;
    }
}

void Jeu::joue_ordinateurs() {
    while (ordinateur_au_trait()) {
        ordi(partie_.phase() == Phase::placement ? Phase::placement : Phase::deplacement);
    }
}

// The two panel buttons are disabled for the whole turn, and board clicks are ignored, since the
// window handles events in the turn's pauses.
void Jeu::ordi(Phase phase) {
    ++occupe_;
    ecran_.bouton_abandon.actif = false;
    ecran_.bouton_aide.actif = false;
    phase == Phase::placement ? placement_ordinateur() : tour_ordinateur();
    ecran_.bouton_abandon.actif = true;
    ecran_.bouton_aide.actif = true;
    --occupe_;
}

void Jeu::placement_ordinateur() {
    const Joueur& moi = partie_.joueur(partie_.joueur_courant());
    Ordinateur ordinateur(partie_.regles(), plateforme_, moi.profondeur);
    plateforme_.traite_evenements();
    place(ordinateur.choisit_depart(moi.profondeur, partie_.tableau()));
}

// The wall is chosen with the opponent's own depth, from the computer's new square. The sign
// changes after the change of player, so a winning wall leaves "Déplacez votre pion" showing
// once the replay question is answered.
void Jeu::tour_ordinateur() {
    const Joueur& moi = partie_.joueur(partie_.joueur_courant());
    const Joueur& lui = partie_.joueur(partie_.adversaire());
    Ordinateur ordinateur(partie_.regles(), plateforme_, moi.profondeur);
    plateforme_.traite_evenements();
    deplace(ordinateur.choisit_deplacement(moi.position, lui.position, moi.profondeur, moi.niveau,
                                           partie_.tableau()));
    plateforme_.traite_evenements();
    const Mur mur = ordinateur.choisit_mur(lui.position, moi.position, lui.position, lui.profondeur,
                                           partie_.tableau());
    mure(mur.casenoir);
    change_joueur();
    ecran_.affiche_signe(Signe::deplacez_pion);
}

} // namespace tessor
