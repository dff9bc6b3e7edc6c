// dessine_images: draws every built-in picture of the game and a contact sheet of them all.
//
//   cmake -S . -B build-images
//   cmake --build build-images --target dessine_images
//   ./build-images/tools/images/dessine_images <repository root>
//
// It writes assets/images/<name>.png for every name of game/images.cpp, and docs/pictures.png,
// where each picture is shown at its real size and three times larger. Lettering uses the fonts
// bundled in assets/fonts/; some subjects use glyphs of the colour emoji font of the Debian
// package fonts-noto-color-emoji. Everything random comes from fixed seeds: two runs write
// byte-identical files.
#include "dessin.h"
#include "game/images.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

// How a picture appears on the contact sheet: at 1x, and at 3x whole or (when large) a detail.
QImage planche_contact(const std::vector<dessin::Dessin>& dessins) {
    constexpr int largeur = 1800;
    constexpr int marge = 16;
    constexpr int legende = 22;
    struct Place {
        const dessin::Dessin* d;
        QRect un, trois;
        QRect source;
        QPoint texte;
    };
    std::vector<Place> places;
    int x = marge;
    int y = marge;
    int hauteur_rang = 0;
    for (const auto& d : dessins) {
        const QSize t = d.image.size();
        // Pictures wider than 300 pixels show a 3x detail of their top-left corner.
        const QRect source = t.width() > 300 ? QRect(0, 0, 200, 150) : QRect(QPoint(0, 0), t);
        const int l = std::max(t.width() + 8 + source.width() * 3, 200);
        const int h = legende + std::max(t.height(), source.height() * 3);
        if (x + l > largeur - marge) {
            x = marge;
            y += hauteur_rang + marge;
            hauteur_rang = 0;
        }
        Place pl{&d, QRect(QPoint(x, y + legende), t),
                 QRect(x + t.width() + 8, y + legende, source.width() * 3, source.height() * 3),
                 source, QPoint(x, y + 15)};
        places.push_back(pl);
        x += l + marge;
        hauteur_rang = std::max(hauteur_rang, h);
    }
    QImage feuille(largeur, y + hauteur_rang + marge, QImage::Format_RGB32);
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
        // A checkerboard behind, so that transparency shows.
        for (const QRect& r : {pl.un, pl.trois}) {
            for (int cy = r.top(); cy <= r.bottom(); cy += 8) {
                for (int cx = r.left(); cx <= r.right(); cx += 8) {
                    const bool clair = ((cx - r.left()) / 8 + (cy - r.top()) / 8) % 2 == 0;
                    p.fillRect(QRect(cx, cy, 8, 8).intersected(r),
                               clair ? QColor(250, 250, 250) : QColor(200, 200, 200));
                }
            }
        }
        p.drawImage(pl.un.topLeft(), pl.d->image);
        p.drawImage(pl.trois, pl.d->image.copy(pl.source).scaled(
                                  pl.trois.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    return feuille;
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

    std::vector<dessin::Dessin> dessins;
    for (auto&& groupe : {dessin::textures(), dessin::boiseries(), dessin::icones()}) {
        dessins.insert(dessins.end(), groupe.begin(), groupe.end());
    }
    std::map<QString, const dessin::Dessin*> par_nom;
    for (const auto& d : dessins) {
        par_nom[d.nom] = &d;
    }

    // Every picture the game names must be drawn, and nothing else; write them in its order.
    std::vector<dessin::Dessin> ordonnes;
    bool manque = false;
    for (int i = 1; i < tessor::NB_IMAGES; ++i) {
        const QString nom = QString::fromLatin1(tessor::nom_image(static_cast<tessor::Image>(i)));
        const auto it = par_nom.find(nom);
        if (it == par_nom.end()) {
            std::fprintf(stderr, "image non dessinée : %s\n", qPrintable(nom));
            manque = true;
            continue;
        }
        ordonnes.push_back(*it->second);
    }
    if (manque || ordonnes.size() != dessins.size()) {
        std::fprintf(stderr, "la liste des dessins ne correspond pas à game/images.cpp\n");
        return 1;
    }

    const QDir dossier(racine + QStringLiteral("/assets/images"));
    if (!QDir().mkpath(dossier.path()) || !QDir().mkpath(racine + QStringLiteral("/docs"))) {
        std::fprintf(stderr, "impossible de créer les dossiers de sortie\n");
        return 1;
    }
    for (auto& d : ordonnes) {
        d.image = d.image.convertToFormat(d.image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                    : QImage::Format_RGB32);
        const QString chemin = dossier.filePath(d.nom + QStringLiteral(".png"));
        if (!d.image.save(chemin, "PNG")) {
            std::fprintf(stderr, "échec de l'écriture : %s\n", qPrintable(chemin));
            return 1;
        }
    }
    const QString feuille = racine + QStringLiteral("/docs/pictures.png");
    if (!planche_contact(ordonnes).save(feuille, "PNG")) {
        std::fprintf(stderr, "échec de l'écriture : %s\n", qPrintable(feuille));
        return 1;
    }
    std::printf("%zu images écrites dans %s, planche contact %s\n", ordonnes.size(),
                qPrintable(dossier.path()), qPrintable(feuille));
    return 0;
}
