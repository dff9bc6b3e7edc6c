// Board geometry: where the board stands in the window, the grid and its numbers, and the
// square under the pointer.
#include "game/jeu.h"

#include <cmath>
#include <string>

namespace tessor {

// The centring counts 32 pixels a square while squares are drawn 33 apart; the height uses the
// window's height in twips over 15, which gives 225 - 16 H for every height.
void Jeu::calcul_origine() {
    origine_x = static_cast<int16>(std::floor((448.0 - 32.0 * largeur) / 2.0));
    origine_y = static_cast<int16>(std::floor((6776.0 / 15.0 - 32.0 * hauteur) / 2.0));
}

namespace {
std::string numero(int n) {
    return " " + std::to_string(n);
}
} // namespace

void Jeu::affiche_grille() {
    const int s = taille_case;
    for (int i = 0; i < NB_LIGNES; ++i) {
        Ligne& v = fenetre.lignevert[i];
        v = {i <= largeur, static_cast<int16>(origine_x + i * s), origine_y,
             static_cast<int16>(origine_x + i * s), static_cast<int16>(origine_y + hauteur * s)};
        Ligne& h = fenetre.lignehori[i];
        h = {i <= hauteur, origine_x, static_cast<int16>(origine_y + i * s),
             static_cast<int16>(origine_x + largeur * s), static_cast<int16>(origine_y + i * s)};
    }
    for (int i = 0; i < NB_LETTRES; ++i) {
        Element& haut = fenetre.lettrehaut[i];
        haut.visible = i < largeur;
        haut.left = static_cast<int16>(origine_x + i * s);
        haut.top = static_cast<int16>(origine_y - 17);
        haut.texte = numero(i + 1);
        Element& gauche = fenetre.lettregauche[i];
        gauche.visible = i < hauteur;
        gauche.left = static_cast<int16>(origine_x - 36);
        gauche.top = static_cast<int16>(origine_y + i * s + 14);
        gauche.texte = numero(i + 1);
    }
}

int16 Jeu::calcul_maxtaille(int16 nbcolonne, int16 nbligne) {
    return static_cast<int16>(2 * (nbcolonne > nbligne ? nbcolonne : nbligne));
}

// The left and top grid lines belong to the board, the right and bottom ones do not; a pointer
// on an inner line belongs to the square right of it or below it.
void Jeu::Form_MouseMove(float x, float y) {
    const float x0 = origine_x;
    const float y0 = origine_y;
    const float s = taille_case;
    if (x >= x0 && x < x0 + static_cast<float>(largeur) * s && y >= y0 &&
        y < y0 + static_cast<float>(hauteur) * s) {
        case_survol_x = static_cast<int16>(std::floor((x - x0) / s) + 3);
        case_survol_y = static_cast<int16>(std::floor((y - y0) / s) + 3);
    } else {
        case_survol_x = -1;
        case_survol_y = -1;
    }
}

} // namespace tessor
