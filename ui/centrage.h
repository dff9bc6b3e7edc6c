// Places a top-level window in the middle of its screen.
#pragma once

class QWidget;

namespace tessor {

// Moves `fenetre` so that its outer frame is centred on the screen it belongs to, and again once a
// window manager has framed it, when it is first shown.
void centre_sur_ecran(QWidget& fenetre);

} // namespace tessor
