// The board's stock of elements, built once and hidden: the board's control, hint squares, grid
// lines, column and row numbers, wall markers, the two pawns, the last move's outlines and the
// keyboard's cursor, stacked in that order so that the grid shows over the hint squares, the pawns
// over the rest and the cursor over the pawns. The board's control comes first in the focus chain,
// before the side panels'.
#pragma once

#include "ecran/controleur.h"

#include <array>

class QLabel;
class QWidget;

namespace tessor {

class Damier;
class CadreImage;

struct Plateau {
    Damier* damier = nullptr;
    std::array<QWidget*, 8> cases_accessibles{};
    QWidget* case_conseillee = nullptr;
    std::array<QWidget*, NB_LIGNES> lignes_verticales{};
    std::array<QWidget*, NB_LIGNES> lignes_horizontales{};
    std::array<QLabel*, NB_NUMEROS> numeros_colonnes{};
    std::array<QLabel*, NB_NUMEROS> numeros_lignes{};
    std::array<CadreImage*, NB_MARQUEURS> murs{}; // marker 0 is never shown and not built
    std::array<CadreImage*, 2> pions{};
    std::array<QWidget*, 3> dernier_coup{}; // the outlines of the last move and wall
    QWidget* curseur = nullptr;
};

Plateau construit_plateau(QWidget* fenetre, const Controleur& controleur);

} // namespace tessor
