// Small builders for the plain controls of the main window: labels, buttons, lines and
// rectangles, each placed at a fixed position in its container and named after its control.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QWidget;

namespace tessor {

// The colour of the board's keyboard cursor. It stands apart from the grey and red hint squares.
inline const QColor BLEU_CLAVIER{0x00, 0x40, 0xFF};

// Name of element `indice` of a control array, "mur(5)": tests and tools find controls by it.
QString nom_indice(const char* nom, int indice);

// Makes `label` a transparent label at `r` that wraps its text within its width and never reads
// it as markup.
void habille(QLabel* label, const QRect& r, const QFont& police, const QColor& couleur,
             Qt::Alignment alignement);

// A new label dressed by `habille`, showing `texte`.
QLabel* etiquette(QWidget* parent, const QRect& r, const QString& texte, const QFont& police,
                  const QColor& couleur, Qt::Alignment alignement);

QPushButton* bouton(QWidget* parent, const QRect& r, const QString& texte, const QFont& police);

// A solid rectangle that lets the pointer through to what lies beneath (grid lines, hints).
QWidget* rectangle_plein(QWidget* parent, const QRect& r, const QColor& couleur);

// A frame, black and 1 pixel wide unless asked otherwise, that lets the pointer through.
QWidget* rectangle_vide(QWidget* parent, const QRect& r, const QColor& couleur = Qt::black,
                        int epaisseur = 1);

} // namespace tessor
