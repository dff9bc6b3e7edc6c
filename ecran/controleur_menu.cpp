// What the window's menu asks of the controller, and the settings a launch remembers.
#include "controleur.h"

namespace tessor {

void Controleur::nouvelle_partie() {
    if (jeu_.en_partie()) {
        abandonne([] {}, [this] { jouer(); });
    } else {
        jouer();
    }
}

void Controleur::bascule_dernier_coup() {
    options_.dernier_coup = !options_.dernier_coup;
    jeu_.marque_dernier_coup();
}

void Controleur::bascule_pause() {
    if (en_pause()) {
        pilote_.reprend(Pilote::pause);
    } else if (pause_possible()) {
        pilote_.suspend(Pilote::pause);
    }
}

void Controleur::fenetre_reduite(bool reduite) {
    reduite ? pilote_.suspend(Pilote::fenetre_reduite) : pilote_.reprend(Pilote::fenetre_reduite);
}

// The record is rebuilt on a copy first: a refused one asks nothing, and the copy is the game
// taken up.
void Controleur::colle(const Enregistrement& enregistrement) {
    Partie reprise = partie_;
    if (const std::string faute = reprise.reconstruit(enregistrement); !faute.empty()) {
        refuse_enregistrement(faute);
    } else if (jeu_.en_partie()) {
        abandonne([] {}, [this, reprise] { prend(reprise); });
    } else {
        prend(reprise);
    }
}

void Controleur::refuse_enregistrement(const std::string& faute) {
    dialogues_.avertit("Cette partie ne peut pas être reprise : " + faute + ".");
}

void Controleur::prend(const Partie& reprise) {
    partie_ = reprise;
    niveaux_affiches_ = {partie_.joueur(0).niveau, partie_.joueur(1).niveau};
    affiche_reglages();
    prepare_partie();
    jeu_.reprend_partie();
}

Reglages Controleur::reglages() const {
    return {partie_.regles(), niveaux_affiches_, options_};
}

void Controleur::applique(const Reglages& reglages) {
    if (!reglable()) {
        return;
    }
    partie_.regle(reglages.regles);
    niveaux_affiches_ = reglages.niveaux;
    partie_.change_niveau(0, reglages.niveaux[0]);
    partie_.change_niveau(1, reglages.niveaux[1]);
    options_ = reglages.options;
    affiche_reglages();
}

} // namespace tessor
