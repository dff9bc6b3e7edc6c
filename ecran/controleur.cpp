#include "controleur.h"

#include <string>
#include <utility>

namespace tessor {

namespace {
int16 boucle(int valeur, int nombre) {
    return static_cast<int16>((valeur + nombre) % nombre);
}

// The level is written with the blank that stands for the sign of a positive number.
std::string texte_niveau(int16 niveau) {
    return niveau == 0 ? "Humain" : "Ordi  " + std::to_string(niveau);
}
} // namespace

Controleur::Controleur(Alea& alea, Ordonnanceur& ordonnanceur, Dialogues& dialogues)
    : dialogues_(dialogues), partie_(alea), curseur_(ecran_.curseur, geometrie_),
      jeu_(partie_, options_, ecran_, geometrie_, curseur_, alea, dialogues),
      pilote_(jeu_, partie_, options_, ordonnanceur, alea) {
    for (Element* panneau : {&ecran_.panneau_jeu, &ecran_.panneau_aide}) {
        panneau->left = LEFT_PANNEAUX;
        panneau->top = TOP_PANNEAUX;
    }
}

void Controleur::change_niveau(int joueur) {
    const int16 niveau = partie_.joueur(joueur).niveau;
    partie_.change_niveau(joueur, static_cast<int16>(niveau >= NIVEAU_MAX ? 0 : niveau + 1));
    niveaux_affiches_[joueur] = partie_.joueur(joueur).niveau;
    ecran_.niveaux[joueur].texte = texte_niveau(niveaux_affiches_[joueur]);
}

void Controleur::change_deplacement() {
    Regles r = partie_.regles();
    r.cavalier = !r.cavalier;
    partie_.regle(r);
    affiche_regles();
}

// Steps through the pawn pictures, wrapping round and skipping the other player's picture.
void Controleur::pion_suivant(int joueur, int sens) {
    int16& pion = options_.pions[joueur];
    do {
        pion = boucle(pion + sens, NB_PIONS);
    } while (pion == options_.pions[1 - joueur]);
    ecran_.choix_pion[joueur].image = image_pion(pion);
}

// One step of a board dimension within COTE_MIN .. COTE_MAX; at a limit nothing changes.
void Controleur::change_dimension(int16 Regles::*cote, int sens) {
    Regles r = partie_.regles();
    const int nouvelle = r.*cote + sens;
    if (nouvelle >= COTE_MIN && nouvelle <= COTE_MAX) {
        r.*cote = static_cast<int16>(nouvelle);
        partie_.regle(r);
        affiche_regles();
    }
}

void Controleur::renomme(int joueur, const std::string& nom) {
    options_.noms[joueur] = nom;
    ecran_.noms[joueur].texte = nom;
}

void Controleur::mur_suivant(int sens) {
    options_.mur = boucle(options_.mur + sens, NB_MURS_DESSINS);
    ecran_.choix_mur.image = image_mur(options_.mur);
}

void Controleur::affiche_regles() {
    const Regles& r = partie_.regles();
    ecran_.deplacement.texte = r.cavalier ? "Cavalier" : "Roi";
    ecran_.texte_largeur.texte = std::to_string(r.largeur);
    ecran_.texte_hauteur.texte = std::to_string(r.hauteur);
}

void Controleur::affiche_reglages() {
    for (int k = 0; k < 2; ++k) {
        ecran_.niveaux[k].texte = texte_niveau(niveaux_affiches_[k]);
        ecran_.choix_pion[k].image = image_pion(options_.pions[k]);
        ecran_.noms[k].texte = options_.noms[k];
    }
    ecran_.choix_mur.image = image_mur(options_.mur);
    affiche_regles();
}

void Controleur::jouer() {
    prepare_partie();
    jeu_.debut_jeu();
}

void Controleur::prepare_partie() {
    geometrie_.centre(partie_.regles());
    ecran_.pions[0].image = image_pion(options_.pions[0]);
    ecran_.pions[1].image = image_pion(options_.pions[1]);
}

void Controleur::quitter(std::function<void()> fermer) {
    dialogues_.question(
        "Etes vous sûre de vouloir quitter?",
        [fermer = std::move(fermer)](bool oui) {
            if (oui) {
                fermer();
            }
        },
        Dialogues::Place::centre);
}

// A press while another one waits, or while the button is disabled, is ignored, so one press
// always gives exactly one action.
void Controleur::presse(Element& bouton, Image enfonce, Bouton quel) {
    if (!bouton.actif || ecran_.minuterie) {
        return;
    }
    ecran_.minuterie = true;
    bouton.image = enfonce;
    bouton_presse_ = quel;
}

void Controleur::presse_aide() {
    presse(ecran_.bouton_aide, Image::bouton_aide_enfonce, Bouton::aide);
}

void Controleur::presse_abandon() {
    presse(ecran_.bouton_abandon, Image::bouton_quitter_enfonce, Bouton::abandon);
}

// A press whose game has ended in the meantime (No to the replay question brings the options
// screen back) only lets go of its button: there is no game left to help with or to abandon.
// In a game between two computers "Quitter" acts between two actions: its question suspends
// the game, and No lets it go on.
bool Controleur::bouton_relachable() const {
    const bool abandon_entre_ordinateurs =
        bouton_presse_ == Bouton::abandon && jeu_.entre_ordinateurs();
    return !jeu_.question_ouverte() && (!jeu_.ordinateur_au_trait() || abandon_entre_ordinateurs);
}

void Controleur::relache_bouton() {
    if (!bouton_relachable()) {
        return;
    }
    // The press is let go before it acts: the abandon question shows the window anew, which
    // must not arm the timer for the same press again.
    const Bouton bouton = std::exchange(bouton_presse_, Bouton::aucun);
    ecran_.minuterie = false;
    const bool en_partie = jeu_.en_partie();
    if (bouton == Bouton::aide) {
        ecran_.panneau_aide.visible = en_partie;
        ecran_.panneau_jeu.visible = false;
        ecran_.bouton_aide.image = Image::bouton_aide;
    } else if (bouton == Bouton::abandon) {
        // The button keeps its pressed look while its question is open.
        const auto relache = [this] { ecran_.bouton_abandon.image = Image::bouton_quitter; };
        if (en_partie) {
            abandonne(relache);
        } else {
            relache();
        }
    }
}

void Controleur::abandonne(std::function<void()> apres, std::function<void()> sur_oui) {
    pilote_.suspend(Pilote::question);
    dialogues_.question(
        "Etes vous sûre de vouloir abandonner cette partie?",
        [this, apres = std::move(apres), sur_oui = std::move(sur_oui)](bool oui) {
            if (oui) {
                jeu_.retour_aux_options();
                pilote_.reprend(Pilote::pause);
            }
            pilote_.reprend(Pilote::question);
            apres();
            if (oui) {
                sur_oui();
            }
        },
        Dialogues::Place::centre);
}

void Controleur::retour_au_jeu() {
    ecran_.panneau_jeu.visible = true;
    ecran_.panneau_aide.visible = false;
}

void Controleur::survol(float x, float y) {
    case_survolee_ = geometrie_.case_sous(x, y, partie_.regles());
    if (case_survolee_.x >= 0) {
        curseur_.cache();
    }
}

void Controleur::clic() {
    jeu_.clic(case_survolee_);
}

void Controleur::fleche(int dx, int dy) {
    if (jeu_.en_partie()) {
        curseur_.deplace(dx, dy, partie_);
    }
}

void Controleur::clic_curseur() {
    if (!jeu_.en_partie()) {
        return;
    }
    if (!curseur_.montre()) {
        curseur_.deplace(0, 0, partie_);
        return;
    }
    case_survolee_ = curseur_.position();
    clic();
}

void Controleur::touche_panneau(void (Controleur::*bouton)()) {
    if (ecran_.panneau_aide.visible) {
        retour_au_jeu();
    } else {
        (this->*bouton)();
    }
}

std::string Controleur::texte_case(Case c) const {
    if (partie_.tableau().libre(c)) {
        return "libre";
    }
    for (int k = 0; k < 2; ++k) {
        if (partie_.joueur(k).position == c) {
            const std::string& nom = options_.noms[k];
            return nom.empty() ? "Joueur " + std::to_string(k + 1) : nom;
        }
    }
    return "mur";
}

} // namespace tessor
