#include "solveur.h"

#include "graphe.h"

#include <algorithm>
#include <array>
#include <memory>

namespace tessor {

namespace {

constexpr std::uint64_t PERIODE_ARRET = 4096;
constexpr std::uint8_t VIDE = 0xFF;

// One solved or bounded position, in its canonical form: the free squares, the pawn on turn and
// the other pawn; `bas` and `haut` bound its value.
struct Connu {
    Masque libres = 0;
    std::uint8_t moi = VIDE;
    std::uint8_t lui = VIDE;
    std::int8_t bas = -1;
    std::int8_t haut = 1;
};

struct Forme {
    Masque libres;
    int moi;
    int lui;
    friend bool operator<(const Forme& a, const Forme& b) {
        return a.libres != b.libres ? a.libres < b.libres
               : a.moi != b.moi     ? a.moi < b.moi
                                    : a.lui < b.lui;
    }
};

int extrait(Masque& m) {
    const int i = __builtin_ctzll(m);
    m &= m - 1;
    return i;
}

// The squares of `f` that a pawn at `a` or `b` can ever reach, moving through free squares.
Masque atteignables(const Graphe& g, Masque f, int a, int b) {
    Masque atteint = 0;
    Masque front = g.voisins(a) | g.voisins(b);
    while ((front &= f & ~atteint) != 0) {
        atteint |= front;
        Masque suivant = 0;
        for (Masque m = front; m != 0;) {
            suivant |= g.voisins(extrait(m));
        }
        front = suivant;
    }
    return atteint;
}

// Appends the squares of `groupe` to `liste` from position `n`, those with the most free squares
// of `f` around them first, and returns the new length.
int ajoute_par_issues(const Graphe& g, Masque groupe, Masque f, int* liste, int n) {
    const int debut = n;
    for (Masque m = groupe; m != 0;) {
        const int i = extrait(m);
        liste[n++] = (63 - __builtin_popcountll(g.voisins(i) & f)) * 64 + i;
    }
    std::sort(liste + debut, liste + n);
    for (int k = debut; k < n; ++k) {
        liste[k] &= 63;
    }
    return n;
}

// Enough entries for the board, and no more than twice the node limit.
int bits_table(int taille, std::uint64_t noeuds_max) {
    int bits = taille <= 12 ? 16 : taille <= 16 ? 21 : taille <= 20 ? 23 : 25;
    while (noeuds_max != 0 && bits > 10 && (std::uint64_t{1} << (bits - 1)) > noeuds_max) {
        --bits;
    }
    return bits;
}

class Solveur {
  public:
    Solveur(const Graphe& g, std::uint64_t noeuds_max, const std::atomic<bool>* arret)
        : g_(g), noeuds_max_(noeuds_max), arret_(arret),
          bits_table_(bits_table(g.taille(), noeuds_max)),
          table_(std::make_unique<Connu[]>(std::size_t{1} << bits_table_)) {}

    // The value for the pawn on turn at `a`, `b` being the other pawn, within (alpha, beta).
    int valeur(Masque f, int a, int b, int alpha, int beta);
    // The value of the turn (m, w) for its player.
    int tour(Masque f, int a, int b, int m, int w, int alpha, int beta);
    // The moves of the pawn at `a` in the order they are tried, in `coups`; their number.
    int coups_ordonnes(Masque f, int a, int b, std::array<int, 8>& coups) const;
    // The walls of a turn that leaves the free squares `f1` in the order they are tried, in
    // `murs`, one square of `morts` standing for all; their number.
    int murs_ordonnes(Masque f1, int b, Masque morts, std::array<int, 64>& murs) const;
    bool interrompu() const { return interrompu_; }
    std::uint64_t noeuds() const { return noeuds_; }

  private:
    bool gagne_en_un(Masque f, int a, int b) const;
    Forme canonique(Masque f, Masque morts, int a, int b) const;
    // The two slots of the form's bucket: the first keeps the entry with the most free squares
    // (the largest search behind it), the second the latest one.
    Connu* seau(const Forme& forme);
    const Connu* cherche(const Forme& forme);
    void range(const Forme& forme, std::int8_t bas, std::int8_t haut);
    bool compte_noeud();

    const Graphe& g_;
    std::uint64_t noeuds_max_;
    const std::atomic<bool>* arret_;
    std::uint64_t noeuds_ = 0;
    bool interrompu_ = false;
    int bits_table_;
    std::unique_ptr<Connu[]> table_;
};

bool Solveur::compte_noeud() {
    ++noeuds_;
    if ((noeuds_max_ != 0 && noeuds_ >= noeuds_max_) ||
        (noeuds_ % PERIODE_ARRET == 0 && arret_ != nullptr && arret_->load())) {
        interrompu_ = true;
    }
    return !interrompu_;
}

// The free squares no pawn can reach any more are only walls to spend: the form keeps their
// number, above the squares' bits, not which they are.
Forme Solveur::canonique(Masque f, Masque morts, int a, int b) const {
    const Masque vivants = f & ~morts;
    const Masque compte = static_cast<Masque>(__builtin_popcountll(morts)) << 32;
    Forme meilleure{vivants | compte, a, b};
    for (int s = 1; s < g_.nb_symetries(); ++s) {
        const Forme image{g_.image_masque(s, vivants) | compte, g_.image(s, a), g_.image(s, b)};
        meilleure = std::min(meilleure, image);
    }
    return meilleure;
}

Connu* Solveur::seau(const Forme& forme) {
    std::uint64_t h = forme.libres * 0x9E3779B97F4A7C15u;
    h ^= static_cast<std::uint64_t>(forme.moi * 64 + forme.lui) * 0xC2B2AE3D27D4EB4Fu;
    h ^= h >> 29;
    return &table_[(h & ((std::uint64_t{1} << (bits_table_ - 1)) - 1)) * 2];
}

bool meme_forme(const Connu& c, const Forme& forme) {
    return c.libres == forme.libres && c.moi == forme.moi && c.lui == forme.lui;
}

// The number of free squares of a stored form, those no pawn reaches included.
int travail(const Connu& c) {
    return __builtin_popcountll(c.libres & 0xFFFFFFFFu) + static_cast<int>(c.libres >> 32);
}

const Connu* Solveur::cherche(const Forme& forme) {
    Connu* s = seau(forme);
    return meme_forme(s[0], forme) ? &s[0] : meme_forme(s[1], forme) ? &s[1] : nullptr;
}

void Solveur::range(const Forme& forme, std::int8_t bas, std::int8_t haut) {
    const Connu c{forme.libres, static_cast<std::uint8_t>(forme.moi),
                  static_cast<std::uint8_t>(forme.lui), bas, haut};
    Connu* s = seau(forme);
    if (meme_forme(s[0], forme)) {
        s[0] = c;
    } else if (travail(c) >= travail(s[0])) {
        s[1] = s[0];
        s[0] = c;
    } else {
        s[1] = c;
    }
}

// The opponent keeps at most one free square after the move, and a wall takes it (or any wall,
// when none is left) while the mover keeps a free square.
bool Solveur::gagne_en_un(Masque f, int a, int b) const {
    for (Masque cibles = g_.voisins(a) & f; cibles != 0;) {
        const int m = extrait(cibles);
        const Masque f1 = (f & ~bit(m)) | bit(a);
        const Masque issues = g_.voisins(b) & f1;
        if ((issues & (issues - 1)) != 0) { // two free squares or more
            continue;
        }
        for (Masque murs = issues != 0 ? issues : f1; murs != 0;) {
            if ((g_.voisins(m) & f1 & ~bit(extrait(murs))) != 0) {
                return true;
            }
        }
    }
    return false;
}

// Moves next to the opponent first, since they take its free squares; then, in each group, the
// moves to the squares with the most free squares around them (the square left is around each
// alike and is not counted). On 4 x 5 with kings this second key took the nodes from 180 million
// to 50 million.
int Solveur::coups_ordonnes(Masque f, int a, int b, std::array<int, 8>& coups) const {
    const Masque cibles = g_.voisins(a) & f;
    const int n = ajoute_par_issues(g_, cibles & g_.voisins(b), f, coups.data(), 0);
    return ajoute_par_issues(g_, cibles & ~g_.voisins(b), f, coups.data(), n);
}

// The opponent's free squares first, then the squares next to them, each group with the squares
// that have the most free squares around them first: the opponent's best ways out are walled
// first (on 4 x 5 with kings, 19 million nodes instead of 50 million). Then the rest.
int Solveur::murs_ordonnes(Masque f1, int b, Masque morts, std::array<int, 64>& murs) const {
    const Masque issues = g_.voisins(b) & f1;
    Masque autour = 0;
    for (Masque m = issues; m != 0;) {
        autour |= g_.voisins(extrait(m));
    }
    const Masque suite = autour & f1 & ~issues;
    int n = ajoute_par_issues(g_, issues, f1, murs.data(), 0);
    n = ajoute_par_issues(g_, suite, f1, murs.data(), n);
    for (Masque reste = (f1 & ~issues & ~suite & ~morts) | (morts & (~morts + 1)); reste != 0;) {
        murs[static_cast<std::size_t>(n++)] = extrait(reste);
    }
    return n;
}

int Solveur::tour(Masque f, int a, int b, int m, int w, int alpha, int beta) {
    const Masque f2 = ((f & ~bit(m)) | bit(a)) & ~bit(w);
    const bool lui_bloque = (g_.voisins(b) & f2) == 0;
    const bool moi_bloque = (g_.voisins(m) & f2) == 0;
    if (lui_bloque) {
        return moi_bloque ? 0 : 1;
    }
    if (moi_bloque) {
        return -1;
    }
    return -valeur(f2, b, m, -beta, -alpha);
}

int Solveur::valeur(Masque f, int a, int b, int alpha, int beta) {
    if (!compte_noeud()) {
        return 0;
    }
    if (gagne_en_un(f, a, b)) {
        return 1;
    }
    // Walls on squares that no pawn can reach are all alike: one of them is tried.
    const Masque morts = f & ~atteignables(g_, f, a, b);
    const Forme forme = canonique(f, morts, a, b);
    std::int8_t bas = -1;
    std::int8_t haut = 1;
    if (const Connu* e = cherche(forme)) {
        bas = e->bas;
        haut = e->haut;
        if (bas >= beta || bas == haut) {
            return bas;
        }
        if (haut <= alpha) {
            return haut;
        }
        alpha = std::max(alpha, static_cast<int>(bas));
        beta = std::min(beta, static_cast<int>(haut));
    }
    const int alpha_depart = alpha;
    int meilleure = -1;
    std::array<int, 8> coups{};
    std::array<int, 64> murs{};
    const int nb_coups = coups_ordonnes(f, a, b, coups);
    for (int k = 0; k < nb_coups && alpha < beta; ++k) {
        const int m = coups[static_cast<std::size_t>(k)];
        const int nb_murs = murs_ordonnes((f & ~bit(m)) | bit(a), b, morts, murs);
        for (int w = 0; w < nb_murs && alpha < beta; ++w) {
            const int v = tour(f, a, b, m, murs[static_cast<std::size_t>(w)], alpha, beta);
            if (interrompu_) {
                return 0;
            }
            meilleure = std::max(meilleure, v);
            alpha = std::max(alpha, v);
        }
    }
    // The bounds found at the start are kept: the entry may have left the table since.
    if (meilleure > alpha_depart) {
        bas = std::max(bas, static_cast<std::int8_t>(meilleure));
    }
    if (meilleure < beta) {
        haut = std::min(haut, static_cast<std::int8_t>(meilleure));
    }
    range(forme, bas, haut);
    return meilleure;
}

Verdict verdict(int v) {
    return v > 0 ? Verdict::gagne : v < 0 ? Verdict::perd : Verdict::nul;
}

int libres_du_plateau(const Regles& regles, const Tableau& tableau) {
    int n = 0;
    for (int x = 3; x <= regles.largeur + 2; ++x) {
        for (int y = 3; y <= regles.hauteur + 2; ++y) {
            n += tableau.libre(x, y) ? 1 : 0;
        }
    }
    return n;
}

// The value for the first placer of its pawn at `a`, against the best reply square, each
// placement followed by the end test on the placed pawns; -1 as soon as a reply reaches `plancher`.
int valeur_placement(Solveur& s, const Graphe& g, int a, int plancher) {
    const Masque f = g.tout() & ~bit(a);
    if ((g.voisins(a) & f) == 0) {
        return -1;
    }
    int pire = 1;
    for (Masque reponses = f; reponses != 0 && pire > plancher;) {
        const int b = extrait(reponses);
        const Masque f2 = f & ~bit(b);
        const bool a_bloque = (g.voisins(a) & f2) == 0;
        const bool b_bloque = (g.voisins(b) & f2) == 0;
        const int v = a_bloque   ? (b_bloque ? 0 : -1)
                      : b_bloque ? 1
                                 : s.valeur(f2, a, b, plancher, pire);
        if (s.interrompu()) {
            return 0;
        }
        pire = std::min(pire, v);
    }
    return pire;
}

// Notes in `r` that the solver stopped before the end, with the nodes it visited; true if so.
template <typename Reponse> bool note_interruption(const Solveur& s, Reponse& r) {
    if (!s.interrompu()) {
        return false;
    }
    r.statut = Statut::interrompu;
    r.noeuds = s.noeuds();
    return true;
}

} // namespace

Resolution resout(const Regles& regles, const Tableau& tableau, Case moi, Case lui,
                  std::uint64_t noeuds_max, const std::atomic<bool>* arret) {
    Resolution r;
    r.libres = libres_du_plateau(regles, tableau);
    if (r.libres > LIBRES_MAX_SOLVEUR) {
        r.statut = Statut::trop_grand;
        return r;
    }
    const Graphe g(regles, tableau, {moi, lui});
    const int a = g.numero(moi);
    const int b = g.numero(lui);
    const Masque f = g.tout() & ~bit(a) & ~bit(b);
    Solveur s(g, noeuds_max, arret);
    int meilleure = -2;
    for (Masque cibles = g.voisins(a) & f; cibles != 0 && meilleure < 1;) {
        const int m = extrait(cibles);
        for (Masque murs = (f & ~bit(m)) | bit(a); murs != 0 && meilleure < 1;) {
            const int w = extrait(murs);
            const int v = s.tour(f, a, b, m, w, std::max(meilleure, -1), 1);
            if (note_interruption(s, r)) {
                return r;
            }
            if (v > meilleure) {
                meilleure = v;
                r.deplacement = g.case_de(m);
                r.mur = g.case_de(w);
            }
        }
    }
    r.valeur = verdict(meilleure);
    r.noeuds = s.noeuds();
    return r;
}

ResolutionPlacement resout_placements(const Regles& regles, const Tableau& tableau,
                                      std::uint64_t noeuds_max, const std::atomic<bool>* arret) {
    ResolutionPlacement r;
    r.libres = libres_du_plateau(regles, tableau);
    if (r.libres > LIBRES_MAX_SOLVEUR) {
        r.statut = Statut::trop_grand;
        return r;
    }
    const Graphe g(regles, tableau, {});
    Solveur s(g, noeuds_max, arret);
    int meilleure = -2;
    for (int a = 0; a < g.taille() && meilleure < 1; ++a) {
        if (!g.canonique(a)) {
            continue;
        }
        const int v = valeur_placement(s, g, a, std::max(meilleure, -1));
        if (note_interruption(s, r)) {
            return r;
        }
        if (v > meilleure) {
            meilleure = v;
            r.depart = g.case_de(a);
        }
    }
    r.valeur = verdict(meilleure);
    r.noeuds = s.noeuds();
    return r;
}

} // namespace tessor
