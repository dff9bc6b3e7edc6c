// A player as the turn flow sees it: asked for its next action while it is on turn. The human
// answers with the square it clicked; a computer decides.
#pragma once

#include "partie.h"

#include <optional>
#include <utility>

namespace tessor {

class Participant {
  public:
    virtual ~Participant() = default;

    // True for a computer, which decides when asked; a human acts only by clicks and keys.
    virtual bool ordinateur() const = 0;
    // The next action of the player on turn in `partie`: its placement, its move or its wall,
    // by the phase; nothing while it has none.
    virtual std::optional<Case> action(const Partie& partie, Plateforme& plateforme) = 0;
};

// A human's action is the square it last clicked, handed over once.
class Humain final : public Participant {
  public:
    void clique(Case c) { clic_ = c; }
    bool ordinateur() const override { return false; }
    std::optional<Case> action(const Partie&, Plateforme&) override {
        return std::exchange(clic_, std::nullopt);
    }

  private:
    std::optional<Case> clic_;
};

} // namespace tessor
