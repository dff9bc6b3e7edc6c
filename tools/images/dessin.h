// Shared tools of the picture generator: a reproducible random source, value noise, the fonts
// used for lettering, engraved text, emoji glyphs and the wood and metal surfaces.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <vector>

namespace dessin {

// One finished picture, named as in game/images.cpp. Drawn at scale 2 it holds twice as many
// pixels each way (the "@2x" picture for screens at 200 %) and shows the same thing.
struct Dessin {
    QString nom;
    QImage image;
};

// A small fixed-seed generator (splitmix64), so that every run draws the same pixels.
class Alea {
  public:
    explicit Alea(std::uint64_t graine) : etat_(graine) {}
    std::uint64_t suivant();
    double reel(); // in [0, 1)
    double entre(double a, double b) { return a + (b - a) * reel(); }

  private:
    std::uint64_t etat_;
};

// Smooth value noise on an integer lattice, in [0, 1].
class Bruit {
  public:
    explicit Bruit(std::uint32_t graine) : graine_(graine) {}
    double valeur(double x, double y) const;
    // Sum of `octaves` layers, each twice as fine and half as strong; in [0, 1].
    double fractal(double x, double y, int octaves) const;

  private:
    double sommet(int x, int y) const;
    std::uint32_t graine_;
};

// An empty transparent picture of largeur x hauteur pixels at scale `echelle`: it holds echelle
// times as many pixels each way, and a QPainter on it still draws in the 1x coordinates.
QImage toile(int largeur, int hauteur, double echelle);
// How many pixels of the picture `p` paints on make one of its coordinates.
double echelle(const QPainter& p);
// A horizontal or vertical line of whole pixels from a to b, both included, exact at any scale
// (an aliased pen is shifted by half a pixel once scaled).
void trait(QPainter& p, QPoint a, QPoint b, const QColor& couleur);
// A one-pixel frame along the inside of `r`.
void cadre(QPainter& p, const QRect& r, const QColor& couleur);
// A round head (a nail, a screw, a badge) of radius `rayon` around `centre`, shaded as a ball lit
// from `centre + lumiere`: a radial gradient of radius `etendue` through `teintes`, outlined by
// `bord`. The pen stays set, for what is drawn over the head.
void bille(QPainter& p, QPointF centre, double rayon, QPointF lumiere, double etendue,
           const QGradientStops& teintes, const QPen& bord);

// Fonts for lettering: the bundled families, sized in pixels.
void charge_polices(const QString& racine);
QFont serif(int pixels, bool gras = true);
QFont sans(int pixels, bool gras = true);

// Text cut into wood: a light edge below-right, the dark cut on top.
void texte_grave(QPainter& p, const QRectF& cadre, int alignement, const QString& texte,
                 const QColor& fonce = QColor(58, 34, 14),
                 const QColor& clair = QColor(236, 204, 150, 200));

// An emoji glyph of the colour emoji font, scaled to fit inside `cadre` (keeping its shape),
// centred there, at the painter's scale. Returns false if the glyph did not draw.
bool emoji(QPainter& p, const QRectF& cadre, const QString& caractere);

// Wood: grain along the longer side, fixed seed.
QImage bois(int largeur, int hauteur, std::uint32_t graine, double echelle);
// Rounded wooden board with a bevelled edge, transparent outside the outline.
QImage planche(int largeur, int hauteur, double rayon, std::uint32_t graine, double echelle);
// Grey brushed metal with a raised (or, pressed, a sunken) bevel, red lettering.
QImage bouton_metal(int largeur, int hauteur, const QString& texte, bool enfonce, int pixels,
                    double echelle, const QColor& lettres = QColor(196, 18, 18));

// The groups of pictures, at scale 1 or 2.
std::vector<Dessin> textures(int echelle);
std::vector<Dessin> boiseries(int echelle);
std::vector<Dessin> icones(int echelle);

// The program's icon (a brick wall on grass under the sky), cote x cote pixels, drawn at that
// size: the 32 x 32 "icone" picture scaled by cote / 32.
QImage icone_programme(int cote);

} // namespace dessin
