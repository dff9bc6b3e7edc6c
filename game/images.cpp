#include "images.h"

#include <array>

namespace tessor {

const char* nom_image(Image image) {
    static constexpr std::array<const char*, NB_IMAGES> noms{
        "",
        "texture",
        "planche_aide",
        "planche_jeu",
        "plaque_joueur1",
        "plaque_joueur2",
        "plaque_nom",
        "plaque_deplacement",
        "plaque_roi",
        "plaque_cavalier",
        "bouton_aide",
        "bouton_aide_enfonce",
        "bouton_quitter",
        "bouton_quitter_enfonce",
        "panneau_placez_mur",
        "panneau_placez_pion",
        "panneau_deplacez_pion",
        "panneau_match_nul",
        "panneau_gagne",
        "pion_00_kart",
        "pion_01_motard",
        "pion_02_voiture",
        "pion_03_avion_helice",
        "pion_04_avion_chasse",
        "pion_05_avion_gris",
        "pion_06_dauphin",
        "pion_07_chien",
        "pion_08_mouette",
        "pion_09_heaume",
        "pion_10_soldat",
        "pion_11_soldat2",
        "mur_00_briques",
        "mur_01_sens_interdit",
        "mur_02_orage",
        "mur_03_chateau",
        "mur_04_blason",
        "pastille",
        "cible",
        "mur_plein",
        "mur_vide",
        "logo",
        "icone",
        "icone_info",
    };
    return noms[static_cast<std::size_t>(image)];
}

} // namespace tessor
