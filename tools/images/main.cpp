// dessine_images: draws every built-in picture of the game and a contact sheet of them all.
//
//   cmake -S . -B build-images
//   cmake --build build-images --target dessine_images
//   ./build-images/tools/images/dessine_images <repository root>
//
// It writes assets/images/<name>.png for every name of game/images.cpp, the same drawn at twice
// the size as <name>@2x.png (for screens at 200 %), the program's icon at each size of the
// freedesktop theme in packaging/icons/hicolor/, and docs/pictures.png, where each 1x picture is
// shown at its real size and three times larger. Lettering uses the fonts
// bundled in assets/fonts/; some subjects use glyphs of the colour emoji font of the Debian
// package fonts-noto-color-emoji. Everything random comes from fixed seeds: two runs write
// byte-identical files.
#include "dessin.h"
#include "game/images.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

// Where a picture stands on the contact sheet: at 1x, and at 3x whole or (when large) a detail.
struct Place {
    const dessin::Dessin* d;
    QRect un, trois;
    QRect source;
    QPoint texte;
};

constexpr int LARGEUR_PLANCHE = 1800;
constexpr int MARGE_PLANCHE = 16;

// Lays the pictures out in rows; `hauteur` receives the sheet's height.
std::vector<Place> dispose(const std::vector<dessin::Dessin>& dessins, int& hauteur) {
    constexpr int legende = 22;
    std::vector<Place> places;
    int x = MARGE_PLANCHE;
    int y = MARGE_PLANCHE;
    int hauteur_rang = 0;
    for (const auto& d : dessins) {
        const QSize t = d.image.size();
        // Pictures wider than 300 pixels show a 3x detail of their top-left corner.
        const QRect source = t.width() > 300 ? QRect(0, 0, 200, 150) : QRect(QPoint(0, 0), t);
        const int l = std::max(t.width() + 8 + source.width() * 3, 200);
        const int h = legende + std::max(t.height(), source.height() * 3);
        if (x + l > LARGEUR_PLANCHE - MARGE_PLANCHE) {
            x = MARGE_PLANCHE;
            y += hauteur_rang + MARGE_PLANCHE;
            hauteur_rang = 0;
        }
        places.push_back(
            {&d, QRect(QPoint(x, y + legende), t),
             QRect(x + t.width() + 8, y + legende, source.width() * 3, source.height() * 3), source,
             QPoint(x, y + 15)});
        x += l + MARGE_PLANCHE;
        hauteur_rang = std::max(hauteur_rang, h);
    }
    hauteur = y + hauteur_rang + MARGE_PLANCHE;
    return places;
}

// A checkerboard behind a picture, so that transparency shows.
void damier(QPainter& p, const QRect& r) {
    for (int cy = r.top(); cy <= r.bottom(); cy += 8) {
        for (int cx = r.left(); cx <= r.right(); cx += 8) {
            const bool clair = ((cx - r.left()) / 8 + (cy - r.top()) / 8) % 2 == 0;
            p.fillRect(QRect(cx, cy, 8, 8).intersected(r),
                       clair ? QColor(250, 250, 250) : QColor(200, 200, 200));
        }
    }
}

QImage planche_contact(const std::vector<dessin::Dessin>& dessins) {
    int hauteur = 0;
    const std::vector<Place> places = dispose(dessins, hauteur);
    QImage feuille(LARGEUR_PLANCHE, hauteur, QImage::Format_RGB32);
    feuille.fill(QColor(214, 214, 208));
    QPainter p(&feuille);
    p.setFont(dessin::sans(13, true));
    for (const auto& pl : places) {
        p.setPen(QColor(20, 20, 20));
        QString titre = pl.d->nom;
        if (pl.source.size() != pl.d->image.size()) {
            titre += QStringLiteral("  (détail ×3)");
        }
        p.drawText(pl.texte, titre);
        damier(p, pl.un);
        damier(p, pl.trois);
        p.drawImage(pl.un.topLeft(), pl.d->image);
        p.drawImage(pl.trois, pl.d->image.copy(pl.source).scaled(
                                  pl.trois.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    return feuille;
}

// Every picture at one scale, ready to save, in the order of game/images.cpp; empty (with a
// message) unless the drawings are exactly the pictures the game names.
std::vector<dessin::Dessin> dessins(int echelle) {
    std::vector<dessin::Dessin> tous;
    for (auto&& groupe :
         {dessin::textures(echelle), dessin::boiseries(echelle), dessin::icones(echelle)}) {
        tous.insert(tous.end(), groupe.begin(), groupe.end());
    }
    std::map<QString, const dessin::Dessin*> par_nom;
    for (const auto& d : tous) {
        par_nom[d.nom] = &d;
    }
    std::vector<dessin::Dessin> ordonnes;
    for (int i = 1; i < tessor::NB_IMAGES; ++i) {
        const QString nom = QString::fromLatin1(tessor::nom_image(static_cast<tessor::Image>(i)));
        const auto it = par_nom.find(nom);
        if (it == par_nom.end()) {
            std::fprintf(stderr, "image non dessinée : %s\n", qPrintable(nom));
            return {};
        }
        dessin::Dessin d = *it->second;
        d.image = d.image.convertToFormat(d.image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                    : QImage::Format_RGB32);
        ordonnes.push_back(d);
    }
    if (ordonnes.size() != tous.size()) {
        std::fprintf(stderr, "la liste des dessins ne correspond pas à game/images.cpp\n");
        return {};
    }
    return ordonnes;
}

bool ecrit(const QImage& image, const QString& chemin) {
    if (!QDir().mkpath(QFileInfo(chemin).path()) || !image.save(chemin, "PNG")) {
        std::fprintf(stderr, "échec de l'écriture : %s\n", qPrintable(chemin));
        return false;
    }
    return true;
}

// The pictures at 1x as <name>.png and at 2x as <name>@2x.png.
bool ecrit_images(const QString& dossier, const std::vector<dessin::Dessin>& un,
                  const std::vector<dessin::Dessin>& deux) {
    for (std::size_t i = 0; i < un.size(); ++i) {
        if (!ecrit(un[i].image, dossier + QStringLiteral("/%1.png").arg(un[i].nom)) ||
            !ecrit(deux[i].image, dossier + QStringLiteral("/%1@2x.png").arg(deux[i].nom))) {
            return false;
        }
    }
    return true;
}

// The program's icon in the freedesktop "hicolor" theme, drawn at each size.
bool ecrit_icones(const QString& racine) {
    for (int cote : {16, 32, 48, 64, 128, 256}) {
        const QString chemin = QStringLiteral("%1/packaging/icons/hicolor/%2x%2/apps/tessor.png")
                                   .arg(racine)
                                   .arg(cote);
        if (!ecrit(dessin::icone_programme(cote).convertToFormat(QImage::Format_ARGB32), chemin)) {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage : %s <racine du dépôt>\n", argv[0]);
        return 2;
    }
    const QString racine = QString::fromLocal8Bit(argv[1]);
    dessin::charge_polices(racine);

    const std::vector<dessin::Dessin> un = dessins(1);
    const std::vector<dessin::Dessin> deux = dessins(2);
    if (un.empty() || deux.empty()) {
        return 1;
    }
    const QString dossier = racine + QStringLiteral("/assets/images");
    const QString feuille = racine + QStringLiteral("/docs/pictures.png");
    if (!ecrit_images(dossier, un, deux) || !ecrit_icones(racine) ||
        !ecrit(planche_contact(un), feuille)) {
        return 1;
    }
    std::printf("%zu images écrites dans %s (1x et 2x), icônes dans packaging/icons, planche "
                "contact %s\n",
                un.size(), qPrintable(dossier), qPrintable(feuille));
    return 0;
}
