// The game on screen going back and forth in its history: take-backs and redos, a game taken up
// from a record, and the outlines of the last move.
#include "jeu.h"

namespace tessor {

namespace {

bool action_de_pion(const Action& a) {
    return a.genre != Evenement::Genre::mur_pose;
}

// The square that the pawn of action `i`, a move, left: where its previous move or its
// placement took it.
Case case_quittee(const std::vector<Action>& actions, std::size_t i) {
    for (std::size_t j = i; j-- > 0;) {
        if (actions[j].joueur == actions[i].joueur && action_de_pion(actions[j])) {
            return actions[j].lieu;
        }
    }
    return actions[i].lieu; // never reached: a move follows its player's placement
}

} // namespace

// Going back and forth is for a player who can take back his own action: a game between two
// computers has none, and a finished game has its question open until a new game starts.
bool Jeu::historique_ouvert() const {
    return en_partie_ && !question_ouverte_ && !arret_ && !entre_ordinateurs();
}

bool Jeu::peut_annuler() const {
    return historique_ouvert() && !partie_.finie() && derniere_action_humaine().has_value();
}

bool Jeu::peut_retablir() const {
    return historique_ouvert() && !retablir_.empty();
}

// The seat decides who is human: a game taken up from a record keeps the levels of the players
// who chose its actions, while the players now in those seats may differ.
std::optional<std::size_t> Jeu::derniere_action_humaine() const {
    const std::vector<Action>& actions = partie_.actions();
    for (std::size_t i = actions.size(); i-- > 0;) {
        if (joueurs_[actions[i].joueur] == nullptr) {
            return i;
        }
    }
    return std::nullopt;
}

void Jeu::annule() {
    if (!peut_annuler()) {
        return;
    }
    const int16 avant = partie_.joueur_courant();
    const std::size_t n = partie_.actions().size() - *derniere_action_humaine();
    partie_.reprend(n);
    retablir_.push_back(n);
    redessine(avant);
    signale();
}

void Jeu::retablit() {
    if (!peut_retablir()) {
        return;
    }
    const int16 avant = partie_.joueur_courant();
    partie_.remet(retablir_.back());
    retablir_.pop_back();
    redessine(avant);
    signale();
}

void Jeu::reprend_partie() {
    const int16 avant = partie_.joueur_courant();
    habille();
    montre_partie();
    redessine(avant);
    if (!partie_.finie()) {
        signale();
        return;
    }
    demande_rejouer([this](bool rejouer) { commence_ou_suit(rejouer, [this] { signale(); }); });
}

// The hints show whenever a move is due, with the switches of the player on turn.
void Jeu::redessine(int16 avant) {
    aides_.garde(avant);
    prepare_ecran();
    ecran_.efface_aides();
    ecran_.pion_glisse = -1;
    for (const Action& a : partie_.actions()) {
        geometrie_.place(action_de_pion(a) ? ecran_.pions[a.joueur] : ecran_.murs[++nb_murs_],
                         a.lieu);
    }
    const int16 joueur = partie_.joueur_courant();
    aides_.reprend(joueur);
    aides_.coche();
    montre_joueur(joueur);
    switch (partie_.phase()) {
    case Phase::placement:
        ecran_.affiche_signe(Signe::placez_pion);
        break;
    case Phase::deplacement:
        ecran_.affiche_signe(Signe::deplacez_pion);
        aides_.montre(partie_);
        break;
    case Phase::mur:
        ecran_.affiche_signe(Signe::placez_mur);
        ecran_.image_signe.image = image_mur(options_.mur);
        break;
    }
    if (partie_.finie()) {
        montre_fin(partie_.gagnant());
    }
    curseur_.recale(partie_);
    marque_dernier_coup();
    etat_boutons();
}

// The last pawn action outlines the square its pawn left (none after a placement) and the one it
// reached; the last wall is outlined too, though a pawn may have moved since.
void Jeu::marque_dernier_coup() {
    for (Element& contour : ecran_.dernier_coup) {
        contour.visible = false;
    }
    if (!options_.dernier_coup || !en_partie_) {
        return;
    }
    const std::vector<Action>& actions = partie_.actions();
    bool pion = false;
    bool mur = false;
    for (std::size_t i = actions.size(); i-- > 0 && !(pion && mur);) {
        const Action& a = actions[i];
        if (!action_de_pion(a) && !mur) {
            geometrie_.place(ecran_.dernier_coup[2], a.lieu);
            mur = true;
        } else if (action_de_pion(a) && !pion) {
            if (a.genre == Evenement::Genre::pion_deplace) {
                geometrie_.place(ecran_.dernier_coup[0], case_quittee(actions, i));
            }
            geometrie_.place(ecran_.dernier_coup[1], a.lieu);
            pion = true;
        }
    }
}

} // namespace tessor
