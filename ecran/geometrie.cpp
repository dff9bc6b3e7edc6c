#include "geometrie.h"

#include <cmath>
#include <string>

namespace tessor {

// The centring counts 32 pixels a square while squares are drawn 33 apart; the height uses the
// window's height in twips over 15, which gives 225 - 16 H for every height.
void Geometrie::centre(const Regles& regles) {
    origine_x_ = static_cast<int16>(std::floor((448.0 - 32.0 * regles.largeur) / 2.0));
    origine_y_ = static_cast<int16>(std::floor((6776.0 / 15.0 - 32.0 * regles.hauteur) / 2.0));
}

void Geometrie::trace_grille(Ecran& ecran, const Regles& regles) const {
    const int s = TAILLE_CASE;
    const int16 x0 = origine_x_;
    const int16 y0 = origine_y_;
    for (int i = 0; i < NB_LIGNES; ++i) {
        ecran.lignes_verticales[i] = {i <= regles.largeur, static_cast<int16>(x0 + i * s), y0,
                                      static_cast<int16>(x0 + i * s),
                                      static_cast<int16>(y0 + regles.hauteur * s)};
        ecran.lignes_horizontales[i] = {i <= regles.hauteur, x0, static_cast<int16>(y0 + i * s),
                                        static_cast<int16>(x0 + regles.largeur * s),
                                        static_cast<int16>(y0 + i * s)};
    }
    for (int i = 0; i < NB_NUMEROS; ++i) {
        const std::string numero = " " + std::to_string(i + 1);
        Element& haut = ecran.numeros_colonnes[i];
        haut.visible = i < regles.largeur;
        haut.left = static_cast<int16>(x0 + i * s);
        haut.top = static_cast<int16>(y0 - 17);
        haut.texte = numero;
        Element& gauche = ecran.numeros_lignes[i];
        gauche.visible = i < regles.hauteur;
        gauche.left = static_cast<int16>(x0 - 36);
        gauche.top = static_cast<int16>(y0 + i * s + 14);
        gauche.texte = numero;
    }
}

void Geometrie::place(Element& element, Case c) const {
    element.left = static_cast<int16>((c.x - PREMIERE_CASE) * TAILLE_CASE + origine_x_ + 1);
    element.top = static_cast<int16>((c.y - PREMIERE_CASE) * TAILLE_CASE + origine_y_ + 1);
    element.visible = true;
}

// The left and top grid lines belong to the board, the right and bottom ones do not; a pointer
// on an inner line belongs to the square right of it or below it.
Case Geometrie::case_sous(float x, float y, const Regles& regles) const {
    const float x0 = origine_x_;
    const float y0 = origine_y_;
    const float s = TAILLE_CASE;
    if (x >= x0 && x < x0 + static_cast<float>(regles.largeur) * s && y >= y0 &&
        y < y0 + static_cast<float>(regles.hauteur) * s) {
        return case_numero(static_cast<int>(std::floor((x - x0) / s)),
                           static_cast<int>(std::floor((y - y0) / s)));
    }
    return {-1, -1};
}

} // namespace tessor
