#include "partenaire.h"

#include "partenaire_alphabeta.h"

#include <functional>
#include <utility>

namespace tessor::analyse {

namespace {
using Decision = std::function<TourPartenaire(const Regles&, const EtatPartenaire&)>;

// A partner decides its whole turn when it moves, and then puts the wall it planned; asked for a
// wall without a plan for this board, it searches the wall alone. Its pawn starts on the free
// square with the most free squares one move away, the first in board order.
class Partenaire final : public Participant {
  public:
    explicit Partenaire(Decision decision) : decision_(std::move(decision)) {}

    std::optional<Case> action(const Partie& partie, Alea&, const std::atomic<bool>&) override {
        if (partie.phase() == Phase::placement) {
            return depart(partie.regles(), partie.tableau());
        }
        const int j = partie.joueur_courant();
        const EtatPartenaire etat{partie.tableau(),
                                  {partie.joueur(0).position, partie.joueur(1).position},
                                  j,
                                  partie.phase() == Phase::mur};
        if (etat.mur && mur_prevu_ && etat.tableau.libre(*mur_prevu_)) {
            return *std::exchange(mur_prevu_, std::nullopt);
        }
        const TourPartenaire tour = decision_(partie.regles(), etat);
        if (etat.mur) {
            return tour.mur;
        }
        mur_prevu_ = tour.mur;
        return tour.deplacement;
    }

  private:
    static Case depart(const Regles& regles, const Tableau& tableau) {
        Case meilleure;
        int plus = -1;
        for (int16 x = PREMIERE_CASE; x <= regles.derniere_colonne(); ++x) {
            for (int16 y = PREMIERE_CASE; y <= regles.derniere_ligne(); ++y) {
                const int n = regles.compte_case_dep(x, y, tableau);
                if (tableau.libre(x, y) && n > plus) {
                    plus = n;
                    meilleure = {x, y};
                }
            }
        }
        return meilleure;
    }

    Decision decision_;
    std::optional<Case> mur_prevu_;
};
} // namespace

std::unique_ptr<Participant> partenaire_uct(int parcours, std::uint64_t graine) {
    return std::make_unique<Partenaire>(
        [parcours, hasard = Hasard(graine)](const Regles& regles,
                                            const EtatPartenaire& etat) mutable {
            return decide_uct(regles, etat, parcours, hasard);
        });
}

std::unique_ptr<Participant> partenaire_alphabeta(std::uint64_t noeuds) {
    return std::make_unique<Partenaire>([noeuds](const Regles& regles, const EtatPartenaire& etat) {
        return decide_alphabeta(regles, etat, noeuds);
    });
}

} // namespace tessor::analyse
