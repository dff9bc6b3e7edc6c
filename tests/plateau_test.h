// Boards for tests, drawn as text: one string a row from row 3, one character a column from
// column 3, '.' free and anything else not free; every other cell is 0.
#pragma once

#include "game/regles.h"

#include <string>
#include <vector>

namespace tessor {

inline Tableau plateau(const std::vector<std::string>& lignes) {
    Tableau t;
    for (std::size_t y = 0; y < lignes.size(); ++y) {
        for (std::size_t x = 0; x < lignes[y].size(); ++x) {
            t(static_cast<int>(x) + 3, static_cast<int>(y) + 3) = lignes[y][x] == '.' ? VRAI : FAUX;
        }
    }
    return t;
}

inline Regles regles(int largeur, int hauteur, bool cavalier) {
    Regles r;
    r.largeur = static_cast<int16>(largeur);
    r.hauteur = static_cast<int16>(hauteur);
    r.cavalier = cavalier;
    return r;
}

inline Tableau plateau_vide(int largeur, int hauteur) {
    return plateau(std::vector<std::string>(static_cast<std::size_t>(hauteur),
                                            std::string(static_cast<std::size_t>(largeur), '.')));
}

} // namespace tessor
