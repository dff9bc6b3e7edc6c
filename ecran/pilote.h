// Paces the computer's actions so that a player can follow them: each shows a moment after the
// previous action was shown, at the speed the options set, and is decided away from the window's
// thread meanwhile. A question that interrupts a game, the player's pause and a minimised window
// each suspend it; closing the window stops it. A decision whose position is gone (the game
// changed, or the window is closing) is told to stop.
#pragma once

#include "jeu.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

namespace tessor {

// The pauses of a computer's turn, and the glide of its pawn, in milliseconds at the normal speed.
inline constexpr int PAUSE_ORDINATEUR_MS = 500; // before its placement and before its move
inline constexpr int PAUSE_MUR_MS = 350;        // between its move and its wall
inline constexpr int GLISSEMENT_PION_MS = 150;  // its pawn gliding to the square it moves to

class Pilote {
  public:
    // Follows every change of `jeu` from now on.
    Pilote(Jeu& jeu, const Partie& partie, const Options& options, Ordonnanceur& ordonnanceur,
           Alea& alea);
    Pilote(const Pilote&) = delete;
    Pilote& operator=(const Pilote&) = delete;

    // Why the computer waits: each reason holds it until that same reason is lifted.
    enum Raison : std::uint8_t { question = 1, pause = 2, fenetre_reduite = 4 };
    // Nothing is played while suspended for any reason; resuming waits a whole pause again, and
    // keeps a decision already taken for the same position.
    void suspend(Raison raison);
    void reprend(Raison raison);
    bool suspendu(Raison raison) const { return (raisons_ & raison) != 0; }
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
    const Options& options_;
    Ordonnanceur& ordonnanceur_;
    Alea& alea_;
    int coup_ = 0;    // changes of the game so far: a decision is valid for its own only
    int attente_ = 0; // the pause armed last; an older one that ends is ignored
    int decide_ = -1; // the change whose decision is under way or taken
    bool pause_finie_ = false;
    std::uint8_t raisons_ = 0; // the reasons it is suspended for
    std::optional<Decision> decision_;
    // The stop flag of the decision under way, or of the last one.
    std::shared_ptr<std::atomic<bool>> arret_decision_ = std::make_shared<std::atomic<bool>>(false);
};

} // namespace tessor
