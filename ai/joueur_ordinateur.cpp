#include "joueur_ordinateur.h"

#include "modele_niveau.h"
#include "ordinateur.h"
#include "recherche/recherche.h"

namespace tessor {

namespace {
// Levels 1 to 4 decide each action from the mobility tables. The wall is chosen with the
// opponent's own depth, from the computer's new square.
class Classique final : public Participant {
  public:
    std::optional<Case> action(const Partie& partie, Alea& alea,
                               const std::atomic<bool>&) override {
        const Joueur& moi = partie.joueur(partie.joueur_courant());
        const Joueur& lui = partie.joueur(partie.adversaire());
        Ordinateur ordinateur(partie.regles(), alea, moi.profondeur);
        const Tableau& tableau = partie.tableau();
        switch (partie.phase()) {
        case Phase::placement:
            return ordinateur.choisit_depart(moi.profondeur, tableau);
        case Phase::deplacement:
            return ordinateur.choisit_deplacement(moi.position, lui.position, moi.profondeur,
                                                  moi.niveau, tableau);
        case Phase::mur:
            break;
        }
        return ordinateur
            .choisit_mur(lui.position, moi.position, lui.position, lui.profondeur, tableau)
            .case_mur;
    }
};
// Level 5 searches its placement, and its move and wall together: the move is played first, and
// the wall planned with it follows. It draws no random number. Against levels 1 to 4 it knows how
// the other player chooses, and searches against those choices.
class JoueurRecherche final : public Participant {
  public:
    std::optional<Case> action(const Partie& partie, Alea&,
                               const std::atomic<bool>& arret) override {
        const Joueur& moi = partie.joueur(partie.joueur_courant());
        const Joueur& lui = partie.joueur(partie.adversaire());
        std::optional<ModeleNiveau> modele;
        if (lui.niveau > 0 && lui.niveau < NIVEAU_MAX) {
            modele.emplace(partie.regles(), lui.niveau, lui.profondeur, moi.profondeur);
        }
        ModeleAdverse* m = modele ? &*modele : nullptr;
        const std::uint64_t budget = budget_de(m);
        switch (partie.phase()) {
        case Phase::placement: {
            // Player 1 places second, the other pawn on the board; player 0 places first.
            const std::optional<Case> adverse =
                partie.joueur_courant() == 1 ? std::optional<Case>(lui.position) : std::nullopt;
            return decide_placement(partie.regles(), partie.tableau(), adverse, budget, &arret,
                                    std::nullopt, m)
                .depart;
        }
        case Phase::deplacement: {
            const DecisionTour tour = decide_tour(partie.regles(), partie.tableau(), moi.position,
                                                  lui.position, budget, &arret, std::nullopt, m);
            mur_prevu_ = tour.mur;
            return tour.deplacement;
        }
        case Phase::mur:
            break;
        }
        return mur_prevu_;
    }

  private:
    // The wall planned with the move, which the wall phase that follows it plays.
    std::optional<Case> mur_prevu_;
};
} // namespace

std::unique_ptr<Participant> ordinateur_du_niveau(int16 niveau) {
    if (niveau == NIVEAU_MAX) {
        return std::make_unique<JoueurRecherche>();
    }
    return std::make_unique<Classique>();
}

void joue_partie(Partie& partie, Alea& alea, const std::function<void(const Evenement&)>& ecoute) {
    const auto raconte = [&ecoute](const Evenements& evenements) {
        for (const Evenement& e : evenements) {
            ecoute(e);
        }
    };
    raconte(partie.commence());
    partie.applique_niveaux();
    const std::array<std::unique_ptr<Participant>, 2> joueurs{
        ordinateur_du_niveau(partie.joueur(0).niveau),
        ordinateur_du_niveau(partie.joueur(1).niveau)};
    while (!partie.finie()) {
        const std::optional<Case> c = joueurs[partie.joueur_courant()]->decide(partie, alea);
        raconte(partie.joue(*c));
    }
}

} // namespace tessor
