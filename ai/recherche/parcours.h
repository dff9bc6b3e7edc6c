// The first plies of a long solver run, searched so that the run can stop and be taken up again.
#pragma once

#include "solveur.h"
#include "solveur_moteur.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tessor {

// The first plies of a search, each position's turns tried one at a time in the solver's order, so
// that a run can stop between any two and a later one go on from there. `chemin` holds, for the
// position at each ply down the turns being searched, its turns settled and the best value among
// them, and `suivi` hears it after each turn settled below the first ply and says whether the
// search is still wanted: a question answered meanwhile drops it. From ply PALIERS on the
// solver searches as usual; the positions of the plies before it are neither counted as nodes nor
// kept in the table. Two plies split a question that says yes (its one good turn, against each
// reply), three one that says no (each turn, against its refutation, against each answer to that).
// The window is null (a question is yes or no: beta is alpha + 1) and each value is brought to its
// nearer end, so that a value says only which side of the window the position is on, whatever the
// table held: a run taken up from a report goes on exactly as the whole run did.
class Parcours {
  public:
    static constexpr std::size_t PALIERS = 3;

    // `chemin` starts with the first ply's step: the number of the turn searched there.
    Parcours(const Graphe& g, Solveur& s, std::vector<Etape> chemin,
             std::function<bool(const std::vector<Etape>&)> suivi)
        : g_(g), s_(s), chemin_(std::move(chemin)), suivi_(std::move(suivi)) {}

    // The value of the first placer's turn numbered chemin[0].faits from 0 in the solver's order,
    // `alpha` or `beta`; none if the position has no such turn.
    std::optional<int> premier_tour(Masque f, int a, int b, int alpha, int beta);

  private:
    int valeur(Masque f, int a, int b, int alpha, int beta, std::size_t palier);
    // The value of the turn (m, w) of the pawn at `a` for its player, `alpha` or `beta`: the side
    // of the window it is on.
    int tour(Masque f, int a, int b, int m, int w, int alpha, int beta, std::size_t palier);

    const Graphe& g_;
    Solveur& s_;
    std::vector<Etape> chemin_;
    std::function<bool(const std::vector<Etape>&)> suivi_;
    bool voulu_ = true;
};

} // namespace tessor
