#include "partenaire_alphabeta.h"

#include <cstdlib>

namespace tessor::analyse {

namespace {
constexpr int VICTOIRE = 10000;

int libres(const Regles& regles, const Tableau& tableau, Case c) {
    return voisins_libres(regles, tableau, c).nombre;
}

class AlphaBeta {
  public:
    AlphaBeta(const Regles& regles, std::uint64_t budget) : regles_(regles), budget_(budget) {}

    // The value of `etat` for its player on turn, `demi` actions deep (a move or a wall each),
    // `tours` whole turns below the decision. At the decision's own turn it keeps the action
    // that raised alpha last, move and wall.
    int valeur(const EtatPartenaire& etat, int demi, int alpha, int beta, int tours) {
        if (++noeuds_ > budget_) {
            epuise_ = true;
            return 0;
        }
        if (demi == 0) {
            return libres(regles_, etat.tableau, etat.moi()) -
                   libres(regles_, etat.tableau, etat.lui());
        }
        for (Case a : actions(regles_, etat, false)) {
            EtatPartenaire suite = etat;
            const Issue issue = joue_action(regles_, suite, a);
            int v = 0;
            if (issue == Issue::gagne || issue == Issue::perd) {
                v = issue == Issue::gagne ? VICTOIRE - tours : tours - VICTOIRE;
            } else if (issue == Issue::en_cours) {
                v = suite.mur ? valeur(suite, demi - 1, alpha, beta, tours)
                              : -valeur(suite, demi - 1, -beta, -alpha, tours + 1);
            }
            if (epuise_) {
                return 0;
            }
            if (v > alpha) {
                alpha = v;
                if (tours == 0) {
                    (etat.mur ? tour_.mur : tour_.deplacement) = a;
                }
            }
            if (alpha >= beta) {
                break;
            }
        }
        return alpha;
    }

    bool epuise() const { return epuise_; }
    // The decision's turn as the last search left it.
    TourPartenaire tour() const { return tour_; }
    void place(TourPartenaire tour) { tour_ = tour; }

  private:
    const Regles& regles_;
    std::uint64_t budget_;
    std::uint64_t noeuds_ = 0;
    bool epuise_ = false;
    TourPartenaire tour_;
};

// The first action of `etat`, and the first wall after it.
TourPartenaire premier_tour(const Regles& regles, const EtatPartenaire& etat) {
    EtatPartenaire suite = etat;
    const Case a = actions(regles, etat, false).front();
    if (etat.mur) {
        return {etat.moi(), a};
    }
    joue_action(regles, suite, a);
    return {a, actions(regles, suite, false).front()};
}
} // namespace

TourPartenaire decide_alphabeta(const Regles& regles, const EtatPartenaire& etat,
                                std::uint64_t noeuds) {
    TourPartenaire meilleur = premier_tour(regles, etat);
    AlphaBeta recherche(regles, noeuds);
    // One whole turn deeper each time, until the budget runs out or a result is proven.
    for (int demi = etat.mur ? 1 : 2;; demi += 2) {
        recherche.place(meilleur);
        const int v = recherche.valeur(etat, demi, -2 * VICTOIRE, 2 * VICTOIRE, 0);
        if (recherche.epuise()) {
            break;
        }
        meilleur = recherche.tour();
        if (std::abs(v) >= VICTOIRE - demi) {
            break;
        }
    }
    return meilleur;
}

} // namespace tessor::analyse
