// Surfaces: the marbled stone under the board, wood and brushed metal.
#include "dessin.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace dessin {

namespace {

int octet(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

QRgb melange(const QColor& a, const QColor& b, double t) {
    return qRgb(octet(a.red() + (b.red() - a.red()) * t),
                octet(a.green() + (b.green() - a.green()) * t),
                octet(a.blue() + (b.blue() - a.blue()) * t));
}

// An opaque picture of largeur x hauteur pixels at scale `echelle`.
QImage fond(int largeur, int hauteur, double echelle, QImage::Format format) {
    QImage image = toile(largeur, hauteur, echelle).convertToFormat(format);
    image.setDevicePixelRatio(echelle);
    return image;
}

// Grey-green marble, kept light and low in contrast so black lines and text stay readable.
// The noise is read at 1x coordinates, so every scale shows the same stone.
QImage marbre(int largeur, int hauteur, double echelle) {
    QImage image = fond(largeur, hauteur, echelle, QImage::Format_RGB32);
    const Bruit forme(1201);
    const Bruit grain(1202);
    const QColor clair(196, 203, 186);
    const QColor sombre(160, 172, 152);
    for (int py = 0; py < image.height(); ++py) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(py));
        const double y = py / echelle;
        for (int px = 0; px < image.width(); ++px) {
            const double x = px / echelle;
            const double turbulence = forme.fractal(x / 90.0, y / 90.0, 5);
            const double veine = std::abs(std::sin(x * 0.011 + y * 0.017 + 7.0 * turbulence));
            // Broad clouds, then thin darker veins where the sine crosses zero.
            double t = 0.35 + 0.5 * forme.fractal(x / 40.0 + 11.0, y / 40.0 + 5.0, 4);
            t += 0.35 * std::pow(1.0 - veine, 6.0);
            t += 0.10 * (grain.valeur(x / 1.5, y / 1.5) - 0.5);
            ligne[px] = melange(clair, sombre, std::clamp(t, 0.0, 1.0));
        }
    }
    return image;
}

} // namespace

QImage bois(int largeur, int hauteur, std::uint32_t graine, double echelle) {
    QImage image = fond(largeur, hauteur, echelle, QImage::Format_ARGB32_Premultiplied);
    const Bruit veines(graine);
    const Bruit fibres(graine + 1);
    const QColor clair(206, 160, 104);
    const QColor sombre(146, 96, 52);
    const bool vertical = hauteur > largeur;
    for (int py = 0; py < image.height(); ++py) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(py));
        const double y = py / echelle;
        for (int px = 0; px < image.width(); ++px) {
            const double x = px / echelle;
            const double le_long = vertical ? y : x; // along the grain
            const double travers = vertical ? x : y; // across it
            const double d = veines.fractal(le_long / 120.0, travers / 30.0, 4);
            const double cerne = 0.5 + 0.5 * std::sin(travers * 0.32 + 9.0 * d);
            double t = 0.3 + 0.32 * std::pow(cerne, 3.0);
            t += 0.22 * (fibres.valeur(le_long / 14.0, travers / 0.9) - 0.5);
            t += 0.15 * (veines.valeur(le_long / 300.0 + 40.0, travers / 60.0) - 0.5);
            ligne[px] = melange(clair, sombre, std::clamp(t, 0.0, 1.0));
        }
    }
    return image;
}

QImage planche(int largeur, int hauteur, double rayon, std::uint32_t graine, double echelle) {
    QImage image = toile(largeur, hauteur, echelle);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath contour;
    contour.addRoundedRect(QRectF(0.5, 0.5, largeur - 1.0, hauteur - 1.0), rayon, rayon);
    p.setClipPath(contour);
    p.drawImage(0, 0, bois(largeur, hauteur, graine, echelle));
    p.setClipping(false);
    // Bevel: light upper-left edge, dark lower-right edge, then a dark outline.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 228, 180, 150), 2.0));
    p.drawRoundedRect(QRectF(2.5, 2.5, largeur - 5.0, hauteur - 5.0), rayon - 2, rayon - 2);
    QLinearGradient ombre(0, 0, largeur, hauteur);
    ombre.setColorAt(0.0, QColor(0, 0, 0, 0));
    ombre.setColorAt(1.0, QColor(40, 20, 5, 150));
    p.setPen(QPen(QBrush(ombre), 2.0));
    p.drawRoundedRect(QRectF(2.5, 2.5, largeur - 5.0, hauteur - 5.0), rayon - 2, rayon - 2);
    p.setPen(QPen(QColor(70, 40, 16), 1.0));
    p.drawPath(contour);
    return image;
}

QImage bouton_metal(int largeur, int hauteur, const QString& texte, bool enfonce, int pixels,
                    double echelle, const QColor& lettres) {
    QImage image = fond(largeur, hauteur, echelle, QImage::Format_ARGB32_Premultiplied);
    const Bruit brosse(77);
    const QColor haut = enfonce ? QColor(176, 178, 182) : QColor(222, 224, 228);
    const QColor bas = enfonce ? QColor(198, 200, 204) : QColor(160, 162, 167);
    for (int py = 0; py < image.height(); ++py) {
        auto* ligne = reinterpret_cast<QRgb*>(image.scanLine(py));
        const double t = static_cast<double>(py) / (image.height() - 1);
        const double y = py / echelle;
        for (int px = 0; px < image.width(); ++px) {
            // Brushed metal: fine streaks along the length.
            const double s = 14.0 * (brosse.valeur(px / echelle / 25.0, y / 0.7) - 0.5);
            const QRgb c = melange(haut, bas, t);
            ligne[px] = qRgb(octet(qRed(c) + s), octet(qGreen(c) + s), octet(qBlue(c) + s + 1));
        }
    }
    QPainter p(&image);
    const QColor lumiere(250, 250, 252);
    const QColor ombre(92, 94, 100);
    const QColor& hautgauche = enfonce ? ombre : lumiere;
    const QColor& basdroite = enfonce ? lumiere : ombre;
    for (int i = 1; i <= 2; ++i) {
        const int d = largeur - 1 - i; // right
        const int b = hauteur - 1 - i; // bottom
        trait(p, {i, i}, {d, i}, hautgauche);
        trait(p, {i, i}, {i, b}, hautgauche);
        trait(p, {i, b}, {d, b}, basdroite);
        trait(p, {d, i}, {d, b}, basdroite);
    }
    cadre(p, QRect(0, 0, largeur, hauteur), QColor(30, 30, 34));
    // Screw heads at both ends.
    p.setRenderHint(QPainter::Antialiasing);
    const double d = enfonce ? 1.0 : 0.0;
    for (double cx : {8.5 + d, largeur - 8.5 + d}) {
        const QPointF centre(cx, hauteur / 2.0 + d);
        bille(p, centre, 3.0, QPointF(-1, -1), 3.5,
              {{0.0, QColor(240, 240, 244)}, {1.0, QColor(110, 112, 118)}},
              QPen(QColor(70, 70, 76), 0.8));
        p.drawLine(centre + QPointF(-2, 1), centre + QPointF(2, -1));
    }
    p.setFont(sans(pixels, true));
    const QRectF cadre = QRectF(0, 0, largeur, hauteur).translated(d, d);
    texte_grave(p, cadre, Qt::AlignCenter, texte, lettres, QColor(255, 255, 255, 170));
    return image;
}

std::vector<Dessin> textures(int echelle) {
    return {{QStringLiteral("texture"), marbre(640, 460, echelle)}};
}

} // namespace dessin
