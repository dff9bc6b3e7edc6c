#include "graphe.h"

#include <algorithm>

namespace tessor {

Graphe::Graphe(const Regles& regles, const Tableau& tableau, const std::vector<Case>& pions) {
    for (int16 y = PREMIERE_CASE; y <= regles.derniere_ligne(); ++y) {
        for (int16 x = PREMIERE_CASE; x <= regles.derniere_colonne(); ++x) {
            const Case c{x, y};
            if (tableau.libre(c) || std::find(pions.begin(), pions.end(), c) != pions.end()) {
                cases_.push_back(c);
            }
        }
    }
    for (Case c : cases_) {
        Masque m = 0;
        for (int j = 0; j < taille(); ++j) {
            const Case d = cases_[static_cast<std::size_t>(j)];
            if (d != c && regles.portee(d.x, d.y, c, 1)) {
                m |= bit(j);
            }
        }
        voisins_.push_back(m);
    }
    ajoute_symetries(regles);
}

int Graphe::numero(Case c) const {
    return static_cast<int>(std::find(cases_.begin(), cases_.end(), c) - cases_.begin());
}

std::uint64_t Graphe::empreinte() const {
    std::uint64_t h = static_cast<std::uint64_t>(taille());
    for (Masque m : voisins_) {
        h = (h ^ m) * 0x9E3779B97F4A7C15u;
        h ^= h >> 31;
    }
    return h;
}

namespace {

// For each byte of a mask, the images of its 256 values under the permutation `p` of `taille`
// squares.
std::array<std::array<Masque, 256>, 8> images_des_octets(const std::array<int, 64>& p, int taille) {
    std::array<std::array<Masque, 256>, 8> t{};
    for (int o = 0; o < 8; ++o) {
        for (int valeur = 0; valeur < 256; ++valeur) {
            for (int b = 0; b < 8; ++b) {
                const int i = 8 * o + b;
                if ((valeur >> b & 1) != 0 && i < taille) {
                    t[static_cast<std::size_t>(o)][static_cast<std::size_t>(valeur)] |=
                        bit(p[static_cast<std::size_t>(i)]);
                }
            }
        }
    }
    return t;
}

} // namespace

// The eight maps of a square (transpose or not, then mirror the columns or not, the rows or
// not), of which a rectangle keeps the four without transposition. Both movements are unchanged
// by them; a map counts when it sends the solver's squares onto themselves.
bool Graphe::permutation(const Regles& regles, int s, std::array<int, 64>& p) const {
    const int l = regles.largeur;
    const int h = regles.hauteur;
    const bool transpose = (s & 4) != 0;
    if (transpose && l != h) {
        return false;
    }
    for (int i = 0; i < taille(); ++i) {
        int u = case_de(i).x - PREMIERE_CASE;
        int v = case_de(i).y - PREMIERE_CASE;
        if (transpose) {
            std::swap(u, v);
        }
        u = (s & 1) != 0 ? l - 1 - u : u;
        v = (s & 2) != 0 ? h - 1 - v : v;
        p[static_cast<std::size_t>(i)] = numero(case_numero(u, v));
        if (p[static_cast<std::size_t>(i)] >= taille()) {
            return false;
        }
    }
    return true;
}

void Graphe::ajoute_symetries(const Regles& regles) {
    for (int s = 0; s < 8; ++s) {
        std::array<int, 64> p{};
        if (!permutation(regles, s, p)) {
            continue;
        }
        permutations_.push_back(p);
        std::array<int, 64> inverse{};
        for (int i = 0; i < taille(); ++i) {
            inverse[static_cast<std::size_t>(p[static_cast<std::size_t>(i)])] = i;
        }
        inverses_.push_back(inverse);
        octets_.push_back(images_des_octets(p, taille()));
    }
}

Masque Graphe::image_masque(int s, Masque m) const {
    const auto& t = octets_[static_cast<std::size_t>(s)];
    Masque r = 0;
    for (std::size_t o = 0; o < 8; ++o) {
        r |= t[o][(m >> (8 * o)) & 0xFF];
    }
    return r;
}

bool Graphe::canonique(int i) const {
    for (int s = 0; s < nb_symetries(); ++s) {
        if (image(s, i) < i) {
            return false;
        }
    }
    return true;
}

} // namespace tessor
