// The screen model: every element of the main window whose visibility, position, picture, text
// or enabled state the game changes, as plain data named for what it shows. The game writes it;
// the Qt window draws it and feeds clicks back. Positions are pixels of the element's container.
#pragma once

#include "game/images.h"
#include "game/types.h"

#include <array>
#include <cstdint>
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

// The main window's client area, and the top-left corner of both side panels in it.
constexpr int16 LARGEUR_FENETRE = 640;
constexpr int16 HAUTEUR_FENETRE = 460;
constexpr int16 LEFT_PANNEAUX = 456;
constexpr int16 TOP_PANNEAUX = 8;

constexpr int NB_MARQUEURS = 143;       // wall markers 0 .. 142; marker 0 is never shown
constexpr int NB_LIGNES = COTE_MAX + 1; // grid lines 0 .. 12 of each direction
constexpr int NB_NUMEROS = COTE_MAX;    // coordinate labels 0 .. 11 of each direction

// What the status sign of the game panel says.
enum class Signe : std::uint8_t { placez_mur, placez_pion, deplacez_pion, match_nul, gagne };

struct Ecran {
    Ecran();

    // Shows the sign at the place each one has on the panel.
    void affiche_signe(Signe s);
    // Hides the grid, its numbers, the walls, the pawns, the last move's outlines and the
    // keyboard's cursor.
    void efface_plateau();
    // Hides the squares of both hints.
    void efface_aides();
    // What the sign shown says, for assistive technologies: "Placez votre pion", "Gagné !"...
    std::string texte_signe() const;

    // The faces of the window: the options screen covers everything else.
    Element options;
    Element panneau_jeu;
    Element panneau_aide;

    // The board.
    std::array<Ligne, NB_LIGNES> lignes_verticales;
    std::array<Ligne, NB_LIGNES> lignes_horizontales;
    std::array<Element, NB_NUMEROS> numeros_colonnes;
    std::array<Element, NB_NUMEROS> numeros_lignes;
    std::array<Element, NB_MARQUEURS> murs;
    std::array<Element, 2> pions;
    int pion_glisse = -1; // the pawn a computer has just moved, which glides to its square
    std::array<Element, 8> cases_accessibles; // the squares in reach
    Element case_conseillee;                  // the advised square
    Element curseur;                          // the keyboard's cursor
    // The outlines of the last move and wall: the square the pawn left, the one it reached, the
    // wall.
    std::array<Element, 3> dernier_coup;

    // The game panel.
    Element plaque_joueur; // "Joueur 1" or "Joueur 2"
    Element nom_au_trait;
    Element signe;
    Element image_signe; // on the sign: the pawn on turn, or the wall to put
    Element plaque_deplacement;
    Element bouton_aide;
    Element bouton_abandon;
    bool minuterie = false; // the 10 ms timer of a pressed picture button is armed

    // The help panel.
    std::array<Element, 2> interrupteurs_aide; // the move hint and the decision hint

    // The options screen.
    std::array<Element, 2> choix_pion;
    Element choix_mur;
    std::array<Element, 2> noms;
    std::array<Element, 2> niveaux;
    Element deplacement;
    Element texte_largeur;
    Element texte_hauteur;

  private:
    Signe signe_affiche_ = Signe::placez_pion;
};

} // namespace tessor
