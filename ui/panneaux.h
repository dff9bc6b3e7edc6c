// The two wooden side panels that take turns at the right of the board during a game: the game
// panel `planche_jeu` (whose turn it is, the phase sign, the "Aide" and "Quitter" buttons) and the
// help panel `planche_aide` (the rules, the two hint switches, "Info" and "Retour").
#pragma once

#include <array>

class QLabel;
class QPushButton;
class QWidget;

namespace tessor {

class ImageAccessible;
class Picture;
class Pixmaps;
class Pointeur;

struct PanneauJeu {
    Picture* planche_jeu = nullptr;
    Picture* plaque_joueur = nullptr;      // plaque of the player on turn
    QLabel* nom_au_trait = nullptr;        // name of the player on turn
    Picture* signe = nullptr;              // the phase sign
    Picture* image_signe = nullptr;        // the small picture on the sign
    Picture* plaque_deplacement = nullptr; // the movement plaque
    Picture* bouton_aide = nullptr;        // "Aide" button
    Picture* bouton_abandon = nullptr;     // "Quitter" button
    Pointeur* clic_aide = nullptr;
    Pointeur* clic_abandon = nullptr;
    ImageAccessible* acces_aide = nullptr;
    ImageAccessible* acces_abandon = nullptr;
};

struct PanneauAide {
    Picture* planche_aide = nullptr;
    std::array<Picture*, 2> interrupteurs{}; // the two hint switches
    std::array<Pointeur*, 2> clic_interrupteurs{};
    std::array<Pointeur*, 2> clic_legendes{}; // their captions
    QPushButton* info = nullptr;              // "Info": the information window
    Pointeur* clic_retour = nullptr;          // "Retour", over the plaque painted on the board
    std::array<ImageAccessible*, 2> acces_interrupteurs{};
    ImageAccessible* acces_retour = nullptr;
};

PanneauJeu construit_panneau_jeu(QWidget* fenetre, Pixmaps& pixmaps);
PanneauAide construit_panneau_aide(QWidget* fenetre, Pixmaps& pixmaps);

} // namespace tessor
