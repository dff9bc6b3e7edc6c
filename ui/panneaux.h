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
class CadreImage;
class Pixmaps;
class Pointeur;

struct PanneauJeu {
    CadreImage* planche_jeu = nullptr;
    CadreImage* plaque_joueur = nullptr;      // plaque of the player on turn
    QLabel* nom_au_trait = nullptr;           // name of the player on turn
    CadreImage* signe = nullptr;              // the phase sign
    CadreImage* image_signe = nullptr;        // the small picture on the sign
    CadreImage* plaque_deplacement = nullptr; // the movement plaque
    CadreImage* bouton_aide = nullptr;        // "Aide" button
    CadreImage* bouton_abandon = nullptr;     // "Quitter" button
    Pointeur* clic_aide = nullptr;
    Pointeur* clic_abandon = nullptr;
    ImageAccessible* acces_aide = nullptr;
    ImageAccessible* acces_abandon = nullptr;
};

struct PanneauAide {
    CadreImage* planche_aide = nullptr;
    std::array<CadreImage*, 2> interrupteurs{}; // the two hint switches
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
