// The search's transposition table, with Zobrist keys: one fixed 64-bit key per square for a free
// square, for the pawn on turn and for the other pawn, derived from the square's number by a
// mixing function, so that the keys are the same on every run.
#pragma once

#include "position.h"

#include <cstdint>
#include <vector>

namespace tessor {

std::uint64_t cle(const Position& p);
// The key's change when square i becomes free or stops being free.
std::uint64_t cle_libre(Indice i);
// The key of the pawns alone, the pawn on turn at `moi`.
std::uint64_t cle_pions(Indice moi, Indice lui);

enum class Borne : std::uint8_t { exacte, basse, haute };

struct Entree {
    std::uint64_t cle = 0;
    Tour meilleur;
    int valeur = 0;
    int profondeur = -1;
    Borne borne = Borne::exacte;
};

// A fixed number of entries, each slot holding the latest position stored there.
class Table {
  public:
    explicit Table(int bits)
        : entrees_(std::size_t{1} << bits), masque_((std::size_t{1} << bits) - 1) {}

    const Entree* cherche(std::uint64_t c) const {
        const Entree& e = entrees_[c & masque_];
        return e.cle == c && e.profondeur >= 0 ? &e : nullptr;
    }
    void range(const Entree& e) { entrees_[e.cle & masque_] = e; }

  private:
    std::vector<Entree> entrees_;
    std::size_t masque_;
};

} // namespace tessor
