// One game: its rules, its board, the two players and whose turn it is. The game owns its turns:
// it starts, takes each action of the player on turn, refuses what the rules refuse, runs the
// end test and passes the turn, and tells what happened as events. It keeps its actions, to take
// them back and put them back, and writes them as a record it can be rebuilt from.
#pragma once

#include "alea.h"
#include "enregistrement.h"
#include "evenement.h"
#include "historique.h"
#include "regles.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace tessor {

// Levels 1 to 4 rank moves by the mobility tables; level 5 searches.
constexpr int16 NIVEAU_MAX = 5;
// The deepest a level plays: no depth goes beyond twice the longer side of the board.
constexpr int16 PROFONDEUR_MAX = 2 * COTE_MAX;

struct Joueur {
    int16 niveau = 0;     // 0 a human, 1 to NIVEAU_MAX the computer's level
    int16 profondeur = 0; // propagation passes of its computer, set when a game starts
    Case position;
};

class Partie {
  public:
    explicit Partie(Alea& alea) : alea_(&alea) {}

    const Regles& regles() const { return regles_; }
    const Tableau& tableau() const { return tableau_; }
    const Joueur& joueur(int k) const { return joueurs_[k]; }
    int16 joueur_courant() const { return joueur_courant_; }
    int16 adversaire() const { return static_cast<int16>(1 - joueur_courant_); }
    Phase phase() const { return phase_; }
    bool finie() const { return finie_; }
    // Once the game is over: the winner, 0 or 1, or -1 for a draw.
    int16 gagnant() const { return gagnant_; }
    bool bloque(int joueur) const {
        return regles_.est_bloque(joueurs_[joueur].position, tableau_);
    }
    // True when the action of the player on turn on square `c` is one the rules accept.
    bool accepte(Case c) const;

    // The actions played since the game started, first to last, and how many taken back can be
    // put back.
    const std::vector<Action>& actions() const { return historique_.jouees(); }
    std::size_t nb_a_remettre() const { return historique_.nb_a_remettre(); }

    // Settings of the options screen, for the next game.
    void regle(const Regles& regles) { regles_ = regles; }
    void change_niveau(int joueur, int16 niveau) { joueurs_[joueur].niveau = niveau; }

    // A fresh board and both start squares drawn; a pawn not placed yet is tested on its drawn
    // square, which is not marked on the board. The end test then runs: player 1 is on turn to
    // place, unless a start square already ends the game (knight moves on 3 x 3 only). No action
    // is recorded yet.
    Evenements commence();
    // Each computer's depth from its level; level 4 then plays as level 1 with 4 passes, in this
    // game and the following ones.
    void applique_niveaux();

    // The action of the player on turn on square `c`: its placement, its move or its wall, by
    // the phase. An action the rules refuse, or any action once the game is over, changes
    // nothing and reports nothing. A placement and a wall end with the end test: the game is
    // over, or the turn passes; both pawns placed, the players move and wall in turn.
    // Each action is recorded with the level and depth of its player; any actions taken back
    // can no longer be put back.
    Evenements joue(Case c);

    // Takes back the last `n` actions (at most all of them, back to the board as `commence`
    // left it): the game is as it was before them. They can be put back until another action
    // is played. A position set up with `dispose` or `ajoute_mur` is no action, and is not kept.
    void reprend(std::size_t n);
    // Puts back the next `n` actions taken back (at most all of them), played as `joue` plays
    // them: their events, in their order.
    Evenements remet(std::size_t n);

    // The record of the game: its rules, the players' levels and depths as they play now, the
    // drawn start squares and the actions played (not those taken back).
    Enregistrement enregistrement() const;
    // Rebuilds the game from a record, each action checked as `joue` checks it: the game is then
    // the record's, with nothing to put back, and the answer empty. A record that no game holds
    // leaves the game as it was; the answer then says, in French, what is wrong with it, naming
    // its first refused action from 1: « action 5 refusée : déplacement du joueur 1 vers [9, 9] »,
    // or « action 2 refusée : niveau 9 et profondeur 0 hors limites (0 à 5, 0 à 24) ».
    std::string reconstruit(const Enregistrement& e);

    // A position set up in the middle of a game, for tests: a pawn put on a square (its old one
    // freed), and a wall. Neither changes whose turn it is.
    void dispose(int joueur, Case c);
    void ajoute_mur(Case c) { tableau_[c] = FAUX; }

  private:
    // The game at its start on the drawn squares: a fresh board, player 1 on turn to place, and
    // the end test; its events.
    Evenements repart();
    // The action on square `c`, which the rules accept, without recording it.
    Evenements applique(Case c);
    // Plays and records an action of a record; when the game would not take it from its player
    // in this phase, or its level or depth is out of their limits, what is wrong, in French.
    std::string rejoue(const Action& a);
    void fin_ou_main(Evenements& evenements);

    Alea* alea_;
    Regles regles_;
    Tableau tableau_;
    std::array<Joueur, 2> joueurs_{};
    int16 joueur_courant_ = 0;
    Phase phase_ = Phase::placement;
    bool finie_ = false;
    int16 gagnant_ = -1;
    std::array<Case, 2> departs_{};
    Historique historique_;
};

} // namespace tessor
