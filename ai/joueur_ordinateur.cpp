#include "joueur_ordinateur.h"

#include "ordinateur.h"

namespace tessor {

namespace {
// Levels 1 to 4 decide each action from the mobility tables, on a copy of the board that their
// trials change. The wall is chosen with the opponent's own depth, from the computer's new
// square.
class Classique final : public Participant {
  public:
    bool ordinateur() const override { return true; }

    std::optional<Case> action(const Partie& partie, Plateforme& plateforme) override {
        const Joueur& moi = partie.joueur(partie.joueur_courant());
        const Joueur& lui = partie.joueur(partie.adversaire());
        Ordinateur ordinateur(partie.regles(), plateforme, moi.profondeur);
        Tableau essai = partie.tableau();
        Case c = moi.position;
        switch (partie.phase()) {
        case Phase::placement:
            ordinateur.place_pion_ordi(c, moi.profondeur, essai);
            break;
        case Phase::deplacement:
            ordinateur.dep_ordi(c, lui.position, moi.profondeur, moi.niveau, essai);
            break;
        case Phase::mur: {
            c = lui.position;
            float score = 0.0f;
            ordinateur.place_casenoir(c, moi.position, lui.position, score, lui.profondeur, essai);
            break;
        }
        }
        return c;
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
