// The main window: the options screen, the board and the two side panels, drawn from the screen
// model. Every click and every key calls an action of the controller, then the window copies the
// model onto its widgets; the widgets never decide anything.
#pragma once

#include "ecran/controleur.h"
#include "game/hasard.h"
#include "menu.h"
#include "menu_contextuel.h"
#include "panneaux.h"
#include "pixmaps.h"
#include "plateau.h"
#include "services_qt.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <vector>

class QPropertyAnimation;
class QSettings;
class QShortcut;

namespace tessor {

class FenetreInformation;

class FenetrePrincipale : public QWidget {
  public:
    // Builds every element and draws the options screen. `horloge` is the clock of the game's
    // random draws; without `pauses` the computer plays without waiting (for tests). With a
    // `memoire`, the settings start as it holds them and it is written whenever they change.
    explicit FenetrePrincipale(Horloge horloge = horloge_systeme, bool pauses = true,
                               QSettings* memoire = nullptr);
    // A computer's decision still running is told to stop, and ends before the game goes away.
    ~FenetrePrincipale() override;

    Controleur& controleur() { return controleur_; }
    // Copies the window model onto the widgets: visibility, position, picture, text, enabled.
    void synchronise();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void connecte_menu();
    void connecte_panneaux();
    // The keys of a game, live only while a game shows: the arrows, Enter, F1 and Escape
    // wherever the focus stands in the window, Space on the board.
    void connecte_clavier();
    void connecte_menu_contextuel();
    // The clipboard's record, taken up or refused.
    void colle();
    // Runs an action of the controller, then redraws.
    template <typename Action> void agit(Action action) {
        action();
        synchronise();
    }
    void quitter();
    // "Aide" of the options screen and "Info" of the help panel: the information window.
    void ouvre_information();
    void presse_bouton_image(void (Controleur::*presse)());
    void relache_bouton();

    void synchronise_menu();
    void synchronise_plateau();
    // A pawn jumps to its square, but for a computer's move, which glides there.
    void place_pion(int k);
    void synchronise_panneau_jeu();
    void synchronise_panneau_aide();
    void synchronise_menu_contextuel();
    void memorise();

    Pixmaps pixmaps_;
    // The services outlive the game, whose decisions on the pool draw from the stream.
    HasardPartage hasard_;
    ServicesQt services_;
    Controleur controleur_;
    Plateau plateau_;
    PanneauAide panneau_aide_;
    PanneauJeu panneau_jeu_;
    Menu menu_;
    MenuContextuel menu_contextuel_;
    QSettings* memoire_;
    Reglages memorises_;     // as last read or written
    QTimer minuterie_{this}; // a picture button's press acts when it runs out
    std::array<QPropertyAnimation*, 2> glissements_{}; // none when the computer does not pause
    std::vector<QShortcut*> raccourcis_;
    FenetreInformation* information_ =
        nullptr; // created on its first opening, then kept with its last page
};

} // namespace tessor
