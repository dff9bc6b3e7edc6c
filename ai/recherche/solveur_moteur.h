// The solver's search: the exact value of a position with both pawns placed, by alpha-beta over
// every turn, with the table of known positions; and the helpers on sets of squares that the
// walks of the first plies and the scheduling of the placements share with it.
#pragma once

#include "connus.h"
#include "graphe.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace tessor {

// Removes the lowest square of `m` and returns it.
inline int extrait(Masque& m) {
    const int i = __builtin_ctzll(m);
    m &= m - 1;
    return i;
}

// The squares of `f` that neither a pawn at `a` nor one at `b` can ever reach, moving through
// free squares: walls there are all alike.
Masque hors_de_portee(const Graphe& g, Masque f, int a, int b);

// Puts the squares of `cibles` in `liste`, those next to square `pres` first, each group with the
// most free squares of `f` around them first, and returns their number.
int par_proximite(const Graphe& g, Masque cibles, int pres, Masque f, int* liste);

// The value of the turn (m, w) of the pawn at `a` for its player: the game's end when a pawn is
// blocked after it, else the opposite of `suite(f2)`, the value of the position it leaves (free
// squares `f2`, the other pawn on turn) for the other player.
template <typename Suite>
int apres_tour(const Graphe& g, Masque f, int a, int b, int m, int w, Suite&& suite) {
    const Masque f2 = ((f & ~bit(m)) | bit(a)) & ~bit(w);
    const bool lui_bloque = (g.voisins(b) & f2) == 0;
    const bool moi_bloque = (g.voisins(m) & f2) == 0;
    if (lui_bloque) {
        return moi_bloque ? 0 : 1;
    }
    return moi_bloque ? -1 : -suite(f2);
}

class Solveur {
  public:
    // `arrets` are the caller's stop flag and the one the other threads raise, each optional.
    Solveur(const Graphe& g, Tables& table, std::uint64_t noeuds_max,
            std::array<const std::atomic<bool>*, 2> arrets)
        : g_(g), table_(table), noeuds_max_(noeuds_max), arrets_(arrets) {}

    // The value for the pawn on turn at `a`, `b` being the other pawn, within (alpha, beta).
    int valeur(Masque f, int a, int b, int alpha, int beta);
    // The value of the turn (m, w) for its player.
    int tour(Masque f, int a, int b, int m, int w, int alpha, int beta);
    // Calls `essaie(m, w)` for each turn of the pawn at `a` in the order they are tried, while
    // `encore()`: each move, then each wall after it, one square of `morts` standing for all.
    template <typename Encore, typename Essaie>
    void parcourt(Masque f, int a, int b, Masque morts, Encore&& encore, Essaie&& essaie) const;
    bool interrompu() const { return interrompu_; }
    std::uint64_t noeuds() const { return noeuds_; }

  private:
    // The best turn found and its value, -2 before any.
    struct Meilleur {
        int valeur = -2;
        int coup = 0;
        int mur = 0;
    };
    // The best turn of the pawn at `a` within (alpha, beta), the table's turn (premier_coup,
    // premier_mur) first when premier_coup is not -1; the search stops at a turn worth beta.
    Meilleur meilleur_tour(Masque f, int a, int b, Masque morts, int alpha, int beta,
                           int premier_coup, int premier_mur);
    // Stores what the search of the form found within (alpha, beta) over the bounds `e` it had,
    // with the best turn in the form's numbering (symmetry `sym`) and the nodes it took.
    void retient(const Forme& forme, Connu e, int sym, const Meilleur& m, int alpha, int beta,
                 std::uint64_t noeuds);
    bool gagne_en_un(Masque f, int a, int b) const;
    // The moves of the pawn at `a` in the order they are tried, in `coups`; their number.
    int coups_ordonnes(Masque f, int a, int b, std::array<int, 8>& coups) const;
    // The walls of a turn that leaves the free squares `f1` in the order they are tried, in
    // `murs`, one square of `morts` standing for all; their number.
    int murs_ordonnes(Masque f1, int b, Masque morts, std::array<int, 64>& murs) const;
    // The smallest image of the position, and in `sym` the symmetry that gives it.
    Forme canonique(Masque f, Masque morts, int a, int b, int& sym) const;
    // The turn the table keeps for the position, in its numbering, in `coup` and `mur`; `coup`
    // is -1 when it is no longer a turn there. Its move always is (the form keeps the squares a
    // pawn reaches), but a wall on a square no pawn reaches may be gone (the form keeps only
    // their number).
    void tour_connu(const Connu& e, int sym, Masque f, int a, int& coup, int& mur) const;
    bool compte_noeud();

    const Graphe& g_;
    Tables& table_;
    std::uint64_t noeuds_max_;
    std::array<const std::atomic<bool>*, 2> arrets_;
    std::uint64_t noeuds_ = 0;
    bool interrompu_ = false;
};

template <typename Encore, typename Essaie>
void Solveur::parcourt(Masque f, int a, int b, Masque morts, Encore&& encore,
                       Essaie&& essaie) const {
    std::array<int, 8> coups{};
    std::array<int, 64> murs{};
    const int nb_coups = coups_ordonnes(f, a, b, coups);
    for (int k = 0; k < nb_coups && encore(); ++k) {
        const int m = coups[static_cast<std::size_t>(k)];
        const int nb_murs = murs_ordonnes((f & ~bit(m)) | bit(a), b, morts, murs);
        for (int i = 0; i < nb_murs && encore(); ++i) {
            essaie(m, murs[static_cast<std::size_t>(i)]);
        }
    }
}

} // namespace tessor
