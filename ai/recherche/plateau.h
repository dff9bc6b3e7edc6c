// The search's compact board: the free squares as a 192-bit set (12 rows of 16 bits, the last four
// columns of each row always empty, so that a step of up to two columns never wraps onto the
// next row's playable squares), and the squares one move away as shifts of that set.
#pragma once

#include "game/regles.h"

#include <array>
#include <cstdint>

namespace tessor {

// A square of the compact board: 16 x y + x, with x and y counted from the playable corner.
using Indice = int;
// A row holds the widest board's row, then MARGE empty columns for each direction, where a step
// of up to MARGE columns off the row lands.
constexpr int LARGEUR_LIGNE = COTE_MAX + 2 * MARGE;
constexpr int NB_INDICES = COTE_MAX * LARGEUR_LIGNE;

// The number of set bits, without relying on the processor's population count instruction, which
// the baseline x86-64 target lacks.
inline int compte_mot(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

struct Bits {
    std::array<std::uint64_t, 3> mots{};

    bool contient(Indice i) const { return (mots[i >> 6] >> (i & 63)) & 1u; }
    void ajoute(Indice i) { mots[i >> 6] |= std::uint64_t{1} << (i & 63); }
    void retire(Indice i) { mots[i >> 6] &= ~(std::uint64_t{1} << (i & 63)); }
    bool vide() const { return (mots[0] | mots[1] | mots[2]) == 0; }
    int compte() const { return compte_mot(mots[0]) + compte_mot(mots[1]) + compte_mot(mots[2]); }
    // At most one square in the set.
    bool au_plus_un() const {
        const std::uint64_t plusieurs =
            (mots[0] & (mots[0] - 1)) | (mots[1] & (mots[1] - 1)) | (mots[2] & (mots[2] - 1));
        return plusieurs == 0 && ((mots[0] != 0) + (mots[1] != 0) + (mots[2] != 0)) <= 1;
    }
    // The lowest square of the set; the set must not be empty.
    Indice premier() const {
        for (int k = 0; k < 3; ++k) {
            if (mots[k] != 0) {
                return k * 64 + __builtin_ctzll(mots[k]);
            }
        }
        return -1;
    }
    // Removes and returns the lowest square.
    Indice extrait() {
        const Indice i = premier();
        retire(i);
        return i;
    }
    // Shifted by n squares towards higher (n > 0) or lower (n < 0) indexes, |n| < 64.
    Bits decale(int n) const {
        Bits r;
        if (n > 0) {
            const int m = 64 - n;
            r.mots[2] = mots[2] << n | mots[1] >> m;
            r.mots[1] = mots[1] << n | mots[0] >> m;
            r.mots[0] = mots[0] << n;
        } else {
            const int p = -n;
            const int m = 64 - p;
            r.mots[0] = mots[0] >> p | mots[1] << m;
            r.mots[1] = mots[1] >> p | mots[2] << m;
            r.mots[2] = mots[2] >> p;
        }
        return r;
    }

    Bits& operator&=(const Bits& b) {
        for (int k = 0; k < 3; ++k) {
            mots[k] &= b.mots[k];
        }
        return *this;
    }
    Bits& operator|=(const Bits& b) {
        for (int k = 0; k < 3; ++k) {
            mots[k] |= b.mots[k];
        }
        return *this;
    }
    friend Bits operator&(Bits a, const Bits& b) { return a &= b; }
    friend Bits operator|(Bits a, const Bits& b) { return a |= b; }
    friend Bits sauf(Bits a, const Bits& b) {
        for (int k = 0; k < 3; ++k) {
            a.mots[k] &= ~b.mots[k];
        }
        return a;
    }
    friend bool operator==(const Bits& a, const Bits& b) { return a.mots == b.mots; }
};
static_assert(NB_INDICES <= 8 * static_cast<int>(sizeof(Bits::mots)), "a set holds every square");

Bits singleton(Indice i);

// The movement and the board's size, with the squares one move away from any square or set.
class Voisinage {
  public:
    explicit Voisinage(const Regles& regles);

    const Regles& regles() const { return regles_; }
    // The squares one move away from square i.
    const Bits& voisins(Indice i) const { return voisins_[static_cast<std::size_t>(i)]; }
    // The squares one move away from some square of the set (for the king, with the set itself).
    // A step is a shift along the row, then one across the rows. The margin columns of the layout
    // absorb the shifts that leave a row, and the mask of the playable squares drops them, with
    // the steps that leave the board at the top or the bottom.
    [[gnu::always_inline]] Bits etend(const Bits& b) const {
        if (regles_.cavalier) {
            const Bits un = b.decale(1) | b.decale(-1);
            const Bits deux = b.decale(2) | b.decale(-2);
            return (un.decale(2 * LARGEUR_LIGNE) | un.decale(-2 * LARGEUR_LIGNE) |
                    deux.decale(LARGEUR_LIGNE) | deux.decale(-LARGEUR_LIGNE)) &
                   jouables_;
        }
        const Bits ligne = b | b.decale(1) | b.decale(-1);
        return (ligne | ligne.decale(LARGEUR_LIGNE) | ligne.decale(-LARGEUR_LIGNE)) & jouables_;
    }

    Indice indice(Case c) const {
        return (c.y - PREMIERE_CASE) * LARGEUR_LIGNE + (c.x - PREMIERE_CASE);
    }
    static Case case_de(Indice i) { return case_numero(i % LARGEUR_LIGNE, i / LARGEUR_LIGNE); }
    // The free playable squares of a board of the game.
    Bits libres(const Tableau& tableau) const;

  private:
    Regles regles_;
    Bits jouables_;
    std::array<Bits, NB_INDICES> voisins_{};
};

} // namespace tessor
