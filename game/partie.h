// One game: its rules, its board, the two players and whose turn it is. The game owns its turns:
// it starts, takes each action of the player on turn, refuses what the rules refuse, runs the
// end test and passes the turn, and tells what happened as events.
#pragma once

#include "alea.h"
#include "evenement.h"
#include "regles.h"

#include <array>

namespace tessor {

// Levels 1 to 4 rank moves by the mobility tables; level 5 searches.
constexpr int16 NIVEAU_MAX = 5;

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

    // Settings of the options screen, for the next game.
    void regle(const Regles& regles) { regles_ = regles; }
    void change_niveau(int joueur, int16 niveau) { joueurs_[joueur].niveau = niveau; }

    // A fresh board and both start squares drawn; a pawn not placed yet is tested on its drawn
    // square, which is not marked on the board. The end test then runs: player 1 is on turn to
    // place, unless a start square already ends the game (knight moves on 3 x 3 only).
    Evenements commence();
    // Each computer's depth from its level; level 4 then plays as level 1 with 4 passes, in this
    // game and the following ones.
    void applique_niveaux();

    // The action of the player on turn on square `c`: its placement, its move or its wall, by
    // the phase. An action the rules refuse, or any action once the game is over, changes
    // nothing and reports nothing. A placement and a wall end with the end test: the game is
    // over, or the turn passes; both pawns placed, the players move and wall in turn.
    Evenements joue(Case c);

    // A position set up in the middle of a game, for tests: a pawn put on a square (its old one
    // freed), and a wall. Neither changes whose turn it is.
    void dispose(int joueur, Case c);
    void ajoute_mur(Case c) { tableau_[c] = FAUX; }

  private:
    void fin_ou_main(Evenements& evenements);

    Alea* alea_;
    Regles regles_;
    Tableau tableau_;
    std::array<Joueur, 2> joueurs_{};
    int16 joueur_courant_ = 0;
    Phase phase_ = Phase::placement;
    bool finie_ = false;
    int16 gagnant_ = -1;
};

} // namespace tessor
