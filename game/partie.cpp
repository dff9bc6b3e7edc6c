#include "partie.h"

#include "tirage.h"

namespace tessor {

namespace {
// Passes of each level's computer; level 1 ranks its moves by their free neighbours alone.
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

void Partie::commence() {
    phase_ = Phase::placement;
    joueur_courant_ = 1;
    regles_.init_tableau(tableau_);
    finie_ = false;
    tirage_case_libre(regles_, plateforme_, joueurs_[0].position, tableau_);
    tirage_case_libre(regles_, plateforme_, joueurs_[1].position, tableau_);
}

void Partie::applique_niveaux() {
    for (Joueur& j : joueurs_) {
        j.profondeur = profondeur_du_niveau(j.niveau, regles_.maxtaille());
        if (j.niveau == 4) {
            j.niveau = 1;
        }
    }
}

void Partie::pose_pion(Case c) {
    joueurs_[joueur_courant_].position = c;
    tableau_[c] = FAUX;
    note(Action::placement, c);
}

void Partie::deplace_pion(Case c) {
    dispose(joueur_courant_, c);
    note(Action::deplacement, c);
    phase_ = Phase::mur;
}

void Partie::pose_mur(Case c) {
    tableau_[c] = FAUX;
    note(Action::mur, c);
    phase_ = Phase::deplacement;
}

void Partie::dispose(int joueur, Case c) {
    tableau_[joueurs_[joueur].position] = VRAI;
    joueurs_[joueur].position = c;
    tableau_[c] = FAUX;
}

Issue Partie::teste_fin() {
    const bool b0 = bloque(0);
    const bool b1 = bloque(1);
    if (b0 && b1) {
        finie_ = true;
        return Issue::nulle;
    }
    if (b0 || b1) {
        joueur_courant_ = b1 ? 1 : 0;
        finie_ = true;
        return Issue::gagnee;
    }
    return Issue::en_cours;
}

void Partie::note(Action action, Case c) const {
    if (journal_) {
        journal_(action, joueur_courant_, c);
    }
}

} // namespace tessor
