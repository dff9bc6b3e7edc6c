// The splash window: a small black borderless window saying that the game is loading. It is
// the first window of the program; its one-shot timer hands over to the main window.
#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

namespace tessor {

class Chargement : public QWidget {
    Q_OBJECT

  public:
    // `passage` builds and shows the main window; it runs on the timer's first tick.
    explicit Chargement(std::function<void()> passage);

    // Centres the window on the screen, shows it and starts the 1 ms one-shot timer.
    void demarre();
    // Stops the timer: the main window does this while it starts up.
    void arrete_minuterie();

  private:
    void passe_a_la_fenetre();

    std::function<void()> passage_;
    QTimer* minuterie_;
};

} // namespace tessor
