// The main window's context menu, opened by a right click anywhere in the window, the Menu key or
// Shift+F10. Its actions belong to the window too, so their shortcuts act with the menu closed;
// in the name boxes Ctrl+Z, Ctrl+C, Ctrl+V and the letters keep their text-editing meaning, as
// the boxes claim those keys first. A shortcut held down acts once.
#pragma once

#include "ecran/options.h"

#include <array>

class QAction;
class QMenu;
class QWidget;

namespace tessor {

struct MenuContextuel {
    QMenu* menu = nullptr;
    QAction* annuler = nullptr;
    QAction* retablir = nullptr;
    QAction* nouvelle_partie = nullptr;
    QAction* dernier_coup = nullptr;              // a check item
    std::array<QAction*, NB_VITESSES> vitesses{}; // exclusive check items, slowest first
    QAction* pause = nullptr;                     // a check item
    QAction* copier = nullptr;
    QAction* coller = nullptr;
    QAction* reglages_d_origine = nullptr;
    QAction* ouvrir = nullptr; // Shift+F10, not in the menu
};

MenuContextuel construit_menu_contextuel(QWidget* fenetre);

} // namespace tessor
