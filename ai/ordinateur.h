// The computer player's decisions: where it places its pawn, where it moves it and which square
// it walls. Every decision is a chain of tests on the mobility tables; the number and order of
// the random draws is part of the behaviour, so a given random stream replays a game exactly.
#pragma once

#include "game/plateforme.h"
#include "game/regles.h"

#include <array>

namespace tessor {

// One ranked move: its offset and its value in the evaluation table.
struct dep_classe {
    int16 i = 0;
    int16 j = 0;
    float valeur = 0.0f;
};

// Ranks 1 to 8 (rank 1 the best); element 0 is not used.
using Classement = std::array<dep_classe, 9>;

// Score of a wall choice when the opponent has no move left.
constexpr float SCORE_AUCUN_DEP = -1e31f;

class Ordinateur {
  public:
    // `profondeur_courant` is the depth of the player on turn, which the level-3 anticipation
    // uses to judge the opponent's replies.
    Ordinateur(const Regles& regles, Plateforme& plateforme, int16 profondeur_courant)
        : regles_(regles), plateforme_(plateforme), profondeur_courant_(profondeur_courant) {}

    // Moves `position` to the chosen destination.
    void dep_ordi(Case& position, Case position_adverse, int16 maxtaille, int16 niveau,
                  Tableau& tableau);
    // Steps onto one of the opponent's last escape squares, provided the computer keeps room
    // there; true when it moved the pawn.
    bool coup_gagnant(Case& position, Case position_adverse, const Tableau& tableau) const;
    void choix_dep_niveau(Case& position, Case position_adverse, int16 maxtaille, int16 niveau,
                          Tableau& tableau);
    void test2_dep_ordi(Case& position, Case position_adverse, const Classement& classement,
                        const Classement& classement_adverse, int16 maxtaille, int16 niveau,
                        Tableau& tableau);
    void choix_dep_tab(Case& position, Case position_adverse, int16 maxtaille, int16 niveau,
                       Tableau& tableau);
    void classe(Classement& classement, const TableauDep& tableau_dep) const;
    void choix_dep_anticipe(Case& position, Case position_adverse, const Classement& classement,
                            Tableau& tableau);
    void choix_dep2(int16& x, int16& y, const TableauDep& tableau_dep);
    // Starting square of the computer's pawn; the caller marks it occupied.
    void place_pion_ordi(Case& position, int16 maxtaille, Tableau& tableau);

    // The square to wall: `casenoir` enters as the opponent's position.
    void place_casenoir(Case& casenoir, Case reference, Case position_adverse, float& score,
                        int16 maxtaille, Tableau& tableau);
    void choix_casenoir(Case& casenoir, Case reference, float& score,
                        const TableauDep& tableau_dep);

  private:
    const Regles& regles_;
    Plateforme& plateforme_;
    int16 profondeur_courant_;
};

} // namespace tessor
