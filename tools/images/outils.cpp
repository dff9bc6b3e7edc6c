#include "dessin.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace dessin {

std::uint64_t Alea::suivant() {
    etat_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = etat_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Alea::reel() {
    return static_cast<double>(suivant() >> 11) / 9007199254740992.0;
}

double Bruit::sommet(int x, int y) const {
    std::uint32_t h = graine_ ^ 0x27D4EB2Du;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967295.0;
}

double Bruit::valeur(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    double tx = x - fx;
    double ty = y - fy;
    tx = tx * tx * (3.0 - 2.0 * tx);
    ty = ty * ty * (3.0 - 2.0 * ty);
    const double a = sommet(ix, iy);
    const double b = sommet(ix + 1, iy);
    const double c = sommet(ix, iy + 1);
    const double d = sommet(ix + 1, iy + 1);
    const double haut = a + (b - a) * tx;
    const double bas = c + (d - c) * tx;
    return haut + (bas - haut) * ty;
}

double Bruit::fractal(double x, double y, int octaves) const {
    double somme = 0.0;
    double poids = 1.0;
    double total = 0.0;
    for (int o = 0; o < octaves; ++o) {
        somme += poids * valeur(x, y);
        total += poids;
        x *= 2.0;
        y *= 2.0;
        poids *= 0.5;
    }
    return somme / total;
}

QImage toile(int largeur, int hauteur, double echelle) {
    QImage image(static_cast<int>(std::lround(largeur * echelle)),
                 static_cast<int>(std::lround(hauteur * echelle)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(echelle);
    return image;
}

double echelle(const QPainter& p) {
    return p.deviceTransform().m11();
}

void trait(QPainter& p, QPoint a, QPoint b, const QColor& couleur) {
    p.fillRect(QRect(a, b).normalized(), couleur);
}

void cadre(QPainter& p, const QRect& r, const QColor& couleur) {
    trait(p, r.topLeft(), r.topRight(), couleur);
    trait(p, r.bottomLeft(), r.bottomRight(), couleur);
    trait(p, r.topLeft() + QPoint(0, 1), r.bottomLeft() - QPoint(0, 1), couleur);
    trait(p, r.topRight() + QPoint(0, 1), r.bottomRight() - QPoint(0, 1), couleur);
}

void bille(QPainter& p, QPointF centre, double rayon, QPointF lumiere, double etendue,
           const QGradientStops& teintes, const QPen& bord) {
    QRadialGradient degrade(centre + lumiere, etendue);
    degrade.setStops(teintes);
    p.setPen(bord);
    p.setBrush(degrade);
    p.drawEllipse(centre, rayon, rayon);
}

namespace {
QString famille_serif = QStringLiteral("Liberation Serif");
QString famille_sans = QStringLiteral("Liberation Sans");
} // namespace

void charge_polices(const QString& racine) {
    const char* fichiers[] = {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                              "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf"};
    for (const char* fichier : fichiers) {
        const QString chemin = racine + QStringLiteral("/assets/fonts/") + QLatin1String(fichier);
        if (QFontDatabase::addApplicationFont(chemin) < 0) {
            std::fprintf(stderr, "police introuvable : %s\n", qPrintable(chemin));
        }
    }
    const QString emojis = QStringLiteral("/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf");
    if (QFontDatabase::addApplicationFont(emojis) < 0) {
        std::fprintf(stderr, "police introuvable : %s (paquet fonts-noto-color-emoji)\n",
                     qPrintable(emojis));
    }
}

namespace {
QFont police(const QString& famille, int pixels, bool gras) {
    QFont f(famille);
    f.setPixelSize(pixels);
    f.setBold(gras);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}
} // namespace

QFont serif(int pixels, bool gras) {
    return police(famille_serif, pixels, gras);
}
QFont sans(int pixels, bool gras) {
    return police(famille_sans, pixels, gras);
}

void texte_grave(QPainter& p, const QRectF& cadre, int alignement, const QString& texte,
                 const QColor& fonce, const QColor& clair) {
    p.setPen(clair);
    p.drawText(cadre.translated(1.0, 1.0), alignement, texte);
    p.setPen(fonce);
    p.drawText(cadre, alignement, texte);
}

bool emoji(QPainter& p, const QRectF& cadre, const QString& caractere) {
    // Drawn large first, then reduced with area averaging: sharper than asking for a small size.
    constexpr int grand = 160;
    QImage glyphe = toile(grand, grand, 1.0);
    {
        QPainter g(&glyphe);
        QFont f(QStringLiteral("Noto Color Emoji"));
        f.setPixelSize(109);
        g.setFont(f);
        g.drawText(QRect(0, 0, grand, grand), Qt::AlignCenter, caractere);
    }
    // Bounding box of the visible pixels.
    int x0 = grand, y0 = grand, x1 = -1, y1 = -1;
    for (int y = 0; y < grand; ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(glyphe.constScanLine(y));
        for (int x = 0; x < grand; ++x) {
            if (qAlpha(ligne[x]) > 8) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0) {
        std::fprintf(stderr, "glyphe vide : U+%04X\n", caractere.toUcs4().value(0));
        return false;
    }
    // Reduced straight to the pixels of the picture, placed on a whole pixel of it.
    const double e = echelle(p);
    const QRectF zone(cadre.topLeft() * e, cadre.size() * e);
    const QImage utile = glyphe.copy(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    const double rapport = std::min(zone.width() / utile.width(), zone.height() / utile.height());
    const int l = std::max(1, static_cast<int>(std::lround(utile.width() * rapport)));
    const int h = std::max(1, static_cast<int>(std::lround(utile.height() * rapport)));
    QImage reduit = utile.scaled(l, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    reduit.setDevicePixelRatio(e);
    const double x = zone.x() + (zone.width() - l) / 2.0;
    const double y = zone.y() + (zone.height() - h) / 2.0;
    p.drawImage(QPointF(std::round(x), std::round(y)) / e, reduit);
    return true;
}

} // namespace dessin
