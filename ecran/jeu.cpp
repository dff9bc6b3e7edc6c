#include "jeu.h"

#include "ai/joueur_ordinateur.h"

namespace tessor {

// The wall count goes with the markers it counts: a game decided by its start squares asks the
// replay question over an empty board that must count no wall. Such a game (knight moves on
// 3 x 3 only) never shows its board: the question comes first, and a No keeps the options
// screen. The levels take effect all the same.
void Jeu::debut_jeu() {
    commence([this] { signale(); });
}

void Jeu::commence(std::function<void()> apres) {
    prepare_ecran();
    const Evenements evenements = partie_.commence();
    partie_.applique_niveaux();
    habille();
    for (const Evenement& e : evenements) {
        montre(e, false, false);
    }
    if (!partie_.finie()) {
        montre_partie();
        ecran_.affiche_signe(Signe::placez_pion);
        etat_boutons();
        apres();
        return;
    }
    demande_rejouer([this, apres](bool rejouer) { commence_ou_suit(rejouer, apres); });
}

void Jeu::commence_ou_suit(bool rejouer, const std::function<void()>& apres) {
    rejouer ? commence(apres) : apres();
}

void Jeu::prepare_ecran() {
    for (Element& m : ecran_.murs) {
        m.visible = false;
    }
    nb_murs_ = 0;
    ecran_.pions[0].visible = false;
    ecran_.pions[1].visible = false;
    ecran_.case_conseillee.visible = false;
}

void Jeu::habille() {
    for (Element& m : ecran_.murs) {
        m.image = image_mur(options_.mur);
    }
    ecran_.plaque_deplacement.image =
        partie_.regles().cavalier ? Image::plaque_cavalier : Image::plaque_roi;
    prend_joueurs();
    retablir_.clear();
}

void Jeu::montre_partie() {
    ecran_.options.visible = false;
    geometrie_.trace_grille(ecran_, partie_.regles());
    ecran_.panneau_jeu.visible = true;
    en_partie_ = true;
}

void Jeu::prend_joueurs() {
    for (int k = 0; k < 2; ++k) {
        const int16 niveau = partie_.joueur(k).niveau;
        joueurs_[k] =
            niveau > 0 ? std::shared_ptr<Participant>(ordinateur_du_niveau(niveau)) : nullptr;
    }
}

// A click during a computer's turn is ignored: it would otherwise act for the computer. So is a
// click without a game. A click on the board first brings the game panel back over the help
// panel, then acts if the rules accept it.
void Jeu::clic(Case c) {
    if (!en_partie_ || ordinateur_au_trait() || question_ouverte_ || c.x < 0 || c.y < 0) {
        return;
    }
    ecran_.panneau_aide.visible = false;
    ecran_.panneau_jeu.visible = true;
    if (partie_.accepte(c)) {
        applique(c, false);
    }
}

void Jeu::joue_ordinateur(Case c) {
    if (ordinateur_au_trait() && partie_.accepte(c)) {
        applique(c, true);
    }
}

// After the answer to the replay question (or at once), the sign asks for a move when the
// placements hand the first move to player 1, and after a computer's wall, over a finished game
// too. The next game starts only then, so nothing of this turn lands on it. Every action starts
// the keyboard's cursor over for the turn that follows, and is signalled once it is shown.
void Jeu::applique(Case c, bool ordinateur) {
    const Phase phase = partie_.phase();
    const Evenements evenements = partie_.joue(c);
    retablir_.clear();
    bool apres_mur = false;
    for (const Evenement& e : evenements) {
        montre(e, ordinateur, apres_mur);
        apres_mur = e.genre == Evenement::Genre::mur_pose;
    }
    marque_dernier_coup();
    const auto suite = [this, phase, ordinateur](bool rejouer) {
        if ((phase == Phase::placement && partie_.joueur_courant() == 0) ||
            (phase == Phase::mur && ordinateur)) {
            ecran_.affiche_signe(Signe::deplacez_pion);
        }
        if (!rejouer) {
            etat_boutons();
        }
        commence_ou_suit(rejouer, [this] {
            curseur_.recale(partie_);
            signale();
        });
    };
    partie_.finie() ? demande_rejouer(suite) : suite(false);
}

void Jeu::montre(const Evenement& e, bool ordinateur, bool apres_mur) {
    ecran_.pion_glisse = -1;
    switch (e.genre) {
    case Evenement::Genre::pion_place:
        geometrie_.place(ecran_.pions[e.joueur], e.lieu);
        break;
    case Evenement::Genre::pion_deplace:
        geometrie_.place(ecran_.pions[e.joueur], e.lieu);
        ecran_.affiche_signe(Signe::placez_mur);
        ecran_.image_signe.image = image_mur(options_.mur);
        if (ordinateur) {
            ecran_.pion_glisse = e.joueur;
        } else {
            ecran_.efface_aides();
        }
        break;
    case Evenement::Genre::mur_pose:
        ++nb_murs_;
        geometrie_.place(ecran_.murs[nb_murs_], e.lieu);
        if (!ordinateur) {
            ecran_.affiche_signe(Signe::deplacez_pion);
        }
        break;
    case Evenement::Genre::tour_passe:
        montre_main(e.joueur, apres_mur);
        aides_.coche();
        break;
    case Evenement::Genre::partie_finie:
        montre_fin(e.joueur);
        break;
    }
}

// The switches of the player whose turn ends are kept, those of the next player come back; the
// hints show only when the turn passes after a wall, that is when a move is due.
void Jeu::montre_main(int16 joueur, bool apres_mur) {
    aides_.garde(1 - joueur);
    montre_joueur(joueur);
    aides_.reprend(joueur);
    if (apres_mur) {
        aides_.montre(partie_);
    }
}

void Jeu::montre_joueur(int16 joueur) {
    ecran_.nom_au_trait.texte = options_.noms[joueur];
    ecran_.image_signe.image = image_pion(options_.pions[joueur]);
    ecran_.plaque_joueur.image = joueur == 0 ? Image::plaque_joueur1 : Image::plaque_joueur2;
}

// A won game names its winner as a change of player would; the loser keeps the switches as
// they stand. A draw names nobody.
void Jeu::montre_fin(int16 gagnant) {
    if (gagnant < 0) {
        ecran_.affiche_signe(Signe::match_nul);
        ecran_.nom_au_trait.texte.clear();
        ecran_.image_signe.image = image_mur(options_.mur);
        return;
    }
    ecran_.affiche_signe(Signe::gagne);
    montre_main(gagnant, false);
}

// The switches are drawn as they stand once answered.
void Jeu::demande_rejouer(std::function<void(bool)> suite) {
    if (arret_) {
        suite(false);
        return;
    }
    question_ouverte_ = true;
    dialogues_.question(
        "Voulez-vous rejouer?",
        [this, suite = std::move(suite)](bool rejouer) {
            question_ouverte_ = false;
            if (arret_) {
                return;
            }
            if (!rejouer) {
                retour_aux_options();
            }
            aides_.coche();
            suite(rejouer);
        },
        Dialogues::Place::a_cote_du_plateau);
}

void Jeu::retour_aux_options() {
    en_partie_ = false;
    ecran_.panneau_jeu.visible = false;
    ecran_.efface_plateau();
    aides_.oublie();
    ecran_.panneau_jeu.left = LEFT_PANNEAUX;
    ecran_.panneau_jeu.top = TOP_PANNEAUX;
    ecran_.options.visible = true;
    etat_boutons();
}

bool Jeu::ordinateur_au_trait() const {
    return en_partie_ && !partie_.finie() && !arret_ && au_trait() != nullptr;
}

bool Jeu::entre_ordinateurs() const {
    return joueurs_[0] != nullptr && joueurs_[1] != nullptr;
}

// The panel buttons are disabled for the whole of a computer's turn, but for "Quitter" in a game
// between two computers, which abandons it between two actions.
void Jeu::etat_boutons() {
    const bool ordinateur = ordinateur_au_trait();
    ecran_.bouton_aide.actif = !ordinateur;
    ecran_.bouton_abandon.actif = !ordinateur || entre_ordinateurs();
}

} // namespace tessor
