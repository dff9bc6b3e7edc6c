// The board's stock of elements, built once and hidden: hint squares, grid lines, column and row
// numbers, wall markers and the two pawns, stacked in that order so that the grid shows over the
// hint squares and the pawns over everything.
#pragma once

#include "ecran/ecran.h"

#include <array>

class QLabel;
class QWidget;

namespace tessor {

class Picture;

struct Plateau {
    std::array<QWidget*, 8> cible2{};
    QWidget* aidepion = nullptr;
    std::array<QWidget*, NB_LIGNES> lignevert{};
    std::array<QWidget*, NB_LIGNES> lignehori{};
    std::array<QLabel*, NB_LETTRES> lettrehaut{};
    std::array<QLabel*, NB_LETTRES> lettregauche{};
    std::array<Picture*, NB_MARQUEURS> mur{}; // marker 0 is never shown and not built
    std::array<Picture*, 2> dessinpion{};
};

Plateau construit_plateau(QWidget* fenetre);

} // namespace tessor
