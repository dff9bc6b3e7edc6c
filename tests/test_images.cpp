// The built-in pictures and fonts: every picture the game names is compiled in, at the size the
// window lays it out, with the transparency the window relies on; the bundled fonts load.
#include "game/images.h"
#include "polices.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QSize>
#include <QTest>

#include <map>
#include <string>

using tessor::Image;

namespace {

QString chemin(Image image) {
    return QStringLiteral(":/images/") + QString::fromLatin1(tessor::nom_image(image)) +
           QStringLiteral(".png");
}

// The same picture drawn at twice the size, for screens at 200 %.
QString chemin_2x(Image image) {
    return QStringLiteral(":/images/") + QString::fromLatin1(tessor::nom_image(image)) +
           QStringLiteral("@2x.png");
}

QSize taille_attendue(Image image) {
    static const std::map<std::string, QSize> tailles{
        {"texture", {640, 460}},
        {"planche_aide", {184, 452}},
        {"planche_jeu", {184, 452}},
        {"plaque_joueur1", {136, 31}},
        {"plaque_joueur2", {136, 31}},
        {"plaque_nom", {135, 61}},
        {"plaque_deplacement", {146, 29}},
        {"plaque_roi", {133, 33}},
        {"plaque_cavalier", {133, 33}},
        {"bouton_aide", {142, 34}},
        {"bouton_aide_enfonce", {142, 34}},
        {"bouton_quitter", {142, 41}},
        {"bouton_quitter_enfonce", {142, 41}},
        {"panneau_placez_mur", {128, 111}},
        {"panneau_placez_pion", {128, 111}},
        {"panneau_deplacez_pion", {128, 111}},
        {"panneau_match_nul", {128, 111}},
        {"panneau_gagne", {128, 111}},
    };
    const auto it = tailles.find(tessor::nom_image(image));
    return it == tailles.end() ? QSize(32, 32) : it->second; // all the others are 32x32
}

QImage charge(Image image) {
    QImage img(chemin(image));
    return img.convertToFormat(QImage::Format_ARGB32);
}

// Number of distinct colours in a picture (capped): a flat fill has one.
int nb_couleurs(const QImage& img, int plafond) {
    QSet<QRgb> vues;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            vues.insert(img.pixel(x, y));
            if (vues.size() >= plafond) {
                return plafond;
            }
        }
    }
    return static_cast<int>(vues.size());
}

bool coins_transparents(const QImage& img, int cote) {
    const int d = cote - 1;
    return qAlpha(img.pixel(0, 0)) == 0 && qAlpha(img.pixel(d, 0)) == 0 &&
           qAlpha(img.pixel(0, d)) == 0 && qAlpha(img.pixel(d, d)) == 0;
}

// Mean difference per channel (alpha included) between two pictures of the same size.
double ecart_moyen(const QImage& a, const QImage& b) {
    double somme = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            somme += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return somme / (4.0 * a.width() * a.height());
}

double luminance_moyenne(const QImage& img, const QRect& zone) {
    double somme = 0.0;
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        for (int x = zone.left(); x <= zone.right(); ++x) {
            somme += qGray(img.pixel(x, y));
        }
    }
    return somme / (zone.width() * zone.height());
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { tessor::charge_polices(); }

    void chaque_image_existe_a_sa_taille_data() {
        QTest::addColumn<int>("image");
        for (int i = 1; i < tessor::NB_IMAGES; ++i) {
            QTest::newRow(tessor::nom_image(static_cast<Image>(i))) << i;
        }
    }
    void chaque_image_existe_a_sa_taille() {
        QFETCH(int, image);
        const Image id = static_cast<Image>(image);
        const QImage img(chemin(id));
        QVERIFY2(!img.isNull(), qPrintable(chemin(id)));
        QCOMPARE(img.size(), taille_attendue(id));
    }

    void chaque_image_2x_a_le_double_de_taille_data() { chaque_image_existe_a_sa_taille_data(); }
    void chaque_image_2x_a_le_double_de_taille() {
        QFETCH(int, image);
        const Image id = static_cast<Image>(image);
        const QImage un = charge(id);
        const QImage deux = QImage(chemin_2x(id)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!deux.isNull(), qPrintable(chemin_2x(id)));
        QCOMPARE(deux.size(), un.size() * 2);
        // The same drawing, finer: reduced to 1x it comes close to the 1x picture.
        const QImage reduite =
            deux.scaled(un.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double ecart = ecart_moyen(reduite, un);
        QVERIFY2(ecart < 15.0, qPrintable(QString::number(ecart)));
    }

    void noms_distincts() {
        QSet<QString> noms;
        for (int i = 1; i < tessor::NB_IMAGES; ++i) {
            noms.insert(QString::fromLatin1(tessor::nom_image(static_cast<Image>(i))));
        }
        QCOMPARE(static_cast<int>(noms.size()), tessor::NB_IMAGES - 1);
    }

    void fonds_opaques_et_varies() {
        const QImage texture = charge(Image::texture);
        QVERIFY(!texture.hasAlphaChannel() || qAlpha(texture.pixel(0, 0)) == 255);
        // Marbled, not flat: many shades (the stone blends two colours, so not hundreds).
        QVERIFY(nb_couleurs(texture, 16) >= 16);
        // Light enough for black lines and text: mean grey level well above the middle.
        QVERIFY(luminance_moyenne(texture, texture.rect()) > 150.0);
        for (Image planche : {Image::planche_aide, Image::planche_jeu}) {
            const QImage img = charge(planche);
            QVERIFY(nb_couleurs(img, 200) >= 200);
            QCOMPARE(qAlpha(img.pixel(92, 226)), 255); // the middle is solid wood
        }
    }

    void zones_libres_de_la_planche_d_aide() {
        // The rules text and switches go in x 32..161, y 75..355: plain wood like the play board
        // there, with no lettering (a letter would make a dark blot).
        const QImage aide = charge(Image::planche_aide);
        const QImage jeu = charge(Image::planche_jeu);
        for (int y = 75; y <= 355; ++y) {
            for (int x = 32; x <= 161; ++x) {
                QVERIFY2(qGray(aide.pixel(x, y)) > 80,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                QCOMPARE(qAlpha(aide.pixel(x, y)), 255);
            }
        }
        // The title and the "Retour" plaque differ from the plain board.
        QVERIFY(luminance_moyenne(aide, QRect(20, 10, 144, 55)) <
                luminance_moyenne(jeu, QRect(20, 10, 144, 55)) - 3.0);
        const QRect retour(32, 360, 129, 33);
        QVERIFY(std::abs(luminance_moyenne(aide, retour) - luminance_moyenne(jeu, retour)) > 10.0);
    }

    void champ_du_nom_blanc() {
        const QImage nom = charge(Image::plaque_nom);
        for (int y = 31; y <= 56; ++y) {
            for (int x = 2; x <= 131; ++x) {
                QCOMPARE(nom.pixel(x, y), qRgb(255, 255, 255));
            }
        }
        // "Nom :" is lettered above the field.
        QVERIFY(nb_couleurs(nom.copy(0, 0, 135, 30), 50) >= 50);
    }

    void boutons_enfonces_differents() {
        QVERIFY(charge(Image::bouton_aide) != charge(Image::bouton_aide_enfonce));
        QVERIFY(charge(Image::bouton_quitter) != charge(Image::bouton_quitter_enfonce));
        QVERIFY(charge(Image::bouton_aide) != charge(Image::bouton_quitter).copy(0, 0, 142, 34));
        // Red lettering on grey metal.
        const QImage bouton = charge(Image::bouton_aide);
        bool rouge = false;
        for (int y = 0; y < bouton.height() && !rouge; ++y) {
            for (int x = 0; x < bouton.width(); ++x) {
                const QRgb c = bouton.pixel(x, y);
                if (qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80) {
                    rouge = true;
                    break;
                }
            }
        }
        QVERIFY(rouge);
    }

    void cadre_vide_des_panneaux() {
        // The window draws a 32x32 picture at (48, 64): the sign keeps that square free of
        // lettering, and the five signs differ only by their words above it.
        const Image panneaux[] = {Image::panneau_placez_mur, Image::panneau_placez_pion,
                                  Image::panneau_deplacez_pion, Image::panneau_match_nul,
                                  Image::panneau_gagne};
        for (Image p : panneaux) {
            const QImage img = charge(p);
            for (int y = 64; y < 96; ++y) {
                for (int x = 48; x < 80; ++x) {
                    QVERIFY(qGray(img.pixel(x, y)) > 80);
                }
            }
        }
        QVERIFY(charge(Image::panneau_gagne).copy(0, 0, 128, 60) !=
                charge(Image::panneau_match_nul).copy(0, 0, 128, 60));
    }

    void petites_images_aux_coins_transparents_data() {
        QTest::addColumn<int>("image");
        for (int k = 0; k < tessor::NB_PIONS; ++k) {
            QTest::newRow(tessor::nom_image(tessor::image_pion(k)))
                << static_cast<int>(tessor::image_pion(k));
        }
        for (int k = 0; k < tessor::NB_MURS_DESSINS; ++k) {
            QTest::newRow(tessor::nom_image(tessor::image_mur(k)))
                << static_cast<int>(tessor::image_mur(k));
        }
        for (Image i :
             {Image::pastille, Image::cible, Image::logo, Image::icone, Image::icone_info}) {
            QTest::newRow(tessor::nom_image(i)) << static_cast<int>(i);
        }
    }
    void petites_images_aux_coins_transparents() {
        QFETCH(int, image);
        const QImage img = charge(static_cast<Image>(image));
        QVERIFY(img.hasAlphaChannel());
        QVERIFY(coins_transparents(img, 32));
        // Something is drawn: at least a sixth of the square is opaque, in several colours.
        int opaques = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                opaques += qAlpha(img.pixel(x, y)) > 200 ? 1 : 0;
            }
        }
        QVERIFY2(opaques >= (image == static_cast<int>(Image::cible) ? 40 : 170),
                 qPrintable(QString::number(opaques)));
        QVERIFY(nb_couleurs(img, 3) >= 2);
    }

    void pions_tous_differents() {
        QSet<QByteArray> vus;
        for (int k = 0; k < tessor::NB_PIONS; ++k) {
            const QImage img = charge(tessor::image_pion(k));
            vus.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()),
                                  static_cast<qsizetype>(img.sizeInBytes())));
        }
        QCOMPARE(static_cast<int>(vus.size()), tessor::NB_PIONS);
    }

    void interrupteurs_dans_le_quart_haut_gauche() {
        for (Image i : {Image::mur_plein, Image::mur_vide}) {
            const QImage img = charge(i);
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    const int alpha = qAlpha(img.pixel(x, y));
                    if (x < 16 && y < 16) {
                        QCOMPARE(alpha, 255);
                    } else {
                        QCOMPARE(alpha, 0);
                    }
                }
            }
            // A dark frame all round the quarter.
            for (int k = 0; k < 16; ++k) {
                QVERIFY(qGray(img.pixel(k, 0)) < 100);
                QVERIFY(qGray(img.pixel(0, k)) < 100);
                QVERIFY(qGray(img.pixel(k, 15)) < 100);
                QVERIFY(qGray(img.pixel(15, k)) < 100);
            }
        }
        // Switched off: a flat sky blue inside; switched on: bricks of several shades.
        const QImage vide = charge(Image::mur_vide);
        QCOMPARE(nb_couleurs(vide.copy(1, 1, 14, 14), 5), 1);
        const QRgb ciel = vide.pixel(8, 8);
        QVERIFY(qBlue(ciel) > qRed(ciel) && qBlue(ciel) > 200);
        QVERIFY(nb_couleurs(charge(Image::mur_plein).copy(1, 1, 14, 14), 5) >= 3);
    }

    void polices_embarquees() {
        const char* fichiers[] = {
            ":/fonts/LiberationSans-Regular.ttf",  ":/fonts/LiberationSans-Bold.ttf",
            ":/fonts/LiberationSerif-Regular.ttf", ":/fonts/LiberationSerif-Bold.ttf",
            ":/fonts/terminus-normal.otb",         ":/fonts/terminus-bold.otb"};
        const QString familles[] = {tessor::FAMILLE_SANS,     tessor::FAMILLE_SANS,
                                    tessor::FAMILLE_SERIF,    tessor::FAMILLE_SERIF,
                                    tessor::FAMILLE_TERMINAL, tessor::FAMILLE_TERMINAL};
        for (int i = 0; i < 6; ++i) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(fichiers[i]));
            QVERIFY2(id >= 0, fichiers[i]);
            QVERIFY(QFontDatabase::applicationFontFamilies(id).contains(familles[i]));
        }
    }

    void accesseurs_de_polices() {
        const QFont sans = tessor::police_sans(8.25);
        QCOMPARE(QFontInfo(sans).family(), QString::fromLatin1(tessor::FAMILLE_SANS));
        QCOMPARE(sans.pointSizeF(), 8.25);
        QVERIFY(!sans.bold());
        const QFont serif = tessor::police_serif(24, true);
        QCOMPARE(QFontInfo(serif).family(), QString::fromLatin1(tessor::FAMILLE_SERIF));
        QVERIFY(QFontInfo(serif).bold());
        QVERIFY(!QFontInfo(serif).fixedPitch());
        // A serif is not the sans: same text, different widths.
        QVERIFY(
            QFontMetrics(tessor::police_serif(18)).horizontalAdvance(QStringLiteral("Joueur")) !=
            QFontMetrics(tessor::police_sans(18)).horizontalAdvance(QStringLiteral("Joueur")));

        const QFont terminal = tessor::police_terminal(9, true);
        const QFontInfo info(terminal);
        QCOMPARE(info.family(), QString::fromLatin1(tessor::FAMILLE_TERMINAL));
        QVERIFY(info.fixedPitch());
        QVERIFY(info.bold());
        const QFontMetrics m(terminal);
        QCOMPARE(m.horizontalAdvance(QStringLiteral("1")),
                 m.horizontalAdvance(QStringLiteral("W")));
        // The board's numbers " 1".." 12" fit the 33x17 boxes.
        QVERIFY(m.horizontalAdvance(QStringLiteral(" 12")) <= 33);
        QVERIFY(m.height() <= 17);
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestImages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_images.moc"
