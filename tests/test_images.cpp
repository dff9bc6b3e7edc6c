// The built-in pictures: every picture the game names is compiled in at the size the
// window lays it out, with a twice-as-large version of the same drawing; the small pictures
// have transparent corners.
#include "game/images.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include <map>
#include <string>

using tessor::Image;

namespace {

QImage charge(Image image, const char* suffixe = "") {
    return QImage(QStringLiteral(":/images/%1%2.png")
                      .arg(QLatin1String(tessor::nom_image(image)), QLatin1String(suffixe)))
        .convertToFormat(QImage::Format_ARGB32);
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

} // namespace

class TestImages : public QObject {
    Q_OBJECT

  private slots:
    void every_picture_and_its_2x_version_load_at_their_size_data() {
        QTest::addColumn<int>("image");
        for (int i = 1; i < tessor::NB_IMAGES; ++i) {
            QTest::newRow(tessor::nom_image(static_cast<Image>(i))) << i;
        }
    }
    // Reduced to 1x, the 2x picture comes close to the 1x one: the same drawing, finer.
    void every_picture_and_its_2x_version_load_at_their_size() {
        QFETCH(int, image);
        const Image id = static_cast<Image>(image);
        const QImage un = charge(id);
        const QImage deux = charge(id, "@2x");
        QCOMPARE(un.size(), taille_attendue(id));
        QCOMPARE(deux.size(), un.size() * 2);
        const QImage reduite =
            deux.scaled(un.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double ecart = 0.0;
        for (int y = 0; y < un.height(); ++y) {
            for (int x = 0; x < un.width(); ++x) {
                const QRgb p = un.pixel(x, y);
                const QRgb q = reduite.pixel(x, y);
                ecart += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                         std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
            }
        }
        ecart /= 4.0 * un.width() * un.height();
        QVERIFY2(ecart < 15.0, qPrintable(QString::number(ecart)));
    }

    // Pawns, wall pictures and icons: transparent corners around an opaque drawing.
    void small_pictures_have_transparent_corners() {
        QList<Image> images{Image::pastille, Image::cible, Image::logo, Image::icone,
                            Image::icone_info};
        for (int k = 0; k < tessor::NB_PIONS; ++k) {
            images << tessor::image_pion(k);
        }
        for (int k = 0; k < tessor::NB_MURS_DESSINS; ++k) {
            images << tessor::image_mur(k);
        }
        for (Image i : images) {
            const QImage img = charge(i);
            int opaques = 0;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    const bool coin = (x == 0 || x == 31) && (y == 0 || y == 31);
                    QVERIFY2(!coin || qAlpha(img.pixel(x, y)) == 0, tessor::nom_image(i));
                    opaques += qAlpha(img.pixel(x, y)) > 200 ? 1 : 0;
                }
            }
            QVERIFY2(opaques >= (i == Image::cible ? 40 : 170), tessor::nom_image(i));
        }
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestImages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_images.moc"
