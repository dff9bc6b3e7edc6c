// The computer player's decisions: where it places its pawn, where it moves it and which square
// it walls. Every decision is a chain of tests on the mobility tables; the number and order of
// the random draws is part of the behaviour, so a given random stream replays a game exactly.
// No decision changes the board it is given.
#pragma once

#include "game/alea.h"
#include "game/regles.h"

#include <array>
#include <optional>
#include <vector>

namespace tessor {

// Score of a wall choice when the opponent has no move left.
constexpr float SCORE_AUCUN_DEP = -1e31f;

// A wall choice: the square, and its value in the opponent's evaluation table
// (SCORE_AUCUN_DEP when the opponent cannot move and the square is drawn at random).
struct ChoixMur {
    Case case_mur;
    float score;
};

// The free squares of the board's central zone, where the computer draws its starting square.
std::vector<Case> zone_de_depart(const Regles& regles, const Tableau& tableau);

class Ordinateur {
  public:
    // `profondeur_courant` is the depth of the player on turn, which the level-3 anticipation
    // uses to judge the opponent's replies.
    Ordinateur(const Regles& regles, Alea& alea, int16 profondeur_courant)
        : regles_(regles), alea_(alea), profondeur_courant_(profondeur_courant) {}

    // Each decision reads the mobility tables after `profondeur` passes, its level's depth.

    // The starting square of the computer's pawn; the caller marks it occupied. A board without
    // a free square (no game gets there) gives (0, 0), off the board.
    Case choisit_depart(int16 profondeur, const Tableau& tableau);
    // The starting square once `tiree` is drawn: the best square one move away.
    Case depart_pres_de(Case tiree, int16 profondeur, const Tableau& tableau);
    // The square the pawn at `position` moves to, with the procedure of level `niveau` (1 to 3).
    Case choisit_deplacement(Case position, Case position_adverse, int16 profondeur, int16 niveau,
                             const Tableau& tableau);
    // The square the opponent would most like to reach, preferring among equals one that is not
    // next to `reference`. The chosen move is counted from `depart`, which the game sets to the
    // opponent's square; a blocked opponent gets a random free square instead (`depart` itself
    // on a board without one).
    ChoixMur choisit_mur(Case depart, Case reference, Case position_adverse, int16 profondeur,
                         const Tableau& tableau);

  private:
    // One ranked move: its offset and its value in the evaluation table.
    struct Rang {
        Decalage decalage{0, 0};
        float valeur = 0.0f;
    };
    // Ranks 1 to 8 (rank 1 the best); element 0 is not used.
    using Classement = std::array<Rang, 9>;

    std::optional<Case> coup_gagnant(Case position, Case position_adverse,
                                     const Tableau& tableau) const;
    std::optional<Case> case_disputee(Case position, Case position_adverse, int16 profondeur,
                                      const Tableau& tableau) const;
    Case deplacement_selon_table(Case position, Case position_adverse, int16 profondeur,
                                 int16 niveau, const Tableau& tableau);
    Case deplacement_anticipe(Case position, Case position_adverse, const Classement& classement,
                              const Tableau& tableau);
    Classement classe(const TableauDep& tableau_dep) const;
    Decalage meilleur_decalage(const TableauDep& tableau_dep);
    Decalage decalage_du_mur(Case depart, Case reference, const TableauDep& tableau_dep);

    const Regles& regles_;
    Alea& alea_;
    int16 profondeur_courant_;
};

} // namespace tessor
