// A computer player as the turn flow sees it: asked for its next action while it is on turn. A
// human has none: its clicks go to the game directly.
#pragma once

#include "partie.h"

#include <atomic>
#include <optional>

namespace tessor {

class Participant {
  public:
    virtual ~Participant() = default;

    // The next action of the player on turn in `partie`: its placement, its move or its wall,
    // by the phase; nothing while it has none. A search in progress stops soon after `arret`
    // becomes true: its action is then of no use, and is dropped by the caller.
    virtual std::optional<Case> action(const Partie& partie, Alea& alea,
                                       const std::atomic<bool>& arret) = 0;
    // The same, with nothing to stop it: games played without a window.
    std::optional<Case> decide(const Partie& partie, Alea& alea) {
        static const std::atomic<bool> jamais{false};
        return action(partie, alea, jamais);
    }
};

} // namespace tessor
