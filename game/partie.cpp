#include "partie.h"

#include "tirage.h"

namespace tessor {

namespace {
// Passes of each level's computer; level 1 ranks its moves by their free neighbours alone, and
// level 5 reads none (an opponent's wall choice then treats it as a human, with depth 0).
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

Evenements Partie::commence() {
    phase_ = Phase::placement;
    joueur_courant_ = 1;
    regles_.init_tableau(tableau_);
    finie_ = false;
    tirage_case_libre(regles_, *alea_, joueurs_[0].position, tableau_);
    tirage_case_libre(regles_, *alea_, joueurs_[1].position, tableau_);
    Evenements evenements;
    fin_ou_main(evenements);
    return evenements;
}

void Partie::applique_niveaux() {
    for (Joueur& j : joueurs_) {
        j.profondeur = profondeur_du_niveau(j.niveau, regles_.maxtaille());
        if (j.niveau == 4) {
            j.niveau = 1;
        }
    }
}

bool Partie::accepte(Case c) const {
    if (finie_ || !regles_.sur_plateau(c.x, c.y)) {
        return false;
    }
    if (phase_ == Phase::deplacement) {
        return regles_.dep_valide(c, joueurs_[joueur_courant_].position, tableau_);
    }
    return tableau_.libre(c);
}

// Player 1's placement hands the first move to player 0: the turn passes to the mover.
Evenements Partie::joue(Case c) {
    Evenements evenements;
    if (!accepte(c)) {
        return evenements;
    }
    const int16 j = joueur_courant_;
    switch (phase_) {
    case Phase::placement:
        joueurs_[j].position = c;
        tableau_[c] = FAUX;
        evenements.push_back({Evenement::Genre::pion_place, j, c});
        if (j == 1) {
            phase_ = Phase::deplacement;
        }
        fin_ou_main(evenements);
        break;
    case Phase::deplacement:
        dispose(j, c);
        phase_ = Phase::mur;
        evenements.push_back({Evenement::Genre::pion_deplace, j, c});
        break;
    case Phase::mur:
        tableau_[c] = FAUX;
        phase_ = Phase::deplacement;
        evenements.push_back({Evenement::Genre::mur_pose, j, c});
        fin_ou_main(evenements);
        break;
    }
    return evenements;
}

void Partie::dispose(int joueur, Case c) {
    tableau_[joueurs_[joueur].position] = VRAI;
    joueurs_[joueur].position = c;
    tableau_[c] = FAUX;
}

// Both pawns are tested, whoever has just played: a pawn that cannot move loses, both blocked is
// a draw. A won game leaves the winner on turn.
void Partie::fin_ou_main(Evenements& evenements) {
    const bool b0 = bloque(0);
    const bool b1 = bloque(1);
    if (b0 || b1) {
        finie_ = true;
        gagnant_ = b0 && b1 ? int16(-1) : b0 ? int16(1) : int16(0);
        if (gagnant_ >= 0) {
            joueur_courant_ = gagnant_;
        }
        evenements.push_back({Evenement::Genre::partie_finie, gagnant_, {}});
        return;
    }
    joueur_courant_ = adversaire();
    evenements.push_back({Evenement::Genre::tour_passe, joueur_courant_, {}});
}

} // namespace tessor
