// dessine_niveaux: draws docs/niveaux.png, the heat map of a "tournoi" answer of tessor-analyse,
// one 5 x 5 grid for each board and movement, coloured by the score of the row's level (a
// pairing the answer does not hold stays blank).
//
//   cmake --build build-images --target dessine_niveaux
//   ./build-images/tools/images/dessine_niveaux <repository root> <answer file>...
// Several answers make one map: a pairing that two answers hold is drawn from the later one.
#include "dessin.h"

#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {
constexpr int NB_NIVEAUX = 5;
constexpr int CASE = 84;
constexpr int ENTETE = 64; // the level names left of and above a grid
constexpr int TITRE = 34;
constexpr int MARGE = 24;
constexpr int LARGEUR_GRILLE = ENTETE + NB_NIVEAUX * CASE;
constexpr int HAUTEUR_GRILLE = TITRE + ENTETE + NB_NIVEAUX * CASE;
constexpr int INTRO = 92;
constexpr int LEGENDE = 84;

// Red at 0, a pale grey at 1/2 and blue at 1, straight lines in between.
QColor couleur(double score) {
    const QColor rouge(196, 48, 43);
    const QColor pale(242, 241, 236);
    const QColor bleu(38, 92, 176);
    const QColor& a = score < 0.5 ? rouge : pale;
    const QColor& b = score < 0.5 ? pale : bleu;
    const double t = score < 0.5 ? 2.0 * score : 2.0 * score - 1.0;
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor encre(double score) {
    return score < 0.2 || score > 0.8 ? QColor(Qt::white) : QColor(24, 24, 24);
}

QString niveau(int n) {
    return QStringLiteral("Ordi %1").arg(n);
}

// One cell: the score in percent, and below it the half-width of its interval.
void dessine_case(QPainter& p, const QRect& r, const QJsonObject& rencontre) {
    const double score = rencontre["score"].toDouble();
    const QJsonArray intervalle = rencontre["intervalle"].toArray();
    const double demi = (intervalle[1].toDouble() - intervalle[0].toDouble()) / 2.0;
    p.fillRect(r, couleur(score));
    p.setPen(encre(score));
    p.setFont(dessin::sans(22));
    p.drawText(r.adjusted(0, 12, 0, -38), Qt::AlignCenter, QString::number(100.0 * score, 'f', 1));
    p.setFont(dessin::sans(13, false));
    p.drawText(r.adjusted(0, 46, 0, -10), Qt::AlignCenter,
               QStringLiteral("± %1").arg(100.0 * demi, 0, 'f', 1));
}

// The grid of one board and movement at `o`: its title, the level names, the cells.
void dessine_grille(QPainter& p, QPoint o, const QJsonObject& configuration) {
    p.setPen(QColor(24, 24, 24));
    p.setFont(dessin::sans(18));
    const QString titre = QStringLiteral("%1 × %2, %3")
                              .arg(configuration["largeur"].toInt())
                              .arg(configuration["hauteur"].toInt())
                              .arg(configuration["cavalier"].toBool() ? QStringLiteral("Cavalier")
                                                                      : QStringLiteral("Roi"));
    p.drawText(QRect(o.x(), o.y(), LARGEUR_GRILLE, TITRE), Qt::AlignLeft | Qt::AlignTop, titre);
    const QPoint grille = o + QPoint(ENTETE, TITRE + ENTETE);
    p.setFont(dessin::sans(13, false));
    p.drawText(QRect(o.x(), o.y() + TITRE, ENTETE, ENTETE), Qt::AlignCenter,
               QStringLiteral("1st ↓\n2nd →"));
    p.setFont(dessin::sans(14));
    for (int k = 0; k < NB_NIVEAUX; ++k) {
        p.drawText(QRect(grille.x() + k * CASE, o.y() + TITRE, CASE, ENTETE), Qt::AlignCenter,
                   niveau(k + 1));
        p.drawText(QRect(o.x(), grille.y() + k * CASE, ENTETE, CASE), Qt::AlignCenter,
                   niveau(k + 1));
    }
    const QJsonArray rencontres = configuration["rencontres"].toArray();
    for (const QJsonValue& v : rencontres) {
        const QJsonObject rencontre = v.toObject();
        const QJsonArray niveaux = rencontre["niveaux"].toArray();
        const QPoint coin =
            grille + QPoint((niveaux[1].toInt() - 1) * CASE, (niveaux[0].toInt() - 1) * CASE);
        dessine_case(p, QRect(coin, QSize(CASE, CASE)), rencontre);
    }
    const int cote = NB_NIVEAUX * CASE;
    for (int k = 0; k <= NB_NIVEAUX; ++k) {
        dessin::trait(p, grille + QPoint(0, k * CASE), grille + QPoint(cote, k * CASE), Qt::white);
        dessin::trait(p, grille + QPoint(k * CASE, 0), grille + QPoint(k * CASE, cote), Qt::white);
    }
}

// The colour scale from 0 to 100, with its meaning.
void dessine_legende(QPainter& p, const QRect& r) {
    const QRect barre(r.x(), r.y() + 28, r.width(), 18);
    for (int x = 0; x < barre.width(); ++x) {
        dessin::trait(p, QPoint(barre.x() + x, barre.y()), QPoint(barre.x() + x, barre.bottom()),
                      couleur(static_cast<double>(x) / (barre.width() - 1)));
    }
    p.setPen(QColor(24, 24, 24));
    p.setFont(dessin::sans(14, false));
    p.drawText(QRect(r.x(), r.y(), r.width(), 24), Qt::AlignCenter,
               QStringLiteral("Score of the row's level (%): win 1, draw ½, loss 0"));
    for (int k = 0; k <= 4; ++k) {
        const int x = barre.x() + k * (barre.width() - 1) / 4;
        p.drawText(QRect(x - 30, barre.bottom() + 4, 60, 20), Qt::AlignCenter,
                   QString::number(25 * k));
    }
}

QImage carte_des_scores(const QJsonArray& configurations) {
    const int rangs = static_cast<int>((configurations.size() + 1) / 2);
    const int largeur = 2 * LARGEUR_GRILLE + 3 * MARGE;
    const int hauteur = INTRO + rangs * (HAUTEUR_GRILLE + MARGE) + LEGENDE;
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(24, 24, 24));
    p.setFont(dessin::sans(14, false));
    p.drawText(QRect(MARGE, MARGE, largeur - 2 * MARGE, INTRO - MARGE),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Each cell: the score of the row's level, which plays first, against "
                              "the column's level (niveaux.md gives the number of games); below "
                              "it, ± the half-width of its 95 % Wilson score interval."));
    for (int k = 0; k < configurations.size(); ++k) {
        const QPoint o(MARGE + (k % 2) * (LARGEUR_GRILLE + MARGE),
                       INTRO + (k / 2) * (HAUTEUR_GRILLE + MARGE));
        dessine_grille(p, o, configurations[k].toObject());
    }
    dessine_legende(p, QRect(MARGE + ENTETE, hauteur - LEGENDE, largeur - 2 * (MARGE + ENTETE),
                             LEGENDE - MARGE));
    return image;
}
// Adds the pairings of `ajout` to those of the same board and movement in `configurations`, or
// adds the board and movement: answers of several requests make one map.
void reunit(QJsonArray& configurations, const QJsonArray& ajout) {
    for (const QJsonValue& v : ajout) {
        const QJsonObject c = v.toObject();
        bool trouvee = false;
        for (auto&& existante : configurations) {
            QJsonObject e = existante.toObject();
            if (e["largeur"] == c["largeur"] && e["hauteur"] == c["hauteur"] &&
                e["cavalier"] == c["cavalier"]) {
                QJsonArray rencontres = e["rencontres"].toArray();
                for (const QJsonValue& r : c["rencontres"].toArray()) {
                    rencontres.append(r);
                }
                e["rencontres"] = rencontres;
                existante = e;
                trouvee = true;
            }
        }
        if (!trouvee) {
            configurations.append(c);
        }
    }
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage : %s <racine du dépôt> <réponse tournoi>...\n", argv[0]);
        return 2;
    }
    const QString racine = QString::fromLocal8Bit(argv[1]);
    QJsonArray configurations;
    for (int k = 2; k < argc; ++k) {
        QFile fichier(QString::fromLocal8Bit(argv[k]));
        if (!fichier.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "illisible : %s\n", argv[k]);
            return 1;
        }
        // One answer a line, as the tool writes them.
        for (const QByteArray& ligne : fichier.readAll().split('\n')) {
            reunit(configurations, QJsonDocument::fromJson(ligne)["configurations"].toArray());
        }
    }
    if (configurations.isEmpty()) {
        std::fprintf(stderr, "aucune configuration lisible\n");
        return 1;
    }
    dessin::charge_polices(racine);
    const QString chemin = racine + QStringLiteral("/docs/niveaux.png");
    if (!carte_des_scores(configurations).save(chemin, "PNG")) {
        std::fprintf(stderr, "échec de l'écriture : %s\n", qPrintable(chemin));
        return 1;
    }
    std::printf("carte des niveaux écrite dans %s\n", qPrintable(chemin));
    return 0;
}
