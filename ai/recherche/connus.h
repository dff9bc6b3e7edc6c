// The solver's table of known positions. Each entry is one 64-bit word holding the position's
// canonical form whole (so there are no collisions), the bounds of its value and the turn that
// gave them; a word is read and written at once, so threads solving one board share the table
// without locks: a thread sees an entry whole or not at all.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace tessor {

// A position in its canonical form: the free squares a pawn can still reach (bits 0 to 31), the
// number of the others (above them), the pawn on turn and the other pawn.
struct Forme {
    std::uint64_t libres;
    int moi;
    int lui;
    friend bool operator<(const Forme& a, const Forme& b) {
        return a.libres != b.libres ? a.libres < b.libres
               : a.moi != b.moi     ? a.moi < b.moi
                                    : a.lui < b.lui;
    }
};

// What the table knows of a form: its value lies in bas .. haut, and the turn (coup, mur), in the
// form's numbering, gave the best value found.
struct Connu {
    int bas = -1;
    int haut = 1;
    int coup = 0;
    int mur = 0;
};

class Connus {
  public:
    // 2^bits entries of 8 bytes, in buckets of QUATRE; the memory is zeroed by the system as it
    // is first touched, so a large table costs only what the search fills.
    explicit Connus(int bits);

    // True, with `c` filled, when the form is in the table.
    bool cherche(const Forme& forme, Connu& c) const;
    // Stores the form over the same form, else over the entry of its bucket with the fewest free
    // squares (the smallest search behind it).
    void range(const Forme& forme, const Connu& c);

  private:
    static constexpr int QUATRE = 4;
    std::uint64_t* seau(const Forme& forme) const;

    static constexpr std::size_t LIGNE = 64;
    struct Libere {
        void operator()(std::uint64_t* p) const { std::free(p); }
    };
    std::uint64_t masque_seaux_;
    std::unique_ptr<std::uint64_t[], Libere> memoire_;
    // The first bucket, on a 64-byte line so that no bucket straddles two lines.
    std::uint64_t* mots_;
};

} // namespace tessor
