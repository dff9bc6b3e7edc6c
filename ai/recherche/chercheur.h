// The alpha-beta search over whole turns: principal variation search, a transposition table,
// the table's move, two killer turns a depth and a history of the turns that cut, tried in that
// order. Away from the end, the walls tried are those that matter to the opponent's pawn
// (murs_essayes); near the end of the game every wall is tried. Against a model of the opponent
// (modele.h), the opponent's turns are the model's.
#pragma once

#include "evaluation.h"
#include "modele.h"
#include "table.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessor {

// Each choice of the opponent's model counts as this many nodes of the budget. The choices of
// level 3, the costliest, take longer on 12 x 12, and a decision there still keeps within its
// time (bench_recherche).
constexpr std::uint64_t NOEUDS_MODELE = 8;
// At most this many free squares, every wall is tried.
constexpr int LIBRES_TOUS_MURS = 24;
// A free square with at most this many free squares one move away is a narrow passage: two with
// king steps, one with knight jumps, where a corner of the open board already has only two.
constexpr int goulet_max(bool cavalier) {
    return cavalier ? 1 : 2;
}

// The walls the search tries after a move to `arrivee`, which leaves the free squares `libres`,
// against the other pawn at `lui`. Up to LIBRES_TOUS_MURS free squares, all of them. Otherwise
// those that matter to that pawn: its free squares, the squares one move beyond them, the narrow
// passages one move further (a wall there closes a pocket around the pawn from afar, which the
// pawn's nearby squares do not show), and one wall far from both pawns; all of them when none of
// these is free.
Bits murs_essayes(const Voisinage& g, const Bits& libres, Indice arrivee, Indice lui);

struct Resultat {
    Tour tour;
    int valeur = 0;
};

class Chercheur {
  public:
    // With `modele`, the opponent's turns (odd plies) are those the model gives: where a draw
    // decides between several, the one worst for the searching player.
    Chercheur(const Voisinage& g, const Poids& poids, std::uint64_t budget,
              const std::atomic<bool>* arret, ModeleAdverse* modele = nullptr);

    // The best turn of `p` searched `profondeur` turns deep; interrompu() tells whether the budget
    // or the stop flag cut it short, and then only a turn whose value was established is kept
    // (a turn that does not exist when there was none).
    Resultat racine(const Position& p, int profondeur, Tour premier);
    // The value of `p` for the player on turn, `profondeur` turns deep, `ply` turns below the
    // decision.
    int valeur(const Position& p, int profondeur, int alpha, int beta, int ply);
    bool interrompu() const { return interrompu_; }
    std::uint64_t noeuds() const { return noeuds_; }

  private:
    struct Coup {
        Tour tour;
        int rang = 0;
    };
    int negamax(const Position& p, std::uint64_t c, int profondeur, int alpha, int beta, int ply,
                Tour* meilleur);
    // Looks the position up; the table's turn becomes `prefere` when there is none yet. The
    // value when the entry is deep enough and its bound settles the window; never at the
    // `decision`, which must name its turn.
    std::optional<int> tranche_table(std::uint64_t c, int profondeur, int alpha, int beta, int ply,
                                     bool decision, Tour& prefere) const;
    // The best of `coups` and its value: tried by decreasing rank, in the order generated among
    // equals, the first with the whole window and the others with a null one first (searched
    // again when they fail high). At the decision, each better turn is written to `meilleur` at
    // once, so that a search the budget stops still names the best it established; there the
    // window starts whole, so a better value is always above alpha and exact.
    Resultat essaie_tours(const Position& p, std::uint64_t c, std::vector<Coup>& coups,
                          int profondeur, int alpha, int beta, int ply, Tour* meilleur);
    // The value of the turn for its player: the end test, then the opponent's best reply.
    int joue(const Position& p, std::uint64_t c, Tour t, int profondeur, int alpha, int beta,
             int ply);
    void genere(const Position& p, Tour prefere, int ply, std::vector<Coup>& coups) const;
    bool modele_joue(int ply) const { return modele_ != nullptr && ply % 2 == 1; }
    void genere_modele(const Position& p, std::vector<Coup>& coups);
    void note_coupure(Tour t, int profondeur, int ply);
    bool compte_noeud();

    const Voisinage& g_;
    Poids poids_;
    std::uint64_t budget_;
    const std::atomic<bool>* arret_;
    ModeleAdverse* modele_;
    std::vector<Tour> tours_modele_;
    std::uint64_t noeuds_ = 0;
    std::uint64_t prochain_controle_ = 0; // the count at which the stop flag is read next
    bool interrompu_ = false;
    Table table_;
    std::vector<int> historique_;
    std::vector<std::array<Tour, 2>> tueurs_;
    std::vector<std::vector<Coup>> listes_;
};

} // namespace tessor
