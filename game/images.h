// The built-in pictures, named by what they show. The window model refers to pictures by these
// identifiers; the Qt window loads each one from the resource ":/images/<name>.png".
#pragma once

#include <cstdint>

namespace tessor {

enum class Image : std::uint8_t {
    aucune,
    texture,
    planche_aide,
    planche_jeu,
    plaque_joueur1,
    plaque_joueur2,
    plaque_nom,
    plaque_deplacement,
    plaque_roi,
    plaque_cavalier,
    bouton_aide,
    bouton_aide_enfonce,
    bouton_quitter,
    bouton_quitter_enfonce,
    panneau_placez_mur,
    panneau_placez_pion,
    panneau_deplacez_pion,
    panneau_match_nul,
    panneau_gagne,
    pion_00, // go-kart; the twelve pawn pictures follow in order
    pion_01,
    pion_02,
    pion_03,
    pion_04,
    pion_05,
    pion_06,
    pion_07,
    pion_08,
    pion_09,
    pion_10,
    pion_11,
    mur_00, // brick wall on grass; the five wall pictures follow in order
    mur_01,
    mur_02,
    mur_03,
    mur_04,
    pastille,
    cible,
    mur_plein,
    mur_vide,
    logo,
    icone,
    icone_info,
};

constexpr int NB_IMAGES = static_cast<int>(Image::icone_info) + 1;
constexpr int NB_PIONS = 12;
constexpr int NB_MURS_DESSINS = 5;

constexpr Image image_pion(int k) {
    return static_cast<Image>(static_cast<int>(Image::pion_00) + k);
}
constexpr Image image_mur(int k) {
    return static_cast<Image>(static_cast<int>(Image::mur_00) + k);
}

// File name (without ".png") of each picture; empty for `aucune`.
const char* nom_image(Image image);

} // namespace tessor
