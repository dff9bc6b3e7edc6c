// The wooden boards, plaques and signs of the side panel, and the metal buttons.
#include "dessin.h"

#include <QPainterPath>

namespace dessin {

namespace {

// A rule cut into the wood: a dark groove with a light lip below.
void filet(QPainter& p, int x0, int x1, int y) {
    trait(p, {x0, y}, {x1, y}, QColor(70, 42, 18, 220));
    trait(p, {x0, y + 1}, {x1, y + 1}, QColor(240, 210, 160, 180));
}

// Wooden plaque with its words centred, cut into it.
QImage plaque(int largeur, int hauteur, const QString& texte, int pixels, std::uint32_t graine,
              int echelle) {
    QImage image = planche(largeur, hauteur, 4.0, graine, echelle);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(serif(pixels, true));
    texte_grave(p, QRectF(0, 0, largeur, hauteur), Qt::AlignCenter, texte);
    return image;
}

QImage planche_laterale(bool aide, int echelle) {
    QImage image = planche(184, 452, 12.0, 31, echelle);
    if (!aide) {
        return image;
    }
    QPainter p(&image);
    p.setFont(serif(34, true));
    texte_grave(p, QRectF(0, 14, 184, 46), Qt::AlignCenter, QStringLiteral("Aide"));
    filet(p, 28, 155, 64);
    // The "Retour" button: the window lays a transparent button over exactly this rectangle.
    p.drawImage(32, 360, bouton_metal(129, 33, QStringLiteral("Retour"), false, 17, echelle));
    return image;
}

QImage plaque_nom(int echelle) {
    QImage image = planche(135, 61, 4.0, 47, echelle);
    QPainter p(&image);
    p.setFont(serif(16, true));
    texte_grave(p, QRectF(0, 3, 135, 26), Qt::AlignCenter, QStringLiteral("Nom\u00A0:"));
    // Sunken white field, x 2..131, y 31..56: the window writes the name centred in it.
    const QColor ombre(60, 36, 16);
    const QColor lumiere(236, 204, 150);
    trait(p, {1, 30}, {132, 30}, ombre);
    trait(p, {1, 31}, {1, 57}, ombre);
    trait(p, {2, 57}, {132, 57}, lumiere);
    trait(p, {132, 31}, {132, 56}, lumiere);
    p.fillRect(QRect(2, 31, 130, 26), Qt::white);
    return image;
}

// French puts a no-break space before ":" and "!", so a line never starts with one.
// A sign: its words in the upper part, an empty sunken frame for a 32x32 picture at (48, 64).
QImage panneau(const QString& texte, int pixels, std::uint32_t graine, int echelle) {
    QImage image = planche(128, 111, 9.0, graine, echelle);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Nails in the corners.
    for (QPointF c : {QPointF(9, 9), QPointF(119, 9), QPointF(9, 102), QPointF(119, 102)}) {
        bille(p, c, 2.2, QPointF(-0.8, -0.8), 2.6,
              {{0.0, QColor(235, 235, 235)}, {1.0, QColor(90, 90, 95)}}, Qt::NoPen);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(serif(pixels, true));
    texte_grave(p, QRectF(12, 5, 104, 56), Qt::AlignCenter | Qt::TextWordWrap, texte);
    // Frame around x 48..79, y 64..95, two pixels wide, sunken.
    p.fillRect(QRect(48, 64, 32, 32), QColor(120, 76, 38, 70));
    const QColor ombre(70, 42, 18);
    const QColor lumiere(240, 212, 164);
    trait(p, {46, 62}, {81, 62}, ombre);
    trait(p, {46, 63}, {46, 97}, ombre);
    trait(p, {47, 63}, {80, 63}, ombre);
    trait(p, {47, 64}, {47, 96}, ombre);
    trait(p, {47, 97}, {81, 97}, lumiere);
    trait(p, {81, 63}, {81, 96}, lumiere);
    trait(p, {48, 96}, {80, 96}, lumiere);
    trait(p, {80, 64}, {80, 95}, lumiere);
    return image;
}

} // namespace

std::vector<Dessin> boiseries(int e) {
    const QString aide = QStringLiteral("Aide");
    const QString quitter = QStringLiteral("Quitter");
    return {
        {QStringLiteral("planche_aide"), planche_laterale(true, e)},
        {QStringLiteral("planche_jeu"), planche_laterale(false, e)},
        {QStringLiteral("plaque_joueur1"), plaque(136, 31, QStringLiteral("Joueur 1"), 18, 51, e)},
        {QStringLiteral("plaque_joueur2"), plaque(136, 31, QStringLiteral("Joueur 2"), 18, 52, e)},
        {QStringLiteral("plaque_nom"), plaque_nom(e)},
        {QStringLiteral("plaque_deplacement"),
         plaque(146, 29, QStringLiteral("Déplacement\u00A0:"), 16, 53, e)},
        {QStringLiteral("plaque_roi"), plaque(133, 33, QStringLiteral("Roi"), 18, 54, e)},
        {QStringLiteral("plaque_cavalier"), plaque(133, 33, QStringLiteral("Cavalier"), 18, 55, e)},
        {QStringLiteral("bouton_aide"), bouton_metal(142, 34, aide, false, 18, e)},
        {QStringLiteral("bouton_aide_enfonce"), bouton_metal(142, 34, aide, true, 18, e)},
        {QStringLiteral("bouton_quitter"), bouton_metal(142, 41, quitter, false, 18, e)},
        {QStringLiteral("bouton_quitter_enfonce"), bouton_metal(142, 41, quitter, true, 18, e)},
        {QStringLiteral("panneau_placez_mur"), panneau(QStringLiteral("Placez un mur"), 19, 61, e)},
        {QStringLiteral("panneau_placez_pion"),
         panneau(QStringLiteral("Placez votre pion"), 19, 62, e)},
        {QStringLiteral("panneau_deplacez_pion"),
         panneau(QStringLiteral("Déplacez votre pion"), 19, 63, e)},
        {QStringLiteral("panneau_match_nul"),
         panneau(QStringLiteral("Match nul\u00A0!"), 21, 64, e)},
        {QStringLiteral("panneau_gagne"), panneau(QStringLiteral("Gagné\u00A0!"), 24, 65, e)},
    };
}

} // namespace dessin
