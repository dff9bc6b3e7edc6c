// Places a top-level window in the middle of its screen.
#pragma once

class QWidget;

namespace tessor {

// Moves `fenetre` so that its outer frame is centred on the screen it belongs to.
void centre_sur_ecran(QWidget& fenetre);

} // namespace tessor
