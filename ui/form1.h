// The main window: the options screen, the board and the two side panels, drawn from the game's
// window model. Every click calls a procedure of the game, then the window copies the model onto
// its widgets; the widgets never decide anything.
#pragma once

#include "game/jeu.h"
#include "menu.h"
#include "panneaux.h"
#include "pixmaps.h"
#include "plateau.h"
#include "plateforme_qt.h"

#include <QTimer>
#include <QWidget>

namespace tessor {

class Form2;

class Form1 : public QWidget {
  public:
    // Builds every element, runs the game's start-up (`Form_Load`) and draws the options screen.
    // `horloge` is the clock of the game's random draws.
    explicit Form1(Horloge horloge = horloge_systeme);

    Jeu& jeu() { return jeu_; }
    // Copies the window model onto the widgets: visibility, position, picture, text, enabled.
    void synchronise();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void connecte_menu();
    void connecte_panneaux();
    // Runs a procedure of the game, then redraws.
    template <typename Procedure> void agit(Procedure procedure) {
        procedure();
        synchronise();
    }
    void Command3_Click(int index);
    // "Aide" of the options screen and "Info" of the help panel: the information window.
    void Aide_Click();
    void presse_bouton_image(void (Jeu::*click)());
    void Timer1_Timer();

    void synchronise_menu();
    void synchronise_plateau();
    void synchronise_panneau_jeu();
    void synchronise_panneau_aide();

    Pixmaps pixmaps_;
    PlateformeQt plateforme_;
    Jeu jeu_;
    Plateau plateau_;
    PanneauAide panneau_aide_;
    PanneauJeu panneau_jeu_;
    Menu menu_;
    QTimer timer1_;
    Form2* form2_ = nullptr; // created on its first opening, then kept with its last page
};

} // namespace tessor
