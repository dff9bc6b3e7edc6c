#include "solveur.h"

#include "connus.h"
#include "game/clones.h"
#include "graphe.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <limits>
#include <memory>
#include <mutex>
#include <numeric>
#include <optional>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

namespace tessor {

namespace {

// A position holds the free squares and the two pawns.
static_assert(LIBRES_MAX_SOLVEUR + 2 <= CASES_MAX_FORME);

constexpr std::uint64_t PERIODE_ARRET = 4096;

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

// Enough entries for the board (2^bits_max of 8 bytes above 20 squares), and no more than twice
// the node limit, unless the table needs more to name the board's positions.
Tables table_pour(const Graphe& g, std::uint64_t noeuds_max, const TableSolveur& choix) {
    const int taille = g.taille();
    int bits = taille <= 12 ? 17 : taille <= 16 ? 22 : taille <= 20 ? 24 : choix.bits_max;
    while (noeuds_max != 0 && bits > 10 && (std::uint64_t{1} << (bits - 1)) > noeuds_max) {
        --bits;
    }
    Connus grande(bits, taille, choix.remplacement);
    if (choix.seuil_petite < 0) {
        return Tables(std::move(grande));
    }
    return Tables(std::move(grande), Connus(choix.bits_petite, taille, choix.remplacement),
                  choix.seuil_petite);
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
    bool gagne_en_un(Masque f, int a, int b) const;
    // The moves of the pawn at `a` in the order they are tried, in `coups`; their number.
    int coups_ordonnes(Masque f, int a, int b, std::array<int, 8>& coups) const;
    // The walls of a turn that leaves the free squares `f1` in the order they are tried, in
    // `murs`, one square of `morts` standing for all; their number.
    int murs_ordonnes(Masque f1, int b, Masque morts, std::array<int, 64>& murs) const;
    // The smallest image of the position, and in `sym` the symmetry that gives it.
    Forme canonique(Masque f, Masque morts, int a, int b, int& sym) const;
    // The turn the table keeps for the position, in its numbering, in `coup` and `mur`; true if
    // it is still a turn there. Its move always is (the form keeps the squares a pawn reaches),
    // but a wall on a square no pawn reaches may be gone (the form keeps only their number).
    bool tour_connu(const Connu& e, int sym, Masque f, int a, int& coup, int& mur) const;
    bool compte_noeud();

    const Graphe& g_;
    Tables& table_;
    std::uint64_t noeuds_max_;
    std::array<const std::atomic<bool>*, 2> arrets_;
    std::uint64_t noeuds_ = 0;
    bool interrompu_ = false;
};

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

bool Solveur::tour_connu(const Connu& e, int sym, Masque f, int a, int& coup, int& mur) const {
    coup = g_.antecedent(sym, e.coup);
    mur = g_.antecedent(sym, e.mur);
    return (((f & ~bit(coup)) | bit(a)) & bit(mur)) != 0;
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
    const Masque morts = f & ~atteignables(g_, f, a, b);
    int sym = 0;
    const Forme forme = canonique(f, morts, a, b, sym);
    Connu e;
    const bool connu = table_.cherche(forme, e);
    if (connu) {
        if (e.bas >= beta || e.bas == e.haut) {
            return e.bas;
        }
        if (e.haut <= alpha) {
            return e.haut;
        }
        alpha = std::max(alpha, e.bas);
        beta = std::min(beta, e.haut);
    }
    const int alpha_depart = alpha;
    int meilleure = -2;
    int meilleur_coup = 0;
    int meilleur_mur = 0;
    const auto essaie = [&](int m, int w) {
        const int v = tour(f, a, b, m, w, alpha, beta);
        if (v > meilleure) {
            meilleure = v;
            meilleur_coup = m;
            meilleur_mur = w;
        }
        alpha = std::max(alpha, v);
    };
    // The turn that gave the best value last time is tried first.
    int premier_coup = -1;
    int premier_mur = -1;
    if (connu && tour_connu(e, sym, f, a, premier_coup, premier_mur)) {
        essaie(premier_coup, premier_mur);
    }
    parcourt(
        f, a, b, morts, [&] { return alpha < beta && !interrompu_; },
        [&](int m, int w) {
            if (m != premier_coup || w != premier_mur) {
                essaie(m, w);
            }
        });
    if (interrompu_) {
        return 0;
    }
    // The bounds found at the start are kept: the entry may have left the table since.
    if (meilleure > alpha_depart) {
        e.bas = std::max(e.bas, meilleure);
    }
    if (meilleure < beta) {
        e.haut = std::min(e.haut, meilleure);
    }
    e.coup = g_.image(sym, meilleur_coup);
    e.mur = g_.image(sym, meilleur_mur);
    table_.range(forme, e, noeuds_ - noeuds_avant + 1);
    return meilleure;
}

Verdict verdict(int v) {
    return v > 0 ? Verdict::gagne : v < 0 ? Verdict::perd : Verdict::nul;
}

int libres_du_plateau(const Regles& regles, const Tableau& tableau) {
    int n = 0;
    for (int x = PREMIERE_CASE; x <= regles.derniere_colonne(); ++x) {
        for (int y = PREMIERE_CASE; y <= regles.derniere_ligne(); ++y) {
            n += tableau.libre(x, y) ? 1 : 0;
        }
    }
    return n;
}

// A first placement: its square and the replies to it, those next to it first, each group with
// the most free squares around them first. A square with no move is lost at once and has none.
struct Depart {
    static constexpr int PAS_FAIT = -2;

    int carre = 0;
    std::vector<int> reponses;
    int restantes = 0; // its questions not yet answered or left out
    int haut = 1;      // the smallest value a reply is known to keep it at or below
    int valeur = PAS_FAIT;
};

// A question on a first placement: does its reply `reponse` leave the first placer at least
// `seuil` (0: it does not lose; 1: it wins)? The placement is worth at least 0 when every reply
// says yes to 0, and 1 when every reply says yes to 1.
struct Question {
    int depart;
    int seuil;
    int reponse;
};

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
    std::optional<int> premier_tour(Masque f, int a, int b, int alpha, int beta) {
        const int k = chemin_.front().faits;
        std::optional<int> v;
        int n = 0;
        s_.parcourt(
            f, a, b, f & ~atteignables(g_, f, a, b), [&] { return n <= k; },
            [&](int m, int w) {
                if (n++ == k) {
                    v = tour(f, a, b, m, w, alpha, beta, 0);
                }
            });
        return v;
    }

  private:
    int valeur(Masque f, int a, int b, int alpha, int beta, std::size_t palier) {
        if (palier == PALIERS) {
            return s_.valeur(f, a, b, alpha, beta);
        }
        chemin_.resize(std::max(chemin_.size(), palier + 1));
        const int faits = chemin_[palier].faits;
        Etape etape{0, chemin_[palier].meilleure};
        const Masque morts = f & ~atteignables(g_, f, a, b);
        s_.parcourt(
            f, a, b, morts, [&] { return etape.meilleure < beta && !s_.interrompu() && voulu_; },
            [&](int m, int w) {
                if (etape.faits++ < faits) {
                    return;
                }
                const int v = tour(f, a, b, m, w, alpha, beta, palier);
                if (s_.interrompu()) {
                    return;
                }
                etape.meilleure = static_cast<std::int8_t>(std::max<int>(etape.meilleure, v));
                chemin_.resize(palier + 1);
                chemin_[palier] = etape;
                voulu_ = suivi_(chemin_);
            });
        return s_.interrompu() ? 0 : etape.meilleure;
    }

    // The value of the turn (m, w) of the pawn at `a` for its player, `alpha` or `beta`: the side
    // of the window it is on.
    int tour(Masque f, int a, int b, int m, int w, int alpha, int beta, std::size_t palier) {
        const int v = apres_tour(g_, f, a, b, m, w, [&](Masque f2) {
            return valeur(f2, b, m, -beta, -alpha, palier + 1);
        });
        return std::clamp(v, alpha, beta);
    }

    const Graphe& g_;
    Solveur& s_;
    std::vector<Etape> chemin_;
    std::function<bool(const std::vector<Etape>&)> suivi_;
    bool voulu_ = true;
};

// Tells whether an `Avancee` is the search of the turn numbered `k` of the first ply.
auto du_tour(int k) {
    return [k](const Avancee& a) { return a.chemin[0].faits == k; };
}

// Where a question stands among the threads. A run that reports hands its first placer's turns
// out one at a time in the solver's order, each an `Avancee` whose chemin[0].faits is the turn's
// number: the first alone, since the first is the likeliest to say yes, which ends the question;
// once it is refuted, the others to whichever thread has nothing earlier to do, so that both
// threads share a question that refutes turn after turn. A turn still being searched when
// another says yes is dropped at its next turn settled below. A run that does not report hands the
// whole question out at once, as one search.
struct Partage {
    bool ouverte = false;
    bool finie = false;                           // answered, or left out
    int distribues = 0;                           // turns handed out
    int nombre = std::numeric_limits<int>::max(); // its turns, once a thread went past the last
    std::int8_t meilleure = REPONSE_INCONNUE;     // the best value among its settled turns
    std::vector<Avancee> a_refaire;               // turns an earlier run left in the middle
    std::vector<Avancee> pris;                    // turns being searched, as last reported
};

// The first placer's squares, one of each class of symmetric squares in board order, and their
// questions: for each square, the question at 0 for every reply, then at 1 for every reply. Each
// question is a search with a null window; the threads take them, or their turns, in that order,
// so a square that takes long does not hold one thread alone. A square's result is the smallest
// value a reply was found to keep it at (1 if none). A question is left out when its answer no
// longer matters: its threshold is at or below the floor (the best result of the squares done
// before it, so nothing is asked after a won square), or a reply already keeps the square below
// it. A square's result above its floor is then its value; at or below it, an earlier square is
// at least as good, so the first square with the best result is the first with the best value,
// whatever the threads. All of it is read and written under one lock, which `suivi_` is called
// under.
class Departs {
  public:
    Departs(const Graphe& g, const ReprisePlacements& reprise) : g_(g), suivi_(reprise.suivi) {
        for (int a = 0; a < g.taille(); ++a) {
            nb_ += g.canonique(a) ? 1 : 0;
        }
        departs_ = std::make_unique<Depart[]>(static_cast<std::size_t>(nb_));
        for (int a = 0, i = 0; a < g.taille(); ++a) {
            if (g.canonique(a)) {
                prepare(i++, a);
            }
        }
        partages_.resize(questions_.size());
        std::vector<std::int8_t>& reponses = etat_.reponses;
        reponses.assign(questions_.size(), REPONSE_INCONNUE);
        const std::size_t connues = std::min(reponses.size(), reprise.etat.reponses.size());
        std::copy_n(reprise.etat.reponses.begin(), connues, reponses.begin());
        // The turns left in the middle stay in the reports as they were until a thread takes
        // their question up again; those of a question the board does not have are dropped.
        for (const Avancee& a : reprise.etat.en_cours) {
            if (static_cast<std::size_t>(a.question) < questions_.size() && !a.chemin.empty()) {
                partages_[static_cast<std::size_t>(a.question)].a_refaire.push_back(a);
            }
        }
    }

    // Searches what the questions hand out until nothing is left or the solver stops.
    void evalue(Solveur& s) {
        std::unique_lock<std::mutex> garde(verrou_);
        Avancee tache;
        while (attend(garde, tache)) {
            garde.unlock();
            const std::optional<int> v = cherche(s, tache);
            garde.lock();
            --en_vol_;
            arrete_ = arrete_ || s.interrompu();
            if (!arrete_) {
                rend(tache, v);
            }
            attente_.notify_all();
        }
    }

    // The first square with the best result.
    int meilleur() const {
        int meilleur = 0;
        for (int i = 1; i < nb_; ++i) {
            meilleur = valeur(i) > valeur(meilleur) ? i : meilleur;
        }
        return meilleur;
    }

    int carre(int i) const { return departs_[static_cast<std::size_t>(i)].carre; }
    int valeur(int i) const { return departs_[static_cast<std::size_t>(i)].valeur; }

  private:
    void prepare(int i, int a) {
        Depart& d = departs_[static_cast<std::size_t>(i)];
        d.carre = a;
        const Masque f = g_.tout() & ~bit(a);
        if ((g_.voisins(a) & f) == 0) {
            d.valeur = -1;
            return;
        }
        std::array<int, 64> reponses{};
        const int n =
            ajoute_par_issues(g_, f & ~g_.voisins(a), f, reponses.data(),
                              ajoute_par_issues(g_, f & g_.voisins(a), f, reponses.data(), 0));
        d.reponses.assign(reponses.begin(), reponses.begin() + n);
        d.restantes = 2 * n;
        for (int seuil = 0; seuil <= 1; ++seuil) {
            for (int k = 0; k < n; ++k) {
                questions_.push_back({i, seuil, k});
            }
        }
    }

    // Waits, under the lock, until there is something to search, in `tache`; false when nothing
    // is left or the run is stopped.
    bool attend(std::unique_lock<std::mutex>& garde, Avancee& tache) {
        while (!arrete_) {
            if (prend(tache)) {
                ++en_vol_;
                return true;
            }
            if (en_vol_ == 0) {
                return false;
            }
            attente_.wait(garde);
        }
        return false;
    }

    // The first thing to search, in question order: a turn of a question taken up, or the first
    // turn of the next one. A question whose answer no longer matters hands out no more turns,
    // and those being searched are dropped.
    bool prend(Avancee& tache) {
        for (std::size_t n = 0; n < questions_.size(); ++n) {
            Partage& p = partages_[n];
            if (!p.finie && sans_objet(questions_[n])) {
                finit(n, std::nullopt);
            }
            if (!p.finie && (p.ouverte || ouvre(n)) && donne(n, tache)) {
                return true;
            }
        }
        return false;
    }

    // Whether the answer to `q` no longer matters: its square's floor is at its threshold or
    // above, or a reply already keeps its square below it.
    bool sans_objet(const Question& q) const {
        return q.seuil <= plancher_de(q.depart) ||
               departs_[static_cast<std::size_t>(q.depart)].haut < q.seuil;
    }

    // Takes question `n` up; false, with the question finished, when its answer is known: an
    // earlier run's, or a placement that ends the game.
    bool ouvre(std::size_t n) {
        Partage& p = partages_[n];
        const Question& q = questions_[n];
        p.ouverte = true;
        const std::optional<int> connue =
            etat_.reponses[n] != REPONSE_INCONNUE ? etat_.reponses[n] : fin_au_placement(q);
        if (connue) {
            finit(n, connue);
            return false;
        }
        std::sort(p.a_refaire.begin(), p.a_refaire.end(), [](const Avancee& x, const Avancee& y) {
            return x.chemin[0].faits < y.chemin[0].faits;
        });
        if (!p.a_refaire.empty()) {
            const Etape& dernier = p.a_refaire.back().chemin[0];
            p.distribues = dernier.faits + 1;
            p.meilleure = dernier.meilleure;
        }
        return true;
    }

    // Hands out the next turn of question `n` that may be searched now, in `tache`; false if none.
    bool donne(std::size_t n, Avancee& tache) {
        Partage& p = partages_[n];
        if (!p.a_refaire.empty()) {
            tache = p.a_refaire.front();
            p.a_refaire.erase(p.a_refaire.begin());
        } else if ((p.distribues == 0 || (suivi_ && p.meilleure != REPONSE_INCONNUE)) &&
                   p.distribues < p.nombre) {
            tache = {static_cast<int>(n), {{p.distribues++, p.meilleure}}};
        } else {
            return false;
        }
        p.pris.push_back(tache);
        return true;
    }

    // Question `q`'s two pawns, and the free squares they leave.
    std::tuple<int, int, Masque> placements(const Question& q) const {
        const Depart& d = departs_[static_cast<std::size_t>(q.depart)];
        const int a = d.carre;
        const int b = d.reponses[static_cast<std::size_t>(q.reponse)];
        return {a, b, g_.tout() & ~bit(a) & ~bit(b)};
    }

    // The value of question `n`'s reply for the first placer when the placements end the game.
    std::optional<int> fin_au_placement(const Question& q) const {
        const auto [a, b, f] = placements(q);
        const bool a_bloque = (g_.voisins(a) & f) == 0;
        const bool b_bloque = (g_.voisins(b) & f) == 0;
        if (!a_bloque && !b_bloque) {
            return std::nullopt;
        }
        return a_bloque ? (b_bloque ? 0 : -1) : 1;
    }

    // Searches `tache` out of the lock: a run that reports, the turn it names, within
    // (seuil - 1, seuil), from where an earlier run left it, each turn settled below told to
    // `suivi_`; one that does not, the whole question at once, which keeps the first plies'
    // positions in the table for the questions after (4 x 5 with kings took 3.5 s, not 4.9 s).
    std::optional<int> cherche(Solveur& s, const Avancee& tache) {
        const Question& q = questions_[static_cast<std::size_t>(tache.question)];
        const auto [a, b, f] = placements(q);
        if (!suivi_) {
            return s.valeur(f, a, b, q.seuil - 1, q.seuil);
        }
        Parcours parcours(g_, s, tache.chemin, [this, &tache](const std::vector<Etape>& chemin) {
            const std::lock_guard<std::mutex> garde(verrou_);
            return note_chemin(tache, chemin);
        });
        return parcours.premier_tour(f, a, b, q.seuil - 1, q.seuil);
    }

    // Puts the turn `tache`'s new `chemin` in its question's reports, and tells `suivi_`; under
    // the lock. False, and nothing told, when its question is already answered or left out: the
    // turn's search is then dropped.
    bool note_chemin(const Avancee& tache, const std::vector<Etape>& chemin) {
        std::vector<Avancee>& pris = partages_[static_cast<std::size_t>(tache.question)].pris;
        const auto a = std::find_if(pris.begin(), pris.end(), du_tour(tache.chemin[0].faits));
        if (a == pris.end()) {
            return false;
        }
        a->chemin = chemin;
        rapporte();
        return true;
    }

    // Takes in what `tache` found: a question's answer, or a turn's value (none when the position
    // has no such turn). A question that reports says yes at its first turn that reaches its
    // threshold, and no when every turn is refuted.
    void rend(const Avancee& tache, std::optional<int> v) {
        const std::size_t n = static_cast<std::size_t>(tache.question);
        Partage& p = partages_[n];
        const int k = tache.chemin[0].faits;
        p.pris.erase(std::remove_if(p.pris.begin(), p.pris.end(), du_tour(k)), p.pris.end());
        if (p.finie) {
            return;
        }
        const int seuil = questions_[n].seuil;
        if (!suivi_) {
            finit(n, v);
            return;
        }
        if (!v) {
            p.nombre = std::min(p.nombre, k);
        } else {
            p.meilleure = static_cast<std::int8_t>(std::max<int>(p.meilleure, *v));
        }
        if (p.meilleure >= seuil) {
            finit(n, seuil);
        } else if (p.distribues >= p.nombre && p.pris.empty() && p.a_refaire.empty()) {
            finit(n, seuil - 1);
        }
        if (v || p.finie) {
            rapporte();
        }
    }

    // Ends question `n` with its answer `v`, none when it was left out.
    void finit(std::size_t n, std::optional<int> v) {
        Partage& p = partages_[n];
        p.finie = true;
        p.pris.clear();
        p.a_refaire.clear();
        const Question& q = questions_[n];
        Depart& d = departs_[static_cast<std::size_t>(q.depart)];
        if (v) {
            etat_.reponses[n] = static_cast<std::int8_t>(*v);
            d.haut = std::min(d.haut, *v < q.seuil ? *v : 1);
        }
        if (--d.restantes == 0) {
            d.valeur = d.haut;
        }
    }

    // Tells `suivi_` the state: for each question in the middle, its turns being searched and,
    // when the last turn handed out is settled, the one after it from its start, so that the
    // turns below the largest number given are settled but for those given.
    void rapporte() {
        std::vector<Avancee>& en_cours = etat_.en_cours;
        en_cours.clear();
        for (std::size_t n = 0; n < partages_.size(); ++n) {
            const Partage& p = partages_[n];
            if (p.finie) {
                continue;
            }
            bool dernier_en_vue = false;
            for (const std::vector<Avancee>* liste : {&p.a_refaire, &p.pris}) {
                for (Avancee a : *liste) {
                    dernier_en_vue = dernier_en_vue || a.chemin[0].faits == p.distribues - 1;
                    en_cours.push_back(std::move(a));
                }
            }
            if (p.distribues > 0 && !dernier_en_vue) {
                en_cours.push_back({static_cast<int>(n), {{p.distribues, p.meilleure}}});
            }
        }
        suivi_(etat_);
    }

    // The best result of the squares before `i` that are done.
    int plancher_de(int i) const {
        int plancher = -1;
        for (int j = 0; j < i; ++j) {
            plancher = std::max(plancher, valeur(j));
        }
        return plancher;
    }

    const Graphe& g_;
    int nb_ = 0;
    std::unique_ptr<Depart[]> departs_;
    std::vector<Question> questions_;
    std::vector<Partage> partages_;
    int en_vol_ = 0; // things handed out and not yet searched
    bool arrete_ = false;
    EtatPlacements etat_;
    std::function<void(const EtatPlacements&)> suivi_;
    std::mutex verrou_;
    std::condition_variable attente_;
};

// Notes in `r` that the solver stopped before the end, with the nodes it visited; true if so.
bool note_interruption(const Solveur& s, Resolution& r) {
    if (!s.interrompu()) {
        return false;
    }
    r.statut = Statut::interrompu;
    r.noeuds = s.noeuds();
    return true;
}

// Where a run starts: the best value among the turns an earlier run settled, with its turn in
// `r`; or, from the first turn, -2, below every value.
int reprend(const Reprise& reprise, Resolution& r) {
    if (reprise.faits <= 0) {
        return -2;
    }
    r.deplacement = reprise.jusque_la.deplacement;
    r.mur = reprise.jusque_la.mur;
    return static_cast<int>(reprise.jusque_la.valeur);
}

} // namespace

Resolution resout(const Regles& regles, const Tableau& tableau, Case moi, Case lui,
                  std::uint64_t noeuds_max, const std::atomic<bool>* arret,
                  const TableSolveur& choix, const Reprise& reprise) {
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
    Tables table = table_pour(g, noeuds_max, choix);
    Solveur s(g, table, noeuds_max, {arret, nullptr});
    int meilleure = reprend(reprise, r);
    int faits = 0;
    for (Masque cibles = g.voisins(a) & f; cibles != 0 && meilleure < 1;) {
        const int m = extrait(cibles);
        for (Masque murs = (f & ~bit(m)) | bit(a); murs != 0 && meilleure < 1;) {
            const int w = extrait(murs);
            if (faits++ < reprise.faits) {
                continue;
            }
            const int v = s.tour(f, a, b, m, w, std::max(meilleure, -1), 1);
            if (note_interruption(s, r)) {
                return r;
            }
            if (v > meilleure) {
                meilleure = v;
                r.deplacement = g.case_de(m);
                r.mur = g.case_de(w);
            }
            if (reprise.suivi) {
                r.valeur = verdict(meilleure);
                r.noeuds = s.noeuds();
                reprise.suivi(faits, r);
            }
        }
    }
    r.valeur = verdict(meilleure);
    r.noeuds = s.noeuds();
    return r;
}

ResolutionPlacement resout_placements(const Regles& regles, const Tableau& tableau,
                                      std::uint64_t noeuds_max, const std::atomic<bool>* arret,
                                      int fils, const TableSolveur& choix,
                                      const ReprisePlacements& reprise) {
    ResolutionPlacement r;
    r.libres = libres_du_plateau(regles, tableau);
    if (r.libres > LIBRES_MAX_SOLVEUR) {
        r.statut = Statut::trop_grand;
        return r;
    }
    const Graphe g(regles, tableau, {});
    Tables table = table_pour(g, noeuds_max, choix);
    Departs d(g, reprise);
    const std::uint64_t part = noeuds_max == 0 ? 0 : (noeuds_max + fils - 1) / fils;
    std::vector<std::thread> aides;
    std::vector<std::uint64_t> noeuds(static_cast<std::size_t>(fils));
    std::atomic<bool> abandon{false};
    const auto travail = [&](int t) {
        Solveur s(g, table, part, {arret, &abandon});
        d.evalue(s);
        abandon = abandon || s.interrompu();
        noeuds[static_cast<std::size_t>(t)] = s.noeuds();
    };
    for (int t = 1; t < fils; ++t) {
        aides.emplace_back(travail, t);
    }
    travail(0);
    for (std::thread& t : aides) {
        t.join();
    }
    r.noeuds = std::accumulate(noeuds.begin(), noeuds.end(), std::uint64_t{0});
    if (abandon) {
        r.statut = Statut::interrompu;
        return r;
    }
    const int depart = d.meilleur();
    r.depart = g.case_de(d.carre(depart));
    r.valeur = verdict(d.valeur(depart));
    return r;
}

} // namespace tessor
