#include "panneau_relief.h"

#include <QPainter>

namespace tessor {

namespace {

constexpr int LARGEUR_BISEAU = 2;
// Height of the band at the top of the panel where the caption is drawn.
constexpr int HAUTEUR_CAPTION = 36;

// A bevel of `largeur` pixels just inside `r`: `haut_gauche` on the top and left edges,
// `bas_droite` on the bottom and right ones.
void biseau(QPainter& p, QRect r, int largeur, const QColor& haut_gauche,
            const QColor& bas_droite) {
    for (int i = 0; i < largeur; ++i) {
        p.setPen(haut_gauche);
        p.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
        p.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
        p.setPen(bas_droite);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
}

} // namespace

PanneauRelief::PanneauRelief(QWidget* parent, const QRect& r, const QColor& face)
    : QWidget(parent), face_(face) {
    setGeometry(r);
}

void PanneauRelief::setCaption(const QString& caption, const QFont& police, const QColor& couleur) {
    caption_ = caption;
    couleur_caption_ = couleur;
    setFont(police);
    update();
}

void PanneauRelief::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), face_);
    const QColor clair = face_.lighter(170);
    const QColor sombre = face_.darker(200);
    biseau(p, rect(), LARGEUR_BISEAU, clair, sombre);
    biseau(p, rect().adjusted(4, 4, -4, -4), 1, sombre, clair);
    if (!caption_.isEmpty()) {
        p.setPen(couleur_caption_);
        p.setFont(font());
        p.drawText(QRect(0, 4, width(), HAUTEUR_CAPTION), Qt::AlignHCenter | Qt::AlignTop,
                   caption_);
    }
}

} // namespace tessor
