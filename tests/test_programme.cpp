// The program from its splash window: the hand-over to the main window, whole games played by
// clicks, the information window, and the end of the program however the window is left.
#include "fenetre_test.h"
#include "ui/programme.h"

#include <QLineEdit>

using namespace tessor;
using namespace tessor::test;

namespace {

// Starts the program and waits for the main window.
Form1& demarre(Programme& programme) {
    programme.demarre();
    if (!QTest::qWaitFor([&] { return programme.fenetre() != nullptr; }, 2000) ||
        !QTest::qWaitForWindowExposed(programme.fenetre())) {
        qFatal("the splash window never handed over");
    }
    return *programme.fenetre();
}

bool une_fenetre_visible() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            return true;
        }
    }
    return false;
}

struct Options {
    QStringList textes;
    QList<QImage> images;

    explicit Options(Form1& f) {
        for (int k = 0; k < 2; ++k) {
            textes << controle<QLineEdit>(f, "text1", k)->text();
            textes << controle<QLabel>(f, "Label2", k)->text();
        }
        for (int k = 0; k < 3; ++k) {
            textes << controle<QPushButton>(f, "Command1", k)->text();
            images << controle<Picture>(f, "Image1", k)->pixmap().toImage();
        }
    }
    bool operator==(const Options& o) const { return textes == o.textes && images == o.images; }
};

} // namespace

class TestProgramme : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    void l_ecran_de_chargement_passe_la_main_a_la_fenetre() {
        Programme programme([] { return MIDI; });
        programme.demarre();
        QVERIFY(programme.chargement().isVisible());
        QVERIFY(programme.fenetre() == nullptr);
        Form1& f = demarre(programme);
        QVERIFY(!programme.chargement().isVisible());
        QVERIFY(f.isVisible());
        QCOMPARE(f.size(), QSize(640, 460));
        QVERIFY(controle(f, QStringLiteral("Menu"))->isVisible());
        QTest::qWait(20); // the splash's timer does not fire again
        QCOMPARE(programme.fenetre(), &f);
    }

    void une_partie_entre_humains_gagnee_puis_non_garde_les_options() {
        Programme programme([] { return MIDI; });
        Form1& f = demarre(programme);
        for (int k = 0; k < 2; ++k) {
            auto* nom = controle<QLineEdit>(f, "text1", k);
            nom->selectAll();
            QTest::keyClicks(nom, k == 0 ? QStringLiteral("Yvette") : QStringLiteral("Marius"));
        }
        clique_bouton(f, "Command1", 0, 5); // all the levels, back to "Humain"
        clique_bouton(f, "Command2", 0, 3);
        clique_bouton(f, "Command2", 2, 2);
        clique_bouton(f, "Command2", 8);
        clique_bouton(f, "Command1", 2);
        dimensionne(f, 4, 5);
        const Options avant(f);
        Repondeur r({false});
        clique_bouton(f, "Command3", 1);
        QCOMPARE(f.jeu().origine_x, 160);
        QCOMPARE(f.jeu().origine_y, 145);
        for (QPoint c : {QPoint(3, 3), QPoint(3, 7), QPoint(4, 5)}) {
            clique_case(f, c.x(), c.y());
            QVERIFY(r.questions.isEmpty());
        }
        bool gagne = false;
        QString gagnant;
        r.a_l_ouverture = [&] {
            gagne = montre(f, "Picture2", 0, "panneau_gagne");
            gagnant = controle<QLabel>(f, QStringLiteral("Label7"))->text();
        };
        clique_case(f, 5, 6); // the wall that leaves player 2's knight without a move
        QCOMPARE(r.questions, QStringList{QStringLiteral("Voulez-vous rejouer?")});
        QVERIFY(gagne);
        QCOMPARE(gagnant, QStringLiteral("Yvette"));
        QVERIFY(controle(f, QStringLiteral("Menu"))->isVisible());
        QVERIFY(Options(f) == avant);
        QVERIFY(!controle(f, "dessinpion", 0)->isVisible());
    }

    void une_partie_contre_l_ordinateur_jusqu_au_bout_puis_oui_relance() {
        Programme programme([] { return MIDI; });
        Form1& f = demarre(programme);
        clique_bouton(f, "Command1", 1, 2); // player 2: "Ordi  2"
        dimensionne(f, 5, 4);
        Repondeur r({true});
        clique_bouton(f, "Command3", 1);
        clique_case(f, 5, 4);
        for (int tour = 0; tour < 20 && r.questions.isEmpty(); ++tour) {
            joue_tour(f);
        }
        QCOMPARE(r.questions, QStringList{QStringLiteral("Voulez-vous rejouer?")});
        QVERIFY(!controle(f, QStringLiteral("Menu"))->isVisible());
        QVERIFY(montre(f, "Picture2", 0, "panneau_placez_pion"));
        QCOMPARE(f.jeu().phase, 0);
        QCOMPARE(f.jeu().joueur_courant, 0);
        QVERIFY(!controle(f, "dessinpion", 0)->isVisible());
        QVERIFY(!controle(f, "mur", 1)->isVisible());
    }

    void aide_et_info_ouvrent_la_fenetre_d_information() {
        Programme programme([] { return MIDI; });
        Form1& f = demarre(programme);
        FermeInformation info;
        clique_bouton(f, "Aide", 0);
        QCOMPARE(info.ouvertures, 1);
        QCOMPARE(info.titre, QStringLiteral("Info sur : TESSOR"));
        clique_bouton(f, "Command3", 1);
        presse_image(f, "Picture5");
        clique_sur(f, controle(f, "Aide", 1));
        QCOMPARE(info.ouvertures, 2);
        QCOMPARE(f.findChildren<Form2*>().size(), 1);
    }

    void quitter_avec_oui_ferme_tout() {
        Programme programme([] { return MIDI; });
        Form1& f = demarre(programme);
        Repondeur r({true});
        clique_bouton(f, "Command3", 0);
        QCOMPARE(r.questions.size(), 1);
        QVERIFY(!une_fenetre_visible());
    }

    // Closing the window in a pause of a game between two computers stops the game there: no
    // further move, no question, and no window left.
    void fermer_pendant_une_partie_entre_ordinateurs_arrete_tout() {
        Programme programme([] { return MIDI; });
        Form1& f = demarre(programme);
        clique_bouton(f, "Command1", 0, 3);
        clique_bouton(f, "Command1", 1, 3);
        dimensionne(f, 12, 12);
        Repondeur r;
        int murs_a_la_fermeture = -1;
        QTimer fermeture;
        fermeture.setInterval(0);
        connect(&fermeture, &QTimer::timeout, [&] {
            if (murs_a_la_fermeture < 0 && f.jeu().nb_murs == 3) {
                murs_a_la_fermeture = f.jeu().nb_murs;
                f.close();
            }
        });
        fermeture.start();
        clique_bouton(f, "Command3", 1);
        QCOMPARE(murs_a_la_fermeture, 3);
        QVERIFY(f.jeu().nb_murs <= murs_a_la_fermeture + 1);
        QVERIFY(!f.jeu().fin_partie);
        QVERIFY(r.questions.isEmpty());
        QVERIFY(!une_fenetre_visible());
    }
};

QTEST_MAIN(TestProgramme)
#include "test_programme.moc"
