// The built-in pictures: every picture the game names is compiled in at the size the window
// lays it out, with a twice-as-large version of the same drawing; the small pictures (pawns,
// walls, icons) have transparent corners around an opaque drawing.
#include "game/images.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include <utility>

using tessor::Image;

namespace {

QImage charge(Image image, const char* suffixe = "") {
    return QImage(QStringLiteral(":/images/%1%2.png")
                      .arg(QLatin1String(tessor::nom_image(image)), QLatin1String(suffixe)))
        .convertToFormat(QImage::Format_ARGB32);
}

// The size the window lays each picture out at, by the start of its name; 32 x 32 for the rest.
QSize taille_attendue(Image image) {
    static const std::pair<const char*, QSize> tailles[] = {
        {"texture", {640, 460}},    {"planche_", {184, 452}},          {"plaque_joueur", {136, 31}},
        {"plaque_nom", {135, 61}},  {"plaque_deplacement", {146, 29}}, {"plaque_", {133, 33}},
        {"bouton_aide", {142, 34}}, {"bouton_quitter", {142, 41}},     {"panneau_", {128, 111}}};
    for (const auto& [debut, taille] : tailles) {
        if (QLatin1String(tessor::nom_image(image)).startsWith(QLatin1String(debut))) {
            return taille;
        }
    }
    return {32, 32};
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT

  private slots:
    void every_picture_loads_at_its_size_with_its_2x_version_data() {
        QTest::addColumn<int>("image");
        for (int i = 1; i < tessor::NB_IMAGES; ++i) {
            QTest::newRow(tessor::nom_image(static_cast<Image>(i))) << i;
        }
    }
    // Reduced to 1x, the 2x picture comes close to the 1x one: the same drawing, finer.
    void every_picture_loads_at_its_size_with_its_2x_version() {
        QFETCH(int, image);
        const Image id = static_cast<Image>(image);
        const QImage un = charge(id);
        const QImage deux = charge(id, "@2x");
        QCOMPARE(un.size(), taille_attendue(id));
        QCOMPARE(deux.size(), un.size() * 2);
        const QImage reduite =
            deux.scaled(un.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double ecart = 0.0;
        int opaques = 0;
        for (int y = 0; y < un.height(); ++y) {
            for (int x = 0; x < un.width(); ++x) {
                const QRgb p = un.pixel(x, y);
                const QRgb q = reduite.pixel(x, y);
                ecart += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                         std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
                opaques += qAlpha(p) > 200;
            }
        }
        ecart /= 4.0 * un.width() * un.height();
        QVERIFY2(ecart < 15.0, qPrintable(QString::number(ecart)));
        // The small pictures, but for the two switch faces, which fill their square.
        if (un.size() == QSize(32, 32) && id != Image::mur_plein && id != Image::mur_vide) {
            for (QPoint coin : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
                QCOMPARE(qAlpha(un.pixel(coin)), 0);
            }
            QVERIFY(opaques >= (id == Image::cible ? 40 : 170));
        }
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestImages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_images.moc"
