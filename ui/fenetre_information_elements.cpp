#include "fenetre_information_elements.h"

#include "etiquette_lien.h"
#include "pixmaps.h"
#include "polices.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace tessor::info {

namespace {

void applique(QLabel& label, const Style& style) {
    label.setTextFormat(Qt::PlainText);
    label.setFont(style.police);
    label.setAlignment(style.alignement | Qt::AlignTop);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, style.couleur);
    label.setPalette(palette);
}

} // namespace

QFont police(double points, bool gras, bool souligne) {
    QFont f = police_sans(points, gras);
    f.setUnderline(souligne);
    return f;
}

QLabel* texte(QWidget& page, const QRect& zone, const QString& contenu, const Style& style) {
    auto* label = new QLabel(contenu, &page);
    applique(*label, style);
    label->setWordWrap(true);
    label->setGeometry(zone);
    return label;
}

QLabel* texte_ajuste(QWidget& page, QPoint coin, const QString& contenu, const Style& style) {
    auto* label = new QLabel(contenu, &page);
    applique(*label, style);
    label->move(coin);
    label->adjustSize();
    return label;
}

void ligne(QWidget& page, QPoint debut, QPoint fin) {
    auto* trait = new QWidget(&page);
    QPalette palette = trait->palette();
    palette.setColor(QPalette::Window, Qt::black);
    trait->setPalette(palette);
    trait->setAutoFillBackground(true);
    const QPoint coin(std::min(debut.x(), fin.x()), std::min(debut.y(), fin.y()));
    trait->setGeometry(coin.x(), coin.y(), std::abs(fin.x() - debut.x()) + 1,
                       std::abs(fin.y() - debut.y()) + 1);
}

void logo(QWidget& page, QPoint coin) {
    auto* image = new QLabel(&page);
    image->setFrameStyle(QFrame::Box | QFrame::Plain);
    image->setLineWidth(1);
    image->setPixmap(charge_pixmap(tessor::Image::logo));
    image->setGeometry(coin.x(), coin.y(), 34, 34);
}

EtiquetteLien* lien(QWidget& page, const char* nom, QPoint coin, const QString& contenu,
                    const QString& adresse) {
    auto* label = new EtiquetteLien(contenu, adresse, &page);
    label->setObjectName(QString::fromLatin1(nom));
    applique(*label, {police(8.25, false, true), COULEUR_LIEN});
    label->move(coin);
    label->adjustSize();
    return label;
}

} // namespace tessor::info
