// The built-in pictures as pixmaps, each loaded from the resources on first use and kept for the
// life of the window, sharp on screens at 200 %.
#pragma once

#include "game/images.h"

#include <QPixmap>

#include <array>

namespace tessor {

// A built-in picture. On a screen at more than 100 % (the highest ratio of the screens) it is the
// picture drawn at twice the size, tagged so that it keeps the same size in the layout.
QPixmap charge_pixmap(Image image);

class Pixmaps {
  public:
    Pixmaps();

    // The picture; a null pixmap for `Image::aucune`.
    const QPixmap& operator[](Image image);

  private:
    std::array<QPixmap, NB_IMAGES> cache_;
};

} // namespace tessor
