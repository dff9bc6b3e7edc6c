// The two wooden side panels that take turns at the right of the board during a game: the game
// panel `sspanel3` (whose turn it is, the phase sign, the "Aide" and "Quitter" buttons) and the
// help panel `sspanel5` (the rules, the two hint switches, "Info" and "Retour").
#pragma once

#include <array>

class QLabel;
class QPushButton;
class QWidget;

namespace tessor {

class Picture;
class Pixmaps;
class Pointeur;

struct PanneauJeu {
    Picture* sspanel3 = nullptr;
    Picture* aff_joueur = nullptr; // plaque of the player on turn
    QLabel* label7 = nullptr;      // name of the player on turn
    Picture* picture2 = nullptr;   // the phase sign
    Picture* image1_3 = nullptr;   // the small picture on the sign
    Picture* picture4 = nullptr;   // the movement plaque
    Picture* picture5 = nullptr;   // "Aide" button
    Picture* picture6 = nullptr;   // "Quitter" button
    Pointeur* clic_picture5 = nullptr;
    Pointeur* clic_picture6 = nullptr;
};

struct PanneauAide {
    Picture* sspanel5 = nullptr;
    std::array<Picture*, 2> bouton_aide{}; // the two hint switches
    std::array<Pointeur*, 2> clic_bouton_aide{};
    std::array<Pointeur*, 2> clic_label5{}; // their captions
    QPushButton* info = nullptr;            // "Info": the information window
    Pointeur* clic_command4 = nullptr;      // "Retour", over the plaque painted on the board
};

PanneauJeu construit_panneau_jeu(QWidget* fenetre, Pixmaps& pixmaps);
PanneauAide construit_panneau_aide(QWidget* fenetre, Pixmaps& pixmaps);

} // namespace tessor
