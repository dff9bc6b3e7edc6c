// The controls of the main window, each clicked at its place: the options screen's buttons and
// steppers, the name boxes, and the buttons of the game panel and of the help panel, during a
// human turn and during a computer turn.
#include "fenetre_test.h"

using namespace tessor;
using namespace tessor::test;

namespace {

const QString QUITTER = QStringLiteral("Etes vous sûre de vouloir quitter?");
const QString ABANDON = QStringLiteral("Etes vous sûre de vouloir abandonner cette partie?");

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

  private slots:
    // One click on each control reaches its action: control `temoin` then shows `vu` (a text, a
    // picture or "visible"), and the question, answered No, is asked. The controls of the side
    // panels are clicked in a 6 x 6 game whose two pawns stand.
    void each_control_reaches_its_action_data() {
        QTest::addColumn<QString>("temoin");
        QTest::addColumn<QString>("vu");
        QTest::addColumn<QString>("question");
        const auto cas = [](const char* c, const char* temoin, const char* vu,
                            const QString& question = {}) {
            QTest::newRow(c) << QString::fromLatin1(temoin) << QString::fromLatin1(vu) << question;
        };
        cas("Command1(0)", "Command1(0)", "Ordi  1");
        cas("Command1(1)", "Command1(1)", "Ordi  1");
        cas("Command1(2)", "Command1(2)", "Cavalier");
        cas("Command2(0)", "Image1(0)", "pion_02_voiture"); // 1 is player 2's
        cas("Command2(1)", "Image1(0)", "pion_11_soldat2");
        cas("Command2(2)", "Image1(1)", "pion_11_soldat2"); // 0 is player 1's
        cas("Command2(3)", "Image1(1)", "pion_02_voiture");
        cas("Command2(4)", "Label2(0)", "7");
        cas("Command2(5)", "Label2(0)", "5");
        cas("Command2(6)", "Label2(1)", "7");
        cas("Command2(7)", "Label2(1)", "5");
        cas("Command2(8)", "Image1(2)", "mur_01_sens_interdit");
        cas("Command2(9)", "Image1(2)", "mur_04_blason");
        cas("Command3(0)", "Menu", "visible", QUITTER);
        cas("Command3(1)", "sspanel3", "visible");
        cas("Picture5(0)", "sspanel5", "visible");
        cas("Picture6(0)", "sspanel3", "visible", ABANDON);
        cas("BoutonAide(0)", "BoutonAide(0)", "mur_plein");
        cas("BoutonAide(1)", "BoutonAide(1)", "mur_plein");
        cas("Label5(0)", "BoutonAide(0)", "mur_plein");
        cas("Label5(1)", "BoutonAide(1)", "mur_plein");
        cas("Command4", "sspanel3", "visible");
    }
    void each_control_reaches_its_action() {
        QFETCH(QString, temoin);
        QFETCH(QString, vu);
        QFETCH(QString, question);
        const char* nom = QTest::currentDataTag();
        auto f = fenetre_montree();
        if (!controle(*f, "Menu")->isAncestorOf(controle(*f, nom))) {
            clique(*f, "Command3(1)");
            clique_cases(*f, {{3, 3}, {5, 5}});
            if (controle(*f, "sspanel5")->isAncestorOf(controle(*f, nom))) {
                presse_image(*f, "Picture5(0)");
            }
        }
        bool enfonce = false; // "Quitter" keeps its pressed look while it asks
        Repondeur r([&] {
            enfonce = montre(*f, "Picture6(0)", "bouton_quitter_enfonce");
            return false;
        });
        presse_image(*f, nom);
        QWidget* w = controle(*f, temoin);
        if (vu == QLatin1String("visible")) {
            QVERIFY(w->isVisible());
        } else if (dynamic_cast<Picture*>(w) != nullptr) {
            QVERIFY(montre(*f, temoin, qPrintable(vu)));
        } else {
            QCOMPARE(w->property("text").toString(), vu);
        }
        QCOMPARE(r.questions, question.isEmpty() ? QStringList() : QStringList{question});
        QCOMPARE(enfonce, question == ABANDON);
    }

    // During a computer's turn, its pauses included, the game panel's "Aide" and "Quitter" are
    // disabled on screen and clicks on them do nothing; a press of "Aide" made just before a
    // turn acts once the turn is over, and both buttons are enabled again.
    void the_panel_buttons_wait_for_the_computer_turn() {
        auto f = fenetre_montree(true);
        const Controleur& j = f->controleur();
        QWidget* boutons[] = {controle(*f, "Picture5(0)"), controle(*f, "Picture6(0)")};
        const auto inactifs = [&] {
            const bool presse = j.ecran().minuterie;
            for (QWidget* b : boutons) {
                clique_sur(*f, b);
            }
            return !boutons[0]->isEnabled() && !boutons[1]->isEnabled() &&
                   j.ecran().minuterie == presse;
        };
        Repondeur r;
        clique(*f, "Command1(0)"); // player 1: "Ordi  1", who places its pawn after a pause
        clique(*f, "Command3(1)");
        QVERIFY(inactifs());
        QTRY_VERIFY(j.ecran().dessinpion[0].visible);
        QVERIFY(boutons[0]->isEnabled() && boutons[1]->isEnabled());
        clique_sur(*f, boutons[0]);
        clique_cases(*f,
                     {j.partie().joueur(0).position == Case{3, 3} ? QPoint(8, 8) : QPoint(3, 3)});
        QVERIFY(inactifs());
        QTest::qWait(50); // the press's tick falls in the computer's turn, and waits
        QVERIFY(!controle(*f, "sspanel5")->isVisible());
        QTRY_VERIFY(controle(*f, "sspanel5")->isVisible());
        QVERIFY(j.jeu().nb_murs() == 1 && boutons[1]->isEnabled());
        QVERIFY(r.questions.isEmpty() && montre(*f, "Picture6(0)", "bouton_quitter"));
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
