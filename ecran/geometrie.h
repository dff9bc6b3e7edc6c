// Where the board stands in the main window: its origin from its size, the grid and its
// numbers, the place of an element on a square and the square under the pointer.
#pragma once

#include "ecran.h"
#include "game/regles.h"

namespace tessor {

class Geometrie {
  public:
    static constexpr int16 TAILLE_CASE = 33;

    int16 origine_x() const { return origine_x_; }
    int16 origine_y() const { return origine_y_; }

    // Centres a board of this size in the space left of the side panels.
    void centre(const Regles& regles);
    void trace_grille(Ecran& ecran, const Regles& regles) const;
    // Puts an element on a square, its corner one pixel inside the grid, and shows it.
    void place(Element& element, Case c) const;
    // The square under a pointer position, or (-1, -1) off the board.
    Case case_sous(float x, float y, const Regles& regles) const;

  private:
    int16 origine_x_ = 0;
    int16 origine_y_ = 0;
};

} // namespace tessor
