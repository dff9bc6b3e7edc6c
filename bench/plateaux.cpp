#include "plateaux.h"

namespace tessor::bench {

Tableau plateau(const std::vector<std::string>& lignes) {
    Tableau t;
    for (std::size_t y = 0; y < lignes.size(); ++y) {
        for (std::size_t x = 0; x < lignes[y].size(); ++x) {
            t(static_cast<int>(x) + 3, static_cast<int>(y) + 3) = lignes[y][x] == '.' ? VRAI : FAUX;
        }
    }
    return t;
}

Regles regles_12x12() {
    Regles r;
    r.largeur = 12;
    r.hauteur = 12;
    r.cavalier = false;
    return r;
}

} // namespace tessor::bench
