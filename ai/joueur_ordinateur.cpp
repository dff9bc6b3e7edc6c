#include "joueur_ordinateur.h"

#include "ordinateur.h"

namespace tessor {

namespace {
// Levels 1 to 4 decide each action from the mobility tables. The wall is chosen with the
// opponent's own depth, from the computer's new square.
class Classique final : public Participant {
  public:
    bool ordinateur() const override { return true; }

    std::optional<Case> action(const Partie& partie, Plateforme& plateforme) override {
        const Joueur& moi = partie.joueur(partie.joueur_courant());
        const Joueur& lui = partie.joueur(partie.adversaire());
        Ordinateur ordinateur(partie.regles(), plateforme, moi.profondeur);
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
            .casenoir;
    }
};
} // namespace

std::unique_ptr<Participant> ordinateur_du_niveau(int16) {
    return std::make_unique<Classique>();
}

void joue_partie(Partie& partie, Plateforme& plateforme,
                 const std::function<void(const Evenement&)>& ecoute) {
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
        const std::optional<Case> c = joueurs[partie.joueur_courant()]->action(partie, plateforme);
        raconte(partie.joue(*c));
    }
}

} // namespace tessor
