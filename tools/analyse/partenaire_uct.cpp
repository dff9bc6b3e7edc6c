#include "partenaire_uct.h"

#include <algorithm>
#include <cmath>

namespace tessor::analyse {

namespace {
// The weight of exploration in the UCT bound, for results between 0 and 1.
constexpr double EXPLORATION = 0.7;

struct Noeud {
    Case action;
    int parent = -1;
    int premier = 0; // the first of its `nombre` children, none until the node is developed
    int nombre = 0;
    int visites = 0;
    double gains = 0.0; // summed results for the player who played `action`
    int joueur = 0;     // the player who played `action`
    Issue issue = Issue::en_cours;
};

// The result of a finished game for player 0: 1 won, 0.5 drawn, 0 lost.
double pour_joueur_0(Issue issue, int joueur) {
    if (issue == Issue::nul) {
        return 0.5;
    }
    return (issue == Issue::gagne) == (joueur == 0) ? 1.0 : 0.0;
}

class Arbre {
  public:
    Arbre(const Regles& regles, const EtatPartenaire& racine, Hasard& hasard)
        : regles_(regles), racine_(racine), hasard_(hasard) {
        noeuds_.push_back({});
        noeuds_[0].joueur = 1 - racine.joueur;
    }

    // One descent by the UCT bound, one playout from the new leaf, and its result backed up.
    void parcourt() {
        EtatPartenaire etat = racine_;
        int n = 0;
        while (noeuds_[n].issue == Issue::en_cours) {
            if (noeuds_[n].nombre == 0) {
                if (n != 0 && noeuds_[n].visites == 0) {
                    break;
                }
                developpe(n, etat);
            }
            n = choisit(n);
            noeuds_[n].issue = joue_action(regles_, etat, noeuds_[n].action);
        }
        const Noeud& feuille = noeuds_[n];
        const double r = feuille.issue == Issue::en_cours
                             ? joue_au_hasard(etat)
                             : pour_joueur_0(feuille.issue, feuille.joueur);
        for (; n >= 0; n = noeuds_[n].parent) {
            ++noeuds_[n].visites;
            noeuds_[n].gains += noeuds_[n].joueur == 0 ? r : 1.0 - r;
        }
    }

    TourPartenaire meilleur_tour() const {
        const Case moi = racine_.moi();
        const Noeud& premier = noeuds_[plus_visite(0)];
        if (racine_.mur) {
            return {moi, premier.action};
        }
        if (premier.nombre > 0) {
            return {premier.action, noeuds_[plus_visite(plus_visite(0))].action};
        }
        EtatPartenaire apres = racine_;
        joue_action(regles_, apres, premier.action);
        return {premier.action, actions(regles_, apres, true).front()};
    }

  private:
    void developpe(int n, const EtatPartenaire& etat) {
        const std::vector<Case> liste = actions(regles_, etat, true);
        noeuds_[n].premier = static_cast<int>(noeuds_.size());
        noeuds_[n].nombre = static_cast<int>(liste.size());
        for (Case c : liste) {
            Noeud enfant;
            enfant.action = c;
            enfant.parent = n;
            enfant.joueur = etat.joueur;
            noeuds_.push_back(enfant);
        }
    }

    // A child never visited first, in the order of the actions; then the highest UCT bound.
    int choisit(int n) const {
        const Noeud& parent = noeuds_[n];
        const double log_n = std::log(static_cast<double>(parent.visites));
        int meilleur = parent.premier;
        double borne = -1.0;
        for (int c = parent.premier; c < parent.premier + parent.nombre; ++c) {
            const Noeud& e = noeuds_[c];
            if (e.visites == 0) {
                return c;
            }
            const double b = e.gains / e.visites + EXPLORATION * std::sqrt(log_n / e.visites);
            if (b > borne) {
                borne = b;
                meilleur = c;
            }
        }
        return meilleur;
    }

    // The most visited child, the first of equals.
    int plus_visite(int n) const {
        const auto premier = noeuds_.begin() + noeuds_[n].premier;
        const auto meilleur =
            std::max_element(premier, premier + noeuds_[n].nombre,
                             [](const Noeud& a, const Noeud& b) { return a.visites < b.visites; });
        return static_cast<int>(meilleur - noeuds_.begin());
    }

    Case tire(const Voisins& v) {
        return v.cases[static_cast<int>(hasard_.tirage() * static_cast<float>(v.nombre))];
    }

    // The game played to its end from `etat`; its result for player 0.
    double joue_au_hasard(EtatPartenaire etat) {
        for (;;) {
            const Case quittee = etat.moi();
            if (!etat.mur) {
                const Voisins v = voisins_libres(regles_, etat.tableau, quittee);
                const Case a = tire(v);
                const Case b = tire(v);
                const Tableau& t = etat.tableau;
                joue_action(regles_, etat,
                            regles_.compte_case_dep(a.x, a.y, t) >=
                                    regles_.compte_case_dep(b.x, b.y, t)
                                ? a
                                : b);
            }
            const Voisins w = voisins_libres(regles_, etat.tableau, etat.lui());
            const int joueur = etat.joueur;
            const Issue issue =
                joue_action(regles_, etat, w.nombre > 0 ? tire(w) : libre_apres(etat, quittee));
            if (issue != Issue::en_cours) {
                return pour_joueur_0(issue, joueur);
            }
        }
    }

    // A free square for the wall when none is next to the other pawn: the one the pawn left, or
    // when the turn began at the wall, the first free square.
    Case libre_apres(const EtatPartenaire& etat, Case quittee) const {
        if (etat.tableau.libre(quittee)) {
            return quittee;
        }
        return actions(regles_, etat, false).front();
    }

    const Regles& regles_;
    const EtatPartenaire& racine_;
    Hasard& hasard_;
    std::vector<Noeud> noeuds_;
};
} // namespace

TourPartenaire decide_uct(const Regles& regles, const EtatPartenaire& etat, int parcours,
                          Hasard& hasard) {
    Arbre arbre(regles, etat, hasard);
    for (int k = 0; k < parcours; ++k) {
        arbre.parcourt();
    }
    return arbre.meilleur_tour();
}

} // namespace tessor::analyse
