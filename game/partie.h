// One game: its rules, its board, the two players and whose turn it is. Placing a pawn, moving
// it and putting a wall go through one path whoever plays, human or computer; each action is
// told to the journal as it is applied.
#pragma once

#include "plateforme.h"
#include "regles.h"

#include <array>
#include <cstdint>
#include <functional>

namespace tessor {

enum class Phase : std::uint8_t { placement, deplacement, mur };
enum class Action : char { placement = 'P', deplacement = 'D', mur = 'M' };
// What the end test found: the game goes on, one pawn is blocked, or both are.
enum class Issue : std::uint8_t { en_cours, gagnee, nulle };

struct Joueur {
    int16 niveau = 0;     // 0 a human, 1 to 4 the computer's level
    int16 profondeur = 0; // propagation passes of its computer, set when a game starts
    Case position;
};

class Partie {
  public:
    using Journal = std::function<void(Action action, int16 joueur, Case c)>;

    explicit Partie(Plateforme& plateforme) : plateforme_(plateforme) {}

    const Regles& regles() const { return regles_; }
    const Tableau& tableau() const { return tableau_; }
    const Joueur& joueur(int k) const { return joueurs_[k]; }
    int16 joueur_courant() const { return joueur_courant_; }
    int16 adversaire() const { return static_cast<int16>(1 - joueur_courant_); }
    Phase phase() const { return phase_; }
    bool finie() const { return finie_; }

    // Settings of the options screen, for the next game.
    void regle(const Regles& regles) { regles_ = regles; }
    void change_niveau(int joueur, int16 niveau) { joueurs_[joueur].niveau = niveau; }
    void ecoute(Journal journal) { journal_ = std::move(journal); }

    // A fresh board and both start squares drawn, with player 2 on turn: the first change of
    // player hands the turn to player 1, unless a start square already ends the game.
    void commence();
    // Each computer's depth from its level; level 4 then plays as level 1 with 4 passes, in this
    // game and the following ones.
    void applique_niveaux();

    void pose_pion(Case c);
    // Leaves the pawn's square free; the player then puts a wall.
    void deplace_pion(Case c);
    // The player on turn then moves, once the turn has changed hands.
    void pose_mur(Case c);
    void passe_aux_deplacements() { phase_ = Phase::deplacement; }

    // A position set up outside the turn flow, as in the middle of a game: a pawn put on a
    // square (its old one freed) and a wall. For tests and tools.
    void dispose(int joueur, Case c);
    void ajoute_mur(Case c) { tableau_[c] = FAUX; }

    // A pawn that cannot move loses, both blocked is a draw. A lost game puts the loser on turn,
    // so that the change of player that follows names the winner.
    Issue teste_fin();
    void passe_la_main() { joueur_courant_ = adversaire(); }
    bool bloque(int joueur) const {
        return regles_.est_bloque(joueurs_[joueur].position, tableau_);
    }

  private:
    void note(Action action, Case c) const;

    Plateforme& plateforme_;
    Regles regles_;
    Tableau tableau_;
    std::array<Joueur, 2> joueurs_{};
    int16 joueur_courant_ = 0;
    Phase phase_ = Phase::placement;
    bool finie_ = false;
    Journal journal_;
};

} // namespace tessor
