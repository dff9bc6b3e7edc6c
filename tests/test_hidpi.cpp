// The main window on a screen at 200 %: it shows the pictures drawn at twice the size, pixel for
// pixel, every picture box keeps the place and size it has at 100 %, and so do the numbers.
#include "fenetre_test.h"

using namespace tessor;
using namespace tessor::test;

class TestHidpi : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void the_panels_keep_their_size_with_2x_pictures() {
        auto f = fenetre_montree();
        const char* paires[][2] = {
            {"panneau_jeu", "planche_jeu"},       {"panneau_aide", "planche_aide"},
            {"plaque_joueur", "plaque_joueur1"},  {"plaque_nom", "plaque_nom"},
            {"signe", "panneau_placez_pion"},     {"titre_deplacement", "plaque_deplacement"},
            {"plaque_deplacement", "plaque_roi"}, {"bouton_aide", "bouton_aide"},
            {"bouton_abandon", "bouton_quitter"}};
        for (const auto& p : paires) {
            auto* cadre = controle<CadreImage>(*f, QString::fromLatin1(p[0]));
            const QString image = QStringLiteral(":/images/%1").arg(QLatin1String(p[1]));
            QCOMPARE(cadre->size(), QImage(image + ".png").size());
            QCOMPARE(cadre->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                     QImage(image + "@2x.png").convertToFormat(QImage::Format_ARGB32));
        }
    }

    // The numbers keep their size on screen: at 2x their digits span about twice as many
    // device rows as the 12-pixel face they use at 1x.
    void a_game_draws_2x_pictures_and_full_size_numbers() {
        auto f = fenetre_montree();
        partie_avec_les_aides(*f);
        const QImage capture = f->grab().toImage();
        QCOMPARE(capture.size(), QSize(1280, 920));
        QVERIFY(dessine(capture, controle(*f, "pion", 1)->pos(), "pion_06_dauphin", 2));
        QVERIFY(dessine(capture, controle(*f, "mur", 4)->pos(), "mur_00_briques", 2));
        QVERIFY(dessine(capture, QPoint(456, 8) + QPoint(30, 37), "plaque_joueur1", 2));
        const QWidget* numero = controle(*f, "numero_ligne", 0);
        const QRect zone(numero->pos() * 2, numero->size() * 2);
        int lignes_encrees = 0;
        for (int y = zone.top(); y <= zone.bottom(); ++y) {
            bool encree = false;
            for (int x = zone.left(); x <= zone.right(); ++x) {
                encree = encree || qGray(capture.pixel(x, y)) < 60;
            }
            lignes_encrees += encree;
        }
        QVERIFY2(lignes_encrees >= 14, qPrintable(QString::number(lignes_encrees)));
        enregistre(capture, QStringLiteral("partie_2x"));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHidpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
