// The window model: every element of the main window whose visibility, position, picture, text
// or enabled state the program changes, as plain data. The game writes it; the Qt window draws
// it and feeds clicks back. Positions are pixels of the element's container, except the status
// sign Picture2(0), whose Left and Top are kept in twips (15 to the pixel) like its panel layout.
#pragma once

#include "images.h"
#include "types.h"

#include <array>
#include <string>

namespace tessor {

struct Element {
    bool visible = false;
    int16 left = 0;
    int16 top = 0;
    Image image = Image::aucune;
    std::string texte;
    bool actif = true;
};

// A 1-pixel black line from (x1, y1) to (x2, y2).
struct Ligne {
    bool visible = false;
    int16 x1 = 0;
    int16 y1 = 0;
    int16 x2 = 0;
    int16 y2 = 0;
};

constexpr int NB_MARQUEURS = 143; // wall markers 0 .. 142; marker 0 is never shown
constexpr int NB_LIGNES = 13;     // grid lines 0 .. 12 of each direction
constexpr int NB_LETTRES = 12;    // coordinate labels 0 .. 11 of each direction

struct Fenetre {
    Fenetre();

    // Faces of the window.
    Element menu;     // the options screen
    Element sspanel3; // game panel
    Element sspanel5; // help panel

    // Board elements.
    std::array<Ligne, NB_LIGNES> lignevert;
    std::array<Ligne, NB_LIGNES> lignehori;
    std::array<Element, NB_LETTRES> lettrehaut;
    std::array<Element, NB_LETTRES> lettregauche;
    std::array<Element, NB_MARQUEURS> mur;
    std::array<Element, 2> dessinpion;
    std::array<Element, 8> cible2;
    Element aidepion;

    // Picture stores, never shown themselves.
    std::array<Element, NB_PIONS> dessin;
    std::array<Element, NB_MURS_DESSINS> dessinmur;

    // Game panel.
    std::array<Element, 3> aff_joueur; // 0 shown; 1 "Joueur 1" and 2 "Joueur 2" stored
    Element label7;                    // name of the player on turn
    std::array<Element, 6> picture2;   // 0 the sign; 1 .. 5 stored signs
    std::array<Element, 3> picture4;   // 0 shown; 1 "Roi", 2 "Cavalier"
    std::array<Element, 3> picture5;   // "Aide" button: 0 shown, 1 pressed, 2 normal
    std::array<Element, 3> picture6;   // "Quitter" button: 0 shown, 1 pressed, 2 normal
    bool timer1 = false;               // the 10 ms press timer is armed

    // Help panel.
    std::array<Element, 2> bouton_aide; // the two hint switches
    Element mur_vide;
    Element mur_plein;

    // Options screen; Image1(3) is the small picture on the status sign.
    std::array<Element, 4> image1;
    std::array<Element, 2> text1;    // name boxes
    std::array<Element, 3> command1; // level buttons of both players, movement button
    std::array<Element, 2> label2;   // board width and height
};

// Status-sign positions in twips inside the game panel.
constexpr int16 SIGNE_LEFT = 490;
constexpr int16 SIGNE_LEFT_FIN = 505;
constexpr int16 SIGNE_TOP_HAUT = 2100;
constexpr int16 SIGNE_TOP_BAS = 2115;

} // namespace tessor
