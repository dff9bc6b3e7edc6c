// The program's start-up: the splash window first, whose first timer tick builds the main
// window, hides the splash, centres the main window on the screen and shows it. The settings a
// launch remembers live in the desktop's usual place: $XDG_CONFIG_HOME/Tessor/tessor.conf.
#pragma once

#include "chargement.h"
#include "fenetre_principale.h"

#include <QSettings>

#include <memory>

namespace tessor {

class Programme {
  public:
    explicit Programme(Horloge horloge = horloge_systeme);

    // Shows the splash window and starts its timer.
    void demarre();

    Chargement& chargement() { return chargement_; }
    // The main window, once the splash has handed over; null before.
    FenetrePrincipale* fenetre() { return fenetre_.get(); }

  private:
    void passage();

    Horloge horloge_;
    QSettings memoire_;
    Chargement chargement_;
    std::unique_ptr<FenetrePrincipale> fenetre_;
};

} // namespace tessor
