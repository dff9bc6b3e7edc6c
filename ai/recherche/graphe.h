// The solver's board: only the squares that can still be free (the free squares and the pawns'),
// numbered 0 .. n - 1 in board order, each with the set of squares one move away as a 64-bit
// mask, and the board's symmetries (4 for a rectangle, 8 for a square) that map these squares
// onto themselves, as permutations of the numbers.
#pragma once

#include "game/regles.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tessor {

using Masque = std::uint64_t;

constexpr Masque bit(int i) {
    return Masque{1} << i;
}

class Graphe {
  public:
    // The free squares of `tableau` and the listed pawn squares.
    Graphe(const Regles& regles, const Tableau& tableau, const std::vector<Case>& pions);

    int taille() const { return static_cast<int>(cases_.size()); }
    Case case_de(int i) const { return cases_[static_cast<std::size_t>(i)]; }
    int numero(Case c) const;
    Masque voisins(int i) const { return voisins_[static_cast<std::size_t>(i)]; }
    Masque tout() const { return taille() == 64 ? ~Masque{0} : bit(taille()) - 1; }

    int nb_symetries() const { return static_cast<int>(permutations_.size()); }
    int image(int s, int i) const {
        return permutations_[static_cast<std::size_t>(s)][static_cast<std::size_t>(i)];
    }
    // The square whose image by symmetry s is i.
    int antecedent(int s, int i) const {
        return inverses_[static_cast<std::size_t>(s)][static_cast<std::size_t>(i)];
    }
    Masque image_masque(int s, Masque m) const;
    // The square's symmetric images include no lower number.
    bool canonique(int i) const;
    // A fingerprint of the squares and their moves, all that a position's value depends on
    // besides its free squares and pawns: two boards with one fingerprint number their positions
    // alike, and a table kept for one serves the other.
    std::uint64_t empreinte() const;

  private:
    // The images of the squares by map `s` of the board in `p`; false when `s` is not one of its
    // symmetries.
    bool permutation(const Regles& regles, int s, std::array<int, 64>& p) const;
    // Keeps each map that is a symmetry, with its inverse and its images of a mask's bytes.
    void ajoute_symetries(const Regles& regles);

    std::vector<Case> cases_;
    std::vector<Masque> voisins_;
    std::vector<std::array<int, 64>> permutations_;
    std::vector<std::array<int, 64>> inverses_;
    // For each symmetry and each byte of a mask, the images of its 256 values.
    std::vector<std::array<std::array<Masque, 256>, 8>> octets_;
};

} // namespace tessor
