// The options screen `Menu`: the title band, the maker's name in both corners, the three bevelled
// panels "Joueur 1", "Options" and "Joueur 2" with their choosers and steppers, and the buttons
// "Quitter", "Jouer" and "Aide".
#pragma once

#include "pas.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tessor {

class CadreImage;
class Pixmaps;

struct Menu {
    CadreImage* ecran = nullptr;
    std::array<QLineEdit*, 2> noms{};           // name boxes
    std::array<QPushButton*, 3> choix{};        // level of each player, movement rule
    std::array<QPushButton*, PAS.size()> pas{}; // the "+" and "-" steppers, as in `PAS`
    std::array<QPushButton*, 2> boutons{};      // "Quitter", "Jouer"
    QPushButton* aide = nullptr;                // "Aide": the information window
    std::array<CadreImage*, 3> images{};        // pawn pictures of both players, wall picture
    std::array<QLabel*, 2> dimensions{};        // board width and height
};

// Builds the options screen over the whole client area of `fenetre`.
Menu construit_menu(QWidget* fenetre, Pixmaps& pixmaps);

} // namespace tessor
