// Paces the computer's actions so that a player can follow them: each shows a moment after the
// previous action was shown, and is decided away from the window's thread meanwhile. A question
// that interrupts a game between two computers suspends it; closing the window stops it. A
// decision whose position is gone (the game changed, or the window is closing) is told to stop.
#pragma once

#include "jeu.h"

#include <atomic>
#include <memory>
#include <optional>

namespace tessor {

// The pauses of a computer's turn, and the glide of its pawn, in milliseconds.
inline constexpr int PAUSE_ORDINATEUR_MS = 500; // before its placement and before its move
inline constexpr int PAUSE_MUR_MS = 350;        // between its move and its wall
inline constexpr int GLISSEMENT_PION_MS = 150;  // its pawn gliding to the square it moves to

class Pilote {
  public:
    // Follows every change of `jeu` from now on.
    Pilote(Jeu& jeu, const Partie& partie, Ordonnanceur& ordonnanceur, Alea& alea);
    Pilote(const Pilote&) = delete;
    Pilote& operator=(const Pilote&) = delete;

    // Nothing is played while suspended; resuming waits a whole pause again, and keeps a
    // decision already taken for the same position.
    void suspend();
    void reprend();
    // The window is closing: the decision under way is told to stop and nothing more is played
    // (the game, stopped too, hands the computer no further turn).
    void arrete();

  private:
    // After every change of the game: the next computer action, if one is due, is decided and
    // shown after its pause. Pauses and decisions of earlier positions are dropped.
    void relance();
    void arme();
    void decide();
    void joue_si_pret();

    struct Decision {
        int coup;
        std::optional<Case> action;
    };

    Jeu& jeu_;
    const Partie& partie_;
    Ordonnanceur& ordonnanceur_;
    Alea& alea_;
    int coup_ = 0;    // changes of the game so far: a decision is valid for its own only
    int attente_ = 0; // the pause armed last; an older one that ends is ignored
    int decide_ = -1; // the change whose decision is under way or taken
    bool pause_finie_ = false;
    bool suspendu_ = false;
    std::optional<Decision> decision_;
    // The stop flag of the decision under way, or of the last one.
    std::shared_ptr<std::atomic<bool>> arret_decision_ = std::make_shared<std::atomic<bool>>(false);
};

} // namespace tessor
