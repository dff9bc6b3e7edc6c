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

// One finished picture, named as in game/images.cpp.
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

// An empty transparent picture ready to paint on.
QImage toile(int largeur, int hauteur);

// Fonts for lettering: the bundled families, sized in pixels.
void charge_polices(const QString& racine);
QFont serif(int pixels, bool gras = true);
QFont sans(int pixels, bool gras = true);

// Text cut into wood: a light edge below-right, the dark cut on top.
void texte_grave(QPainter& p, const QRectF& cadre, int alignement, const QString& texte,
                 const QColor& fonce = QColor(58, 34, 14),
                 const QColor& clair = QColor(236, 204, 150, 200));

// An emoji glyph of the colour emoji font, scaled to fit inside `cadre` (keeping its shape),
// centred there. Returns false if the glyph did not draw.
bool emoji(QPainter& p, const QRectF& cadre, const QString& caractere);

// Wood: grain along the longer side, fixed seed.
QImage bois(int largeur, int hauteur, std::uint32_t graine);
// Rounded wooden board with a bevelled edge, transparent outside the outline.
QImage planche(int largeur, int hauteur, double rayon, std::uint32_t graine);
// Grey brushed metal with a raised (or, pressed, a sunken) bevel, red lettering.
QImage bouton_metal(int largeur, int hauteur, const QString& texte, bool enfonce, int pixels,
                    const QColor& lettres = QColor(196, 18, 18));

// The groups of pictures.
std::vector<Dessin> textures();
std::vector<Dessin> boiseries();
std::vector<Dessin> icones();

} // namespace dessin
