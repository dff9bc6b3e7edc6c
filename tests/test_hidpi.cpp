// The main window on a screen at 200 %: it shows the pictures drawn at twice the size, pixel for
// pixel, and every picture box keeps the place and size it has at 100 %.
#include "fenetre_test.h"

using namespace tessor;
using namespace tessor::test;

namespace {

QImage image_2x(const char* nom) {
    return QImage(QStringLiteral(":/images/%1@2x.png").arg(QLatin1String(nom)))
        .convertToFormat(QImage::Format_ARGB32);
}

// True when the opaque pixels of the 2x picture `nom` show in the 2x capture with their corner
// at `coin`, in window coordinates.
bool dessine_2x(const QImage& capture, QPoint coin, const char* nom) {
    const QImage image = image_2x(nom);
    const QImage vu = capture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 255 && vu.pixel(coin * 2 + QPoint(x, y)) != p) {
                return false;
            }
        }
    }
    return true;
}

// With TESSOR_CAPTURES naming a folder, the capture is saved there for the documentation.
void enregistre(const QImage& capture, const char* nom) {
    const QString dossier = qEnvironmentVariable("TESSOR_CAPTURES");
    if (!dossier.isEmpty()) {
        capture.save(QStringLiteral("%1/%2.png").arg(dossier, QLatin1String(nom)));
    }
}

} // namespace

class TestHidpi : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        filtre_messages();
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    void les_panneaux_gardent_leur_taille_data() {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("image");
        const char* paires[][2] = {{"sspanel3", "planche_jeu"},
                                   {"sspanel5", "planche_aide"},
                                   {"aff_joueur(0)", "plaque_joueur1"},
                                   {"Picture1", "plaque_nom"},
                                   {"Picture2(0)", "panneau_placez_pion"},
                                   {"Picture3", "plaque_deplacement"},
                                   {"Picture4(0)", "plaque_roi"},
                                   {"Picture5(0)", "bouton_aide"},
                                   {"Picture6(0)", "bouton_quitter"}};
        for (const auto& p : paires) {
            QTest::newRow(p[0]) << QString::fromLatin1(p[0]) << QString::fromLatin1(p[1]);
        }
    }
    void les_panneaux_gardent_leur_taille() {
        QFETCH(QString, controle);
        QFETCH(QString, image);
        auto f = fenetre_montree();
        auto* picture = tessor::test::controle<Picture>(*f, controle);
        QCOMPARE(picture->size(), QImage(QStringLiteral(":/images/%1.png").arg(image)).size());
        QCOMPARE(picture->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(picture->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 image_2x(qPrintable(image)));
    }

    void une_partie_se_dessine_avec_les_images_2x() {
        auto f = fenetre_montree();
        clique_bouton(*f, "Command2", 3, 5); // player 2: the dolphin
        clique_bouton(*f, "Command3", 1);
        for (QPoint c : {QPoint(4, 4), QPoint(6, 6), QPoint(5, 4), QPoint(7, 7), QPoint(7, 6),
                         QPoint(3, 3), QPoint(5, 5), QPoint(8, 4), QPoint(7, 5), QPoint(4, 8)}) {
            clique_case(*f, c.x(), c.y());
        }
        // Both hints on, back to the game panel.
        presse_image(*f, "Picture5");
        clique_sur(*f, controle(*f, "BoutonAide", 0));
        clique_sur(*f, controle(*f, "BoutonAide", 1));
        clique_sur(*f, controle(*f, QStringLiteral("Command4")));
        const QImage capture = f->grab().toImage();
        QCOMPARE(capture.size(), QSize(1280, 920));
        QVERIFY(dessine_2x(capture, controle(*f, "dessinpion", 1)->pos(), "pion_06_dauphin"));
        QVERIFY(dessine_2x(capture, controle(*f, "mur", 4)->pos(), "mur_00_briques"));
        QVERIFY(dessine_2x(capture, QPoint(456, 8) + QPoint(30, 37), "plaque_joueur1"));
        QVERIFY(dessine_2x(capture, QPoint(456, 8) + QPoint(24, 325), "bouton_aide"));
        enregistre(capture, "partie_2x");
    }

    // The numbers keep their size on screen: at 2x their digits span about twice as many
    // device rows as the 12-pixel face they use at 1x.
    void les_numeros_du_plateau_gardent_leur_taille() {
        auto f = fenetre_montree();
        clique_bouton(*f, "Command3", 1);
        const QImage capture = f->grab().toImage();
        const QWidget* numero = controle(*f, "lettregauche", 0);
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
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHidpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
