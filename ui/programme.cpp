#include "programme.h"

#include "centrage.h"

#include <utility>

namespace tessor {

Programme::Programme(Horloge horloge)
    : horloge_(std::move(horloge)), memoire_(QStringLiteral("Tessor"), QStringLiteral("tessor")),
      chargement_([this] { passage(); }) {}

void Programme::demarre() {
    chargement_.demarre();
}

// Building the main window runs the game's start-up; the splash has then done its work. The
// window asks for the keyboard: a window manager would give it, and without one nothing else does.
void Programme::passage() {
    fenetre_ = std::make_unique<FenetrePrincipale>(horloge_, true, &memoire_);
    chargement_.arrete_minuterie();
    chargement_.hide();
    centre_sur_ecran(*fenetre_);
    fenetre_->show();
    fenetre_->activateWindow();
}

} // namespace tessor
