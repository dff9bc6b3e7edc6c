// The actions of one game in their order, each with what decided it, and the actions taken back
// that can still be put back.
#pragma once

#include "evenement.h"

#include <cstddef>
#include <vector>

namespace tessor {

// One action: a placement, a move or a wall (`genre` pion_place, pion_deplace or mur_pose), its
// player and square, and the level and depth of the player who chose it (level 0 a human).
struct Action {
    Evenement::Genre genre;
    int16 joueur;
    Case lieu;
    int16 niveau;
    int16 profondeur;
    friend bool operator==(const Action& a, const Action& b) {
        return a.genre == b.genre && a.joueur == b.joueur && a.lieu == b.lieu &&
               a.niveau == b.niveau && a.profondeur == b.profondeur;
    }
};

class Historique {
  public:
    // The actions played, first to last.
    const std::vector<Action>& jouees() const { return jouees_; }
    std::size_t nb_a_remettre() const { return retirees_.size(); }

    // A new action: those taken back can no longer be put back.
    void note(const Action& action);
    // Takes back the last `n` actions played, at most all of them.
    void retire(std::size_t n);
    // Puts back the first action taken back, which must exist, and returns it.
    const Action& remet();

  private:
    std::vector<Action> jouees_;
    std::vector<Action> retirees_; // the next one to put back last
};

} // namespace tessor
