#include "partie.h"

#include "tirage.h"

#include <algorithm>
#include <utility>

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
    regles_.init_tableau(tableau_);
    tirage_case_libre(regles_, *alea_, joueurs_[0].position, tableau_);
    tirage_case_libre(regles_, *alea_, joueurs_[1].position, tableau_);
    departs_ = {joueurs_[0].position, joueurs_[1].position};
    historique_ = {};
    return repart();
}

Evenements Partie::repart() {
    regles_.init_tableau(tableau_);
    joueurs_[0].position = departs_[0];
    joueurs_[1].position = departs_[1];
    phase_ = Phase::placement;
    joueur_courant_ = 1;
    finie_ = false;
    gagnant_ = -1;
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

Evenements Partie::joue(Case c) {
    if (!accepte(c)) {
        return {};
    }
    Evenements evenements = applique(c);
    const Evenement& action = evenements.front();
    const Joueur& j = joueurs_[action.joueur];
    historique_.note({action.genre, action.joueur, c, j.niveau, j.profondeur});
    return evenements;
}

// Taking back replays the actions kept from the start: the game reads no random number while
// it plays, so each comes out as it first did.
void Partie::reprend(std::size_t n) {
    if (n == 0 || actions().empty()) {
        return;
    }
    historique_.retire(n);
    repart();
    for (const Action& a : actions()) {
        applique(a.lieu);
    }
}

Evenements Partie::remet(std::size_t n) {
    Evenements evenements;
    for (n = std::min(n, nb_a_remettre()); n > 0; --n) {
        const Evenements suite = applique(historique_.remet().lieu);
        evenements.insert(evenements.end(), suite.begin(), suite.end());
    }
    return evenements;
}

Enregistrement Partie::enregistrement() const {
    return {regles_,
            {joueurs_[0].niveau, joueurs_[1].niveau},
            {joueurs_[0].profondeur, joueurs_[1].profondeur},
            departs_,
            actions()};
}

// The game is rebuilt as a new one, which replaces it once every action has been taken.
std::string Partie::reconstruit(const Enregistrement& e) {
    if (std::string faute = faute_de_limites(e); !faute.empty()) {
        return faute;
    }
    Partie nouvelle(*alea_);
    nouvelle.regles_ = e.regles;
    for (int k = 0; k < 2; ++k) {
        nouvelle.joueurs_[k].niveau = e.niveaux[k];
        nouvelle.joueurs_[k].profondeur = e.profondeurs[k];
    }
    nouvelle.departs_ = e.departs;
    nouvelle.repart();
    for (std::size_t i = 0; i < e.actions.size(); ++i) {
        if (std::string faute = nouvelle.rejoue(e.actions[i]); !faute.empty()) {
            return "action " + std::to_string(i + 1) + " refusée : " + faute;
        }
    }
    *this = std::move(nouvelle);
    return {};
}

std::string Partie::rejoue(const Action& a) {
    if (std::string faute = faute_de_decision(a.niveau, a.profondeur); !faute.empty()) {
        return faute;
    }
    if (!accepte(a.lieu)) {
        return decrit(a);
    }
    const Evenement faite = applique(a.lieu).front();
    historique_.note(a);
    return faite.genre == a.genre && faite.joueur == a.joueur ? std::string() : decrit(a);
}

// Player 1's placement hands the first move to player 0: the turn passes to the mover.
Evenements Partie::applique(Case c) {
    Evenements evenements;
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
