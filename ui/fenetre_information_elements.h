// Builders for what the pages of the information window hold: plain-text labels, black lines,
// the maker's logo and the link labels. Positions are in pixels inside the page's border.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QWidget;

namespace tessor {

class EtiquetteLien;

namespace info {

// Colours of the pages' texts: the links and their captions, the blue headings, the green
// headings of the rules.
inline const QColor COULEUR_LIEN{0x40, 0x00, 0x00};
inline const QColor BLEU{0x00, 0x00, 0xFF};
inline const QColor VERT{0x1B, 0x96, 0x24};

// How a label's text is drawn.
struct Style {
    QFont police;
    QColor couleur = Qt::black;
    Qt::Alignment alignement = Qt::AlignLeft;
};

// The bundled sans font at `points`, bold and underlined as asked.
QFont police(double points, bool gras = false, bool souligne = false);

// A transparent label that wraps its plain text within `zone`.
QLabel* texte(QWidget& page, const QRect& zone, const QString& contenu, const Style& style);

// A transparent label on one line, as wide and high as its text.
QLabel* texte_ajuste(QWidget& page, QPoint coin, const QString& contenu, const Style& style);

// A 1-pixel black line from `debut` to `fin`, both included; horizontal or vertical.
void ligne(QWidget& page, QPoint debut, QPoint fin);

// The maker's logo, 32 x 32 inside a thin border.
void logo(QWidget& page, QPoint coin);

// A link label named `nom`, on one line, showing `contenu` and opening `adresse`.
EtiquetteLien* lien(QWidget& page, const char* nom, QPoint coin, const QString& contenu,
                    const QString& adresse);

} // namespace info
} // namespace tessor
