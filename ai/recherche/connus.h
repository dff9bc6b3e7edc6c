// The solver's table of known positions. Each entry is one 64-bit word holding the bounds of a
// position's value, the turn that gave them, and enough of the position's canonical form to tell
// it from any other (so there are no collisions); a word is read and written at once, so threads
// solving one board share the table without locks: a thread sees an entry whole or not at all.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace tessor {

// The most squares (free squares and pawns) a form may have: a 6 x 6 board from the placements,
// or 36 free squares and the two pawns.
constexpr int CASES_MAX_FORME = 38;

// A position in its canonical form: the free squares a pawn can still reach, the number of the
// others, the pawn on turn and the other pawn. Forms are ordered by these fields in turn.
struct Forme {
    std::uint64_t vivants;
    int morts;
    int moi;
    int lui;
    friend bool operator<(const Forme& a, const Forme& b) {
        return a.morts != b.morts       ? a.morts < b.morts
               : a.vivants != b.vivants ? a.vivants < b.vivants
               : a.moi != b.moi         ? a.moi < b.moi
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

// Which entry of a full bucket a new form takes: the one with the least work behind it, measured
// by its free squares (the size of its game tree), or by the nodes its search visited. The nodes
// keep more of the long searches when the table is small for the search (5 x 5 with knights on
// 2^16 entries: 7.6 million nodes instead of 9.8 million), but they choose other entries than the
// free squares even in short solves, and so other kept turns: the game's solves, Ordi 5's
// included, keep the free squares, and the long offline runs take the nodes.
enum class Remplacement : std::uint8_t { par_libres, par_noeuds };

class Connus {
  public:
    // At least 2^bits entries of 8 bytes, in buckets of HUIT (64 bytes), for forms of at most
    // `cases` squares (CASES_MAX_FORME at most); a board of many squares needs a table large enough
    // that the bucket's number and the word together name the form. The memory is zeroed by the
    // system as it is first touched, so a large table costs only what the search fills.
    Connus(int bits, int cases, Remplacement remplacement = Remplacement::par_libres);
    // The same, its entries kept in the file `fichier` rather than in the process: a file system
    // in memory (/dev/shm) is meant, where the file outlives the run without costing a write to
    // disk. A later table of the same size for a board of the same `empreinte`
    // (Graphe::empreinte) opens it with all it held, so that an offline run that was stopped
    // starts again with what it had found; a file made for another table is emptied first.
    // Entries are words written whole, so a run killed at any point leaves only whole entries.
    // Throws std::system_error when the file cannot be opened, sized or mapped.
    Connus(int bits, int cases, Remplacement remplacement, const std::string& fichier,
           std::uint64_t empreinte);

    // True, with `c` filled, when the form is in the table.
    bool cherche(const Forme& forme, Connu& c) const;
    // Stores the form, whose search visited `noeuds` nodes, over the same form, else over the
    // entry of its bucket with the least work behind it.
    void range(const Forme& forme, const Connu& c, std::uint64_t noeuds);

  private:
    static constexpr int HUIT = 8;
    static constexpr int BITS_HUIT = 3;
    // The words of all the buckets.
    std::size_t nb_mots() const { return std::size_t{HUIT} << bits_seaux_; }
    // The form's bucket and the part of its key the word keeps.
    std::uint64_t* seau(const Forme& forme, std::uint64_t& reste) const;

    static constexpr std::size_t LIGNE = 64;
    // Frees the memory of the table, or unmaps the `projetes` bytes of its file.
    struct Libere {
        std::size_t projetes; // 0 when the memory is the process's own
        void operator()(std::uint64_t* p) const;
    };
    static int bits_des_seaux(int bits, int cases);
    // The form's work as the rule measures it, 0 to 63.
    int mesure(const Forme& forme, std::uint64_t noeuds) const;

    int cases_;
    Remplacement remplacement_;
    int bits_seaux_;
    std::unique_ptr<std::uint64_t[], Libere> memoire_;
    // The first bucket, on a 64-byte line, so that each bucket is one line.
    std::uint64_t* mots_;
};

// The free squares of a form, those no pawn reaches included.
int libres(const Forme& forme);

// The solver's tables: one for every form, or, in the long offline runs, a second, small one for
// the forms of at most `seuil` free squares. Most look-ups are of such forms, and in a table of
// gigabytes each is a trip to the memory that costs more than the node's own work; a table of a
// few megabytes stays in the processor's cache. It forgets more, so the search visits more nodes,
// but each costs less: a 6 x 6 position of 31 free squares with knights, 264 million nodes in
// 27 s instead of 182 million in 36 s (forms of 18 free squares or fewer, 2^21 entries).
class Tables {
  public:
    explicit Tables(Connus grande, std::optional<Connus> petite = std::nullopt, int seuil = -1);

    bool cherche(const Forme& forme, Connu& c) const {
        return (dans_petite(forme) ? *petite_ : grande_).cherche(forme, c);
    }
    void range(const Forme& forme, const Connu& c, std::uint64_t noeuds) {
        (dans_petite(forme) ? *petite_ : grande_).range(forme, c, noeuds);
    }

  private:
    bool dans_petite(const Forme& forme) const { return petite_ && libres(forme) <= seuil_; }

    Connus grande_;
    std::optional<Connus> petite_;
    int seuil_;
};

} // namespace tessor
