// Details of the main window that only a drawn window shows: what the name box keeps, how a
// wide name fits its field, the frames of the size labels, and which button takes a click where
// two of them meet.
#include "fenetre_test.h"
#include "ui/fenetre_information.h"

using namespace tessor;
using namespace tessor::test;

namespace {
bool sombre(QRgb p) {
    return qGray(p) < 100;
}

// Whether some pixel of the image's columns `debut` to `fin` is dark.
bool sombres(const QImage& image, int debut, int fin) {
    bool vu = false;
    for (int x = debut; x <= fin; ++x) {
        for (int y = 0; y < image.height(); ++y) {
            vu = vu || sombre(image.pixel(x, y));
        }
    }
    return vu;
}
} // namespace

class TestDetails : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    // Ten characters as they show, typed or pasted: an emoji or a letter with its combining
    // accent counts once and is never cut in half. The game panel shows the player on turn, by
    // plaque and by name, the name as typed, markup included.
    void a_name_keeps_ten_whole_characters_and_shows_as_typed() {
        auto f = fenetre_montree();
        const auto boites =
            std::array{controle<QLineEdit>(*f, "nom", 0), controle<QLineEdit>(*f, "nom", 1)};
        const QString accent = QStringLiteral("e\u0301");
        tape_nom(*f, 0, accent.repeated(11));
        QCOMPARE(boites[0]->text(), accent.repeated(10));
        boites[0]->selectAll();
        QTest::keyClicks(boites[0], QStringLiteral("ABCDEFGHIJK"));
        const QString dix = QStringLiteral("<b>bcdefg\U0001F600");
        tape_nom(*f, 1, dix + QStringLiteral("x"));
        QCOMPARE(boites[1]->text(), dix);
        clique(*f, "jouer");
        auto* nom = controle<QLabel>(*f, QStringLiteral("nom_au_trait"));
        QCOMPARE(nom->text(), QStringLiteral("ABCDEFGHIJ"));
        clique_cases(*f, {{3, 3}});
        QVERIFY(montre(*f, "plaque_joueur", "plaque_joueur2"));
        QCOMPARE(nom->text(), dix);
        QCOMPARE(nom->textFormat(), Qt::PlainText);
        enregistre(f->grab().toImage(), QStringLiteral("nom_emoji"));
    }

    // A name wider than its field is broken within it, never cut off at its sides.
    void a_wide_name_stays_within_its_field() {
        auto f = fenetre_montree();
        tape_nom(*f, 0, QStringLiteral("WWWWWWWWWW"));
        clique(*f, "jouer");
        QWidget* nom = controle(*f, QStringLiteral("nom_au_trait"));
        const QImage image = nom->grab().toImage();
        const int d = image.width() - 1;
        QVERIFY(sombres(image, 0, d) && !sombres(image, 0, 0) && !sombres(image, d, d));
        enregistre(f->grab().toImage(), QStringLiteral("nom_large"));
    }

    // The width and height labels have a one-pixel frame on all four sides.
    void the_size_labels_are_framed_on_every_side() {
        auto f = fenetre_montree();
        for (int k = 0; k < 2; ++k) {
            const QImage image = controle(*f, k == 0 ? "largeur" : "hauteur")->grab().toImage();
            const int d = image.width() - 1;
            const int b = image.height() - 1;
            for (int i = 0; i <= d; ++i) {
                QVERIFY(sombre(image.pixel(i, 0)) && sombre(image.pixel(i, b)));
                QVERIFY(sombre(image.pixel(0, i)) && sombre(image.pixel(d, i)));
            }
        }
    }

    // "Info" takes a click on any of its rows, even where the area of "Retour" lies beneath.
    void info_takes_its_clicks_down_to_its_lowest_row() {
        auto f = fenetre_montree();
        clique(*f, "jouer");
        presse_image(*f, "bouton_aide");
        bool ouverte = false;
        QTimer::singleShot(50, [&ouverte] {
            if (auto* info = qobject_cast<FenetreInformation*>(QApplication::activeModalWidget())) {
                ouverte = true;
                info->reject();
            }
        });
        QWidget* bouton = controle(*f, "info");
        clique_a(*f, bouton->mapTo(f.get(), QPoint(bouton->width() / 2, bouton->height() - 1)));
        QTRY_VERIFY(ouverte);
        QVERIFY(controle(*f, QStringLiteral("panneau_aide"))->isVisible());
    }
};

QTEST_MAIN(TestDetails)
#include "test_details.moc"
