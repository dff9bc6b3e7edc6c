// Boards for tests, drawn as text: one string a row from row 3, one character a column from
// column 3, '.' free and anything else not free; every other cell is 0.
#pragma once

#include "game/partie.h"

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

// The free squares of the board, or with `libres` false the taken ones, column by column.
inline std::vector<Case> cases_libres(const Regles& r, const Tableau& t, bool libres = true) {
    std::vector<Case> cases;
    for (int16 x = 3; x <= r.largeur + 2; ++x) {
        for (int16 y = 3; y <= r.hauteur + 2; ++y) {
            if (t.libre(x, y) == libres) {
                cases.push_back({x, y});
            }
        }
    }
    return cases;
}

// The squares the game accepts from the player on turn, column by column.
inline std::vector<Case> acceptees(const Partie& p) {
    std::vector<Case> cases;
    for (int16 x = 0; x < TAILLE_TABLEAU; ++x) {
        for (int16 y = 0; y < TAILLE_TABLEAU; ++y) {
            if (p.accepte({x, y})) {
                cases.push_back({x, y});
            }
        }
    }
    return cases;
}

} // namespace tessor
