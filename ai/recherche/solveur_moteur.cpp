#include "solveur_moteur.h"

#include "game/clones.h"
#include "solveur.h"

#include <algorithm>

namespace tessor {

namespace {

// A position holds the free squares and the two pawns.
static_assert(LIBRES_MAX_SOLVEUR + 2 <= CASES_MAX_FORME);

constexpr std::uint64_t PERIODE_ARRET = 4096;

// Appends the squares of `groupe` to `liste` from position `n`, those with the most free squares
// of `f` around them first, and returns the new length.
TESSOR_CLONES int ajoute_par_issues(const Graphe& g, Masque groupe, Masque f, int* liste, int n) {
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

} // namespace

Masque hors_de_portee(const Graphe& g, Masque f, int a, int b) {
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
    return f & ~atteint;
}

int par_proximite(const Graphe& g, Masque cibles, int pres, Masque f, int* liste) {
    const int n = ajoute_par_issues(g, cibles & g.voisins(pres), f, liste, 0);
    return ajoute_par_issues(g, cibles & ~g.voisins(pres), f, liste, n);
}

bool Solveur::compte_noeud() {
    ++noeuds_;
    if (noeuds_max_ != 0 && noeuds_ >= noeuds_max_) {
        interrompu_ = true;
    }
    if (noeuds_ % PERIODE_ARRET == 0) {
        for (const std::atomic<bool>* arret : arrets_) {
            interrompu_ = interrompu_ || (arret != nullptr && arret->load());
        }
    }
    return !interrompu_;
}

// The free squares no pawn can reach any more are only walls to spend: the form keeps their
// number, not which they are.
Forme Solveur::canonique(Masque f, Masque morts, int a, int b, int& sym) const {
    const Masque vivants = f & ~morts;
    const int compte = __builtin_popcountll(morts);
    Forme meilleure{vivants, compte, a, b};
    sym = 0;
    for (int s = 1; s < g_.nb_symetries(); ++s) {
        const Forme image{g_.image_masque(s, vivants), compte, g_.image(s, a), g_.image(s, b)};
        if (image < meilleure) {
            meilleure = image;
            sym = s;
        }
    }
    return meilleure;
}

void Solveur::tour_connu(const Connu& e, int sym, Masque f, int a, int& coup, int& mur) const {
    coup = g_.antecedent(sym, e.coup);
    mur = g_.antecedent(sym, e.mur);
    if ((((f & ~bit(coup)) | bit(a)) & bit(mur)) == 0) {
        coup = -1;
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
    return par_proximite(g_, g_.voisins(a) & f, b, f, coups.data());
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
    return apres_tour(g_, f, a, b, m, w,
                      [&](Masque f2) { return valeur(f2, b, m, -beta, -alpha); });
}

int Solveur::valeur(Masque f, int a, int b, int alpha, int beta) {
    if (!compte_noeud()) {
        return 0;
    }
    const std::uint64_t noeuds_avant = noeuds_;
    if (gagne_en_un(f, a, b)) {
        return 1;
    }
    // Walls on squares that no pawn can reach are all alike: one of them is tried.
    const Masque morts = hors_de_portee(g_, f, a, b);
    int sym = 0;
    const Forme forme = canonique(f, morts, a, b, sym);
    Connu e;
    // The turn that gave the best value last time is tried first.
    int premier_coup = -1;
    int premier_mur = -1;
    if (table_.cherche(forme, e)) {
        if (e.bas >= beta || e.bas == e.haut) {
            return e.bas;
        }
        if (e.haut <= alpha) {
            return e.haut;
        }
        alpha = std::max(alpha, e.bas);
        beta = std::min(beta, e.haut);
        tour_connu(e, sym, f, a, premier_coup, premier_mur);
    }
    const Meilleur m = meilleur_tour(f, a, b, morts, alpha, beta, premier_coup, premier_mur);
    if (interrompu_) {
        return 0;
    }
    retient(forme, e, sym, m, alpha, beta, noeuds_ - noeuds_avant + 1);
    return m.valeur;
}

Solveur::Meilleur Solveur::meilleur_tour(Masque f, int a, int b, Masque morts, int alpha, int beta,
                                         int premier_coup, int premier_mur) {
    Meilleur meilleur;
    const auto essaie = [&](int m, int w) {
        const int v = tour(f, a, b, m, w, alpha, beta);
        if (v > meilleur.valeur) {
            meilleur = {v, m, w};
        }
        alpha = std::max(alpha, v);
    };
    if (premier_coup >= 0) {
        essaie(premier_coup, premier_mur);
    }
    parcourt(
        f, a, b, morts, [&] { return alpha < beta && !interrompu_; },
        [&](int m, int w) {
            if (m != premier_coup || w != premier_mur) {
                essaie(m, w);
            }
        });
    return meilleur;
}

// The bounds `e` found at the start are kept: the entry may have left the table since.
void Solveur::retient(const Forme& forme, Connu e, int sym, const Meilleur& m, int alpha, int beta,
                      std::uint64_t noeuds) {
    if (m.valeur > alpha) {
        e.bas = std::max(e.bas, m.valeur);
    }
    if (m.valeur < beta) {
        e.haut = std::min(e.haut, m.valeur);
    }
    e.coup = g_.image(sym, m.coup);
    e.mur = g_.image(sym, m.mur);
    table_.range(forme, e, noeuds);
}

} // namespace tessor
