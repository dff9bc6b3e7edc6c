// The board's stock of elements, built once and hidden: the board's control, hint squares, grid
// lines, column and row numbers, wall markers, the two pawns and the keyboard's cursor, stacked in
// that order so that the grid shows over the hint squares, the pawns over the rest and the cursor
// over the pawns. The board's control comes first in the focus chain, before the side panels'.
#pragma once

#include "ecran/controleur.h"

#include <array>

class QLabel;
class QWidget;

namespace tessor {

class Damier;
class Picture;

struct Plateau {
    Damier* damier = nullptr;
    std::array<QWidget*, 8> cible2{};
    QWidget* aidepion = nullptr;
    std::array<QWidget*, NB_LIGNES> lignevert{};
    std::array<QWidget*, NB_LIGNES> lignehori{};
    std::array<QLabel*, NB_LETTRES> lettrehaut{};
    std::array<QLabel*, NB_LETTRES> lettregauche{};
    std::array<Picture*, NB_MARQUEURS> mur{}; // marker 0 is never shown and not built
    std::array<Picture*, 2> dessinpion{};
    QWidget* curseur = nullptr;
};

Plateau construit_plateau(QWidget* fenetre, const Controleur& controleur);

} // namespace tessor
