// The keyboard's cursor: a frame over one square of the board, which the arrow keys move and
// Enter or Space clicks. It shows from the first key and hides when the pointer moves over the
// board. Each time it shows again, and after each action that changes the board, it starts over
// on the pawn of the player on turn, or on the board's centre while the pawns are being placed.
// It never leaves the board.
#pragma once

#include "ecran.h"
#include "game/partie.h"
#include "geometrie.h"

namespace tessor {

class Curseur {
  public:
    Curseur(Element& cadre, const Geometrie& geometrie) : cadre_(cadre), geometrie_(geometrie) {}

    Case position() const { return position_; }
    bool montre() const { return cadre_.visible; }

    // Shows the cursor on its start square, or, when it shows already, moves it by (dx, dy)
    // squares as far as the board's edge.
    void deplace(int dx, int dy, const Partie& partie);
    // Puts the cursor back on its start square, shown or hidden as it was.
    void recale(const Partie& partie);
    void cache() { cadre_.visible = false; }

  private:
    void pose(Case c, bool visible);

    Element& cadre_;
    const Geometrie& geometrie_;
    Case position_;
};

} // namespace tessor
