// The built-in pictures as pixmaps, each loaded from the resources on first use and kept for the
// life of the window.
#pragma once

#include "game/images.h"

#include <QPixmap>

#include <array>

namespace tessor {

class Pixmaps {
  public:
    Pixmaps();

    // The picture; a null pixmap for `Image::aucune`.
    const QPixmap& operator[](Image image);

  private:
    std::array<QPixmap, NB_IMAGES> cache_;
};

} // namespace tessor
