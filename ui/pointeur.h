// Makes a control take the pointer itself, as pictures, labels and panels do: moves and clicks
// over it stop there instead of reaching the board beneath, and it reports its presses and
// clicks.
#pragma once

#include <QObject>

namespace tessor {

class Pointeur : public QObject {
    Q_OBJECT

  public:
    // Installs itself on `controle` (its parent) and turns the control's mouse tracking on, so
    // that moves without a button stop at the control too.
    explicit Pointeur(QWidget* controle);

  signals:
    // Any button pressed on the control.
    void presse();
    // The left button pressed and released on the control.
    void clique();

  protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
};

// Shorthand: the control takes the pointer; returns its reporter.
Pointeur* prend_pointeur(QWidget* controle);

} // namespace tessor
