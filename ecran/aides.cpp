#include "aides.h"

#include "ai/ordinateur.h"

namespace tessor {

void Aides::bascule(Aide aide, const Partie& partie, bool en_partie) {
    const auto k = static_cast<std::size_t>(aide);
    if (actives_[k]) {
        actives_[k] = false;
        ecran_.interrupteurs_aide[k].image = Image::mur_vide;
        if (aide == Aide::deplacements) {
            for (Element& c : ecran_.cases_accessibles) {
                c.visible = false;
            }
        } else {
            ecran_.case_conseillee.visible = false;
        }
        return;
    }
    if (!en_partie || partie.phase() == Phase::placement) {
        return;
    }
    actives_[k] = true;
    ecran_.interrupteurs_aide[k].image = Image::mur_plein;
    aide == Aide::deplacements ? montre_deplacements(partie) : montre_conseil(partie);
}

void Aides::montre(const Partie& partie) {
    if (actives_[0]) {
        montre_deplacements(partie);
    }
    if (actives_[1]) {
        montre_conseil(partie);
    }
}

void Aides::coche() {
    for (std::size_t k = 0; k < 2; ++k) {
        ecran_.interrupteurs_aide[k].image = actives_[k] ? Image::mur_plein : Image::mur_vide;
    }
}

void Aides::oublie() {
    gardees_ = {};
    ecran_.efface_aides();
}

// Marks the free squares one move away; marks beyond the count found keep their state.
void Aides::montre_deplacements(const Partie& partie) {
    const Case position = partie.joueur(partie.joueur_courant()).position;
    std::size_t n = 0;
    for (Decalage d : partie.regles().decalages()) {
        const Case cible = decale(position, d);
        if (partie.tableau().libre(cible)) {
            geometrie_.place(ecran_.cases_accessibles[n++], cible);
        }
    }
}

// The level-3 choice in the player's place, with the player's own depth.
void Aides::montre_conseil(const Partie& partie) {
    const Joueur& joueur = partie.joueur(partie.joueur_courant());
    const Case adverse = partie.joueur(partie.adversaire()).position;
    Ordinateur ordinateur(partie.regles(), alea_, joueur.profondeur);
    geometrie_.place(ecran_.case_conseillee,
                     ordinateur.choisit_deplacement(joueur.position, adverse, joueur.profondeur, 3,
                                                    partie.tableau()));
}

} // namespace tessor
