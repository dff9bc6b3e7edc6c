// The 32x32 pictures: pawns, walls, markers, switches and icons. Colour emoji glyphs are used
// where one shows the subject; the rest is drawn by hand. Every picture keeps its corners clear.
#include "dessin.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace dessin {

namespace {

QString car(char32_t code) {
    return QString::fromUcs4(&code, 1);
}

// A little scene (sky, land, town...) clipped to a rounded square, so the corners stay clear.
QPainterPath vignette() {
    QPainterPath chemin;
    chemin.addRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    return chemin;
}

QImage glyphe(char32_t code, int e, const QRectF& cadre = QRectF(1, 1, 30, 30)) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    emoji(p, cadre, car(code));
    return image;
}

// Top view of a jet fighter, nose towards `angle` (degrees, 0 = up).
void avion_chasse(QPainter& p, QPointF centre, double angle, double taille, const QColor& corps,
                  bool ailes_delta) {
    QPainterPath moitie;
    QPolygonF points;
    if (ailes_delta) {
        points << QPointF(0, -1) << QPointF(0.13, -0.55) << QPointF(0.16, -0.15)
               << QPointF(0.85, 0.55) << QPointF(0.85, 0.66) << QPointF(0.16, 0.62)
               << QPointF(0.14, 0.78) << QPointF(0.38, 0.98) << QPointF(0, 0.95);
    } else {
        points << QPointF(0, -1) << QPointF(0.12, -0.6) << QPointF(0.14, -0.2)
               << QPointF(0.95, 0.25) << QPointF(0.95, 0.38) << QPointF(0.15, 0.25)
               << QPointF(0.13, 0.68) << QPointF(0.45, 0.9) << QPointF(0.45, 1.0)
               << QPointF(0, 0.93);
    }
    QPolygonF tout = points;
    for (int i = static_cast<int>(points.size()) - 2; i >= 1; --i) {
        tout << QPointF(-points[i].x(), points[i].y());
    }
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angle);
    t.scale(taille, taille);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Shadow on the ground, then the plane.
    QTransform ombre = t * QTransform::fromTranslate(2.5, 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPolygon(ombre.map(tout));
    QLinearGradient relief(t.map(QPointF(-1, 0)), t.map(QPointF(1, 0)));
    relief.setColorAt(0.0, corps.lighter(135));
    relief.setColorAt(0.5, corps);
    relief.setColorAt(1.0, corps.darker(150));
    p.setPen(QPen(corps.darker(220), 0.8));
    p.setBrush(relief);
    p.drawPolygon(t.map(tout));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 150));
    p.drawEllipse(t.map(QPointF(0, -0.55)), taille * 0.07, taille * 0.07);
    p.drawEllipse(t.map(QPointF(0, -0.45)), taille * 0.07, taille * 0.07);
    p.restore();
}

QImage kart(int e) {
    return glyphe(0x1F3CE, e, QRectF(1, 4, 30, 24));
}
QImage motard(int e) {
    return glyphe(0x1F3CD, e, QRectF(1, 3, 30, 26));
}

QImage voiture_montagnes(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(vignette());
    QLinearGradient ciel(0, 0, 0, 20);
    ciel.setColorAt(0.0, QColor(110, 170, 230));
    ciel.setColorAt(1.0, QColor(200, 228, 250));
    p.fillRect(0, 0, 32, 32, ciel);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 118, 140));
    p.drawPolygon(QPolygonF(
        {QPointF(-2, 22), QPointF(9, 6), QPointF(18, 20), QPointF(24, 10), QPointF(34, 22)}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(6.2, 10), QPointF(9, 6), QPointF(11.8, 10), QPointF(10, 9.2),
                             QPointF(8.5, 10.5)}));
    p.drawPolygon(
        QPolygonF({QPointF(22, 13), QPointF(24, 10), QPointF(26.2, 13.2), QPointF(24.5, 12.4)}));
    p.setBrush(QColor(92, 160, 70));
    p.drawRect(QRectF(0, 21, 32, 11));
    p.setClipping(false);
    emoji(p, QRectF(3, 12, 26, 19), car(0x1F697));
    return image;
}

QImage avion_helice(int e) {
    return glyphe(0x1F6E9, e);
}

QImage avion_ville(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    p.setClipPath(vignette());
    // A town seen from above: pale streets, blocks of red roofs, a few trees.
    p.fillRect(0, 0, 32, 32, QColor(214, 212, 204));
    Alea alea(404);
    for (int by = 0; by < 3; ++by) {
        for (int bx = 0; bx < 3; ++bx) {
            const QRect bloc(2 + bx * 10, 2 + by * 10, 8, 8);
            if ((bx + by) % 4 == 1) {
                p.fillRect(bloc, QColor(110, 160, 80)); // a square with trees
                p.fillRect(bloc.adjusted(2, 2, -4, -4), QColor(60, 120, 50));
                continue;
            }
            for (int k = 0; k < 4; ++k) {
                const QRect maison(bloc.left() + (k % 2) * 4, bloc.top() + (k / 2) * 4, 4, 4);
                const int r = 170 + static_cast<int>(alea.entre(0, 40));
                const QColor toit(r, 70 + static_cast<int>(alea.entre(0, 30)), 50);
                p.fillRect(maison.adjusted(0, 0, -1, -1), toit);
                p.fillRect(QRect(maison.left(), maison.top() + 1, 3, 1), toit.darker(125));
            }
        }
    }
    p.setClipping(false);
    avion_chasse(p, QPointF(16, 16), 35.0, 13.5, QColor(84, 104, 136), true);
    return image;
}

QImage avion_campagne(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    p.setClipPath(vignette());
    // Fields of different crops.
    const QColor champs[] = {QColor(112, 160, 72),  QColor(176, 156, 96), QColor(92, 140, 64),
                             QColor(196, 180, 110), QColor(132, 170, 84), QColor(150, 120, 80)};
    int k = 0;
    for (int y = 0; y < 32; y += 11) {
        for (int x = (y / 11) * -4; x < 32; x += 13) {
            p.fillRect(x, y, 13, 11, champs[k % 6]);
            ++k;
        }
    }
    p.setPen(QColor(60, 110, 200));
    p.drawLine(0, 27, 32, 20); // a river
    p.setClipping(false);
    avion_chasse(p, QPointF(16, 16), -50.0, 13.0, QColor(150, 154, 160), false);
    return image;
}

QImage dauphin(int e) {
    return glyphe(0x1F42C, e);
}
QImage chien(int e) {
    return glyphe(0x1F436, e);
}
// The sky and the sea behind the gull, within the vignette.
void ciel_et_mer(QPainter& p) {
    p.setClipPath(vignette());
    QLinearGradient ciel(0, 0, 0, 32);
    ciel.setColorAt(0.0, QColor(150, 200, 240));
    ciel.setColorAt(0.72, QColor(214, 236, 250));
    ciel.setColorAt(0.73, QColor(60, 130, 190));
    ciel.setColorAt(1.0, QColor(40, 100, 170));
    p.fillRect(0, 0, 32, 32, ciel);
    p.setClipping(false);
}

QImage mouette(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A gull gliding over the sea.
    ciel_et_mer(p);
    const QColor gris(150, 156, 166);
    const QColor contour(70, 74, 84);
    // Far wing, body, near wing.
    QPainterPath loin;
    loin.moveTo(17, 15);
    loin.cubicTo(19, 9, 24, 6, 30, 6);
    loin.cubicTo(26, 9, 23, 13, 21, 16);
    loin.closeSubpath();
    p.setPen(QPen(contour, 0.7));
    p.setBrush(gris.darker(115));
    p.drawPath(loin);
    QPainterPath corps;
    corps.moveTo(4, 16);
    corps.cubicTo(8, 12, 18, 13, 25, 17);
    corps.lineTo(29, 16);
    corps.lineTo(27, 19);
    corps.cubicTo(18, 21, 9, 20, 4, 16);
    corps.closeSubpath();
    p.setBrush(QColor(250, 250, 252));
    p.drawPath(corps);
    QPainterPath pres;
    pres.moveTo(12, 16);
    pres.cubicTo(12, 9, 7, 4, 2, 3);
    pres.cubicTo(6, 8, 9, 13, 17, 17);
    pres.closeSubpath();
    p.setBrush(gris);
    p.drawPath(pres);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 24));
    QPainterPath pointe;
    pointe.moveTo(2, 3);
    pointe.cubicTo(4, 4, 5, 5, 6.5, 6.5);
    pointe.lineTo(4.5, 7);
    pointe.closeSubpath();
    p.drawPath(pointe);
    p.drawEllipse(QPointF(6.8, 15.2), 0.8, 0.8);
    // Yellow beak pointing ahead (left).
    p.setBrush(QColor(246, 196, 30));
    p.drawPolygon(QPolygonF({QPointF(4.5, 15.2), QPointF(1.5, 16.2), QPointF(4.8, 16.9)}));
    return image;
}

QImage heaume(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The plume first, curving back behind the crest.
    QPainterPath plume;
    plume.moveTo(14, 9);
    plume.cubicTo(12, 1, 22, -1, 30, 4);
    plume.cubicTo(27, 5, 29, 8, 25, 8);
    plume.cubicTo(26, 11, 21, 9, 19, 11);
    plume.closeSubpath();
    QLinearGradient rouge(14, 0, 30, 10);
    rouge.setColorAt(0.0, QColor(236, 50, 40));
    rouge.setColorAt(1.0, QColor(150, 10, 20));
    p.setPen(QPen(QColor(100, 0, 10), 0.8));
    p.setBrush(rouge);
    p.drawPath(plume);
    // The great helm.
    QPainterPath casque;
    casque.moveTo(7, 29);
    casque.lineTo(7, 15);
    casque.cubicTo(7, 7, 25, 7, 25, 15);
    casque.lineTo(25, 29);
    casque.quadTo(16, 31, 7, 29);
    QLinearGradient acier(7, 0, 25, 0);
    acier.setColorAt(0.0, QColor(235, 238, 242));
    acier.setColorAt(0.45, QColor(176, 182, 190));
    acier.setColorAt(1.0, QColor(92, 98, 108));
    p.setPen(QPen(QColor(40, 44, 52), 1.0));
    p.setBrush(acier);
    p.drawPath(casque);
    // Eye slits, the nose ridge and the breathing holes.
    p.setPen(QPen(QColor(20, 20, 24), 1.6));
    p.drawLine(QPointF(9, 17), QPointF(14.6, 17));
    p.drawLine(QPointF(17.4, 17), QPointF(23, 17));
    p.setPen(QPen(QColor(60, 64, 72), 1.0));
    p.drawLine(QPointF(16, 10), QPointF(16, 29.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 24));
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(19.5 + 2 * i, 22), 0.7, 0.7);
        p.drawEllipse(QPointF(19.5 + 2 * i, 25), 0.7, 0.7);
    }
    p.setBrush(QColor(210, 170, 60));
    p.drawEllipse(QPointF(16, 9.2), 1.5, 1.5);
    return image;
}

void visage(QPainter& p, const QColor& peau) {
    p.setPen(QPen(peau.darker(170), 0.8));
    p.setBrush(peau);
    p.drawEllipse(QPointF(16, 19), 7.2, 8.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 24, 20));
    p.drawEllipse(QPointF(13.3, 19.3), 1.0, 1.1);
    p.drawEllipse(QPointF(18.7, 19.3), 1.0, 1.1);
    p.setPen(QPen(QColor(120, 40, 30), 1.0));
    p.drawLine(QPointF(14, 24), QPointF(18, 24));
}

QImage soldat(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Shoulders of the uniform.
    QPainterPath epaules;
    epaules.addRoundedRect(QRectF(4, 26, 24, 10), 5, 5);
    p.setPen(QPen(QColor(40, 50, 24), 0.8));
    p.setBrush(QColor(96, 112, 58));
    p.drawPath(epaules);
    visage(p, QColor(240, 196, 150));
    // Chin strap.
    p.setPen(QPen(QColor(60, 50, 30), 0.9));
    p.drawLine(QPointF(9.5, 17), QPointF(13, 26));
    p.drawLine(QPointF(22.5, 17), QPointF(19, 26));
    // Round steel helmet with its brim.
    QPainterPath casque;
    casque.moveTo(6, 17);
    casque.cubicTo(6, 3, 26, 3, 26, 17);
    casque.closeSubpath();
    QLinearGradient kaki(0, 4, 0, 17);
    kaki.setColorAt(0.0, QColor(140, 156, 90));
    kaki.setColorAt(1.0, QColor(72, 86, 40));
    p.setPen(QPen(QColor(36, 44, 20), 1.0));
    p.setBrush(kaki);
    p.drawPath(casque);
    p.setBrush(QColor(60, 72, 34));
    p.drawRoundedRect(QRectF(3, 15.5, 26, 3), 1.5, 1.5);
    return image;
}

// A second soldier, in a horizon-blue uniform and a crested steel helmet.
QImage soldat2(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath col;
    col.moveTo(4, 32);
    col.lineTo(9, 26);
    col.lineTo(23, 26);
    col.lineTo(28, 32);
    col.closeSubpath();
    p.setPen(QPen(QColor(40, 56, 80), 0.8));
    p.setBrush(QColor(110, 140, 180));
    p.drawPath(col);
    visage(p, QColor(186, 130, 90));
    // The helmet: a dome with a crest along the top and brims front and back.
    QPainterPath dome;
    dome.moveTo(7, 16);
    dome.cubicTo(7, 6, 25, 6, 25, 16);
    dome.closeSubpath();
    QLinearGradient acier(0, 6, 0, 16);
    acier.setColorAt(0.0, QColor(170, 184, 204));
    acier.setColorAt(1.0, QColor(84, 98, 122));
    p.setPen(QPen(QColor(34, 42, 58), 1.0));
    p.setBrush(acier);
    p.drawPath(dome);
    p.setBrush(QColor(120, 134, 158));
    p.drawRoundedRect(QRectF(12, 5.5, 8, 2.5), 1.2, 1.2); // crest
    p.setBrush(QColor(70, 82, 104));
    QPainterPath bord;
    bord.moveTo(4, 17.5);
    bord.quadTo(16, 13.5, 28, 17.5);
    bord.quadTo(16, 15.8, 4, 17.5);
    p.drawPath(bord);
    p.setPen(QPen(QColor(210, 180, 60), 1.0)); // badge
    p.drawPoint(QPointF(16, 11.5));
    return image;
}

void briques(QPainter& p, const QRect& zone, int hauteur_rang, int longueur, std::uint64_t graine) {
    Alea alea(graine);
    p.fillRect(zone, QColor(206, 198, 184)); // mortar
    int rang = 0;
    for (int y = zone.top(); y <= zone.bottom(); y += hauteur_rang, ++rang) {
        const int decalage = (rang % 2) ? -longueur / 2 : 0;
        for (int x = zone.left() + decalage; x <= zone.right(); x += longueur) {
            const int r = 150 + static_cast<int>(alea.entre(0, 50));
            const QColor brique(r, 58 + static_cast<int>(alea.entre(0, 20)), 40);
            QRect b(x, y, longueur - 1, hauteur_rang - 1);
            b = b.intersected(zone);
            p.fillRect(b, brique);
            p.fillRect(QRect(b.left(), b.top(), b.width(), 1), brique.lighter(118));
        }
    }
}

void mur_sur_herbe(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(88, 158, 60));
    p.drawEllipse(QRectF(1, 21, 30, 10));
    p.setBrush(QColor(120, 186, 80));
    p.drawEllipse(QRectF(4, 22, 24, 6));
    // Whole pixels: sharp at a whole scale; at any other their edges are blended.
    const double e = echelle(p);
    p.setRenderHint(QPainter::Antialiasing, e != std::floor(e));
    const QRect mur(5, 8, 22, 17);
    briques(p, mur, 4, 7, 9);
    // Crenellated top and outline.
    p.fillRect(QRect(5, 5, 4, 3), QColor(170, 70, 46));
    p.fillRect(QRect(14, 5, 4, 3), QColor(160, 66, 44));
    p.fillRect(QRect(23, 5, 4, 3), QColor(176, 72, 48));
    cadre(p, mur, QColor(80, 30, 20));
}

QImage mur_briques(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    mur_sur_herbe(p);
    return image;
}

// The storm cloud glyph, its pale cloud darkened to a thundery grey (the bolt keeps its yellow).
QImage orage(int e) {
    QImage image = glyphe(0x1F329, e);
    for (int y = 0; y < image.height(); ++y) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = ligne[x];
            const int ecart =
                std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
            if (qAlpha(c) > 0 && ecart < 40) { // greys only
                ligne[x] =
                    qRgba(qRed(c) * 55 / 100, qGreen(c) * 57 / 100, qBlue(c) * 64 / 100, qAlpha(c));
            }
        }
    }
    return image;
}

QImage chateau_epees(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    emoji(p, QRectF(1, 1, 30, 25), car(0x1F3F0));
    emoji(p, QRectF(7, 14, 18, 17), car(0x2694));
    return image;
}

QImage blason(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ecu;
    ecu.moveTo(5, 3);
    ecu.lineTo(27, 3);
    ecu.lineTo(27, 14);
    ecu.cubicTo(27, 22, 21, 26.5, 16, 30);
    ecu.cubicTo(11, 26.5, 5, 22, 5, 14);
    ecu.closeSubpath();
    const QColor azur(34, 74, 176);
    const QColor gueules(200, 30, 36);
    const QColor orr(236, 194, 46);
    p.save();
    p.setClipPath(ecu);
    p.fillRect(QRectF(0, 0, 16, 15), azur);
    p.fillRect(QRectF(16, 0, 16, 15), gueules);
    p.fillRect(QRectF(0, 15, 16, 17), gueules);
    p.fillRect(QRectF(16, 15, 16, 17), azur);
    // A gold cross over the quarters.
    p.fillRect(QRectF(14.5, 0, 3, 32), orr);
    p.fillRect(QRectF(0, 13.5, 32, 3), orr);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(orr.darker(115), 2.0));
    p.drawPath(ecu);
    p.setPen(QPen(QColor(50, 36, 10), 0.9));
    p.drawPath(ecu);
    return image;
}

QImage pastille(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(16, 16);
    bille(p, c, 13.0, QPointF(-3, -3), 15,
          {{0.0, QColor(255, 246, 150)}, {0.7, QColor(250, 206, 30)}, {1.0, QColor(214, 150, 0)}},
          QPen(QColor(160, 100, 0), 1.0));
    // Four spiral arms.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(226, 132, 0, 210), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int bras = 0; bras < 4; ++bras) {
        QPainterPath spirale;
        for (int i = 0; i <= 24; ++i) {
            const double r = 1.0 + 11.0 * i / 24.0;
            const double a = bras * M_PI / 2.0 + r * 0.22;
            const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
            if (i == 0) {
                spirale.moveTo(pt);
            } else {
                spirale.lineTo(pt);
            }
        }
        p.drawPath(spirale);
    }
    return image;
}

QImage cible(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    const QColor rouge(170, 0, 0);
    // Dotted circle of radius 11 around the centre.
    for (int i = 0; i < 28; ++i) {
        const double a = i * 2.0 * M_PI / 28.0;
        const int x = static_cast<int>(std::lround(15.5 + 11.0 * std::cos(a)));
        const int y = static_cast<int>(std::lround(15.5 + 11.0 * std::sin(a)));
        p.fillRect(x, y, 1, 1, rouge);
    }
    // Dotted cross hairs with a gap in the middle.
    for (int d = 2; d <= 13; d += 2) {
        if (d < 5) {
            continue;
        }
        for (int s : {-1, 1}) {
            const int v = s < 0 ? 15 - d + 1 : 16 + d - 1;
            p.fillRect(v, 15, 1, 1, rouge);
            p.fillRect(v, 16, 1, 1, rouge);
            p.fillRect(15, v, 1, 1, rouge);
            p.fillRect(16, v, 1, 1, rouge);
        }
    }
    p.fillRect(15, 15, 2, 2, rouge);
    return image;
}

// The two switch faces: only the top-left 16x16 quarter is used.
QImage interrupteur(bool plein, int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    if (plein) {
        briques(p, QRect(0, 0, 16, 16), 4, 6, 21);
    } else {
        p.fillRect(QRect(0, 0, 16, 16), QColor(150, 204, 242));
    }
    cadre(p, QRect(0, 0, 16, 16), plein ? QColor(80, 30, 20) : QColor(40, 48, 64));
    return image;
}

QImage logo(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    emoji(p, QRectF(2, 2, 28, 28), car(0x1F5E1));
    emoji(p, QRectF(8, 3, 16, 26), car(0x26A1));
    return image;
}

void dessine_icone(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ciel(0, 0, 0, 32);
    ciel.setColorAt(0.0, QColor(96, 160, 226));
    ciel.setColorAt(1.0, QColor(196, 226, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(ciel);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
    mur_sur_herbe(p);
}

QImage icone(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    dessine_icone(p);
    return image;
}

QImage icone_info(int e) {
    QImage image = toile(32, 32, e);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(16, 16);
    bille(p, c, 14.5, QPointF(-4, -5), 17,
          {{0.0, QColor(110, 170, 250)}, {1.0, QColor(20, 70, 170)}},
          QPen(QColor(12, 40, 100), 1.0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
    p.drawEllipse(c, 12.3, 12.3);
    p.setFont(serif(22, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 1, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

} // namespace

std::vector<Dessin> icones(int e) {
    return {
        {QStringLiteral("pion_00_kart"), kart(e)},
        {QStringLiteral("pion_01_motard"), motard(e)},
        {QStringLiteral("pion_02_voiture"), voiture_montagnes(e)},
        {QStringLiteral("pion_03_avion_helice"), avion_helice(e)},
        {QStringLiteral("pion_04_avion_chasse"), avion_ville(e)},
        {QStringLiteral("pion_05_avion_gris"), avion_campagne(e)},
        {QStringLiteral("pion_06_dauphin"), dauphin(e)},
        {QStringLiteral("pion_07_chien"), chien(e)},
        {QStringLiteral("pion_08_mouette"), mouette(e)},
        {QStringLiteral("pion_09_heaume"), heaume(e)},
        {QStringLiteral("pion_10_soldat"), soldat(e)},
        {QStringLiteral("pion_11_soldat2"), soldat2(e)},
        {QStringLiteral("mur_00_briques"), mur_briques(e)},
        {QStringLiteral("mur_01_sens_interdit"), glyphe(0x26D4, e, QRectF(2, 2, 28, 28))},
        {QStringLiteral("mur_02_orage"), orage(e)},
        {QStringLiteral("mur_03_chateau"), chateau_epees(e)},
        {QStringLiteral("mur_04_blason"), blason(e)},
        {QStringLiteral("pastille"), pastille(e)},
        {QStringLiteral("cible"), cible(e)},
        {QStringLiteral("mur_plein"), interrupteur(true, e)},
        {QStringLiteral("mur_vide"), interrupteur(false, e)},
        {QStringLiteral("logo"), logo(e)},
        {QStringLiteral("icone"), icone(e)},
        {QStringLiteral("icone_info"), icone_info(e)},
    };
}

QImage icone_programme(int cote) {
    // Drawn through the painter's scale: a picture's own scale below 1 is not applied.
    QImage image = toile(cote, cote, 1.0);
    QPainter p(&image);
    p.scale(cote / 32.0, cote / 32.0);
    dessine_icone(p);
    return image;
}

} // namespace dessin
