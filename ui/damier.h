// The board as one control. During a game it lies over the grid, draws nothing and lets the
// pointer through; it takes the keyboard focus, on which Space clicks the cursor's square, and
// assistive technologies see it as a table of squares, each named for what stands on it.
#pragma once

#include "ecran/controleur.h"

#include <QStringList>
#include <QWidget>

class QAccessibleInterface;

namespace tessor {

class Damier : public QWidget {
    Q_OBJECT

  public:
    Damier(QWidget* fenetre, const Controleur& controleur);

    int colonnes() const { return controleur_.partie().regles().largeur; }
    int lignes() const { return controleur_.partie().regles().hauteur; }
    // What stands on the square of row `ligne` and column `colonne`, both from 0.
    QString texte(int ligne, int colonne) const;
    // The index, row by row, of the square the cursor shows on, or -1.
    int case_du_curseur() const;

    // Follows the game: the board's place and size, shown only during a game, and tells
    // assistive technologies which squares changed and where the cursor went.
    void synchronise();

  signals:
    void espace();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void annonce();

    const Controleur& controleur_;
    QStringList textes_; // the squares' texts as last told
    int curseur_ = -1;   // the cursor's square as last told
};

// The board's table of squares for assistive technologies.
QAccessibleInterface* accessible_damier(Damier* damier);

} // namespace tessor
