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
        cas("niveau(0)", "niveau(0)", "Ordi  1");
        cas("niveau(1)", "niveau(1)", "Ordi  1");
        cas("deplacement", "deplacement", "Cavalier");
        cas("pion_plus(0)", "choix_pion(0)", "pion_02_voiture"); // 1 is player 2's
        cas("pion_moins(0)", "choix_pion(0)", "pion_11_soldat2");
        cas("pion_moins(1)", "choix_pion(1)", "pion_11_soldat2"); // 0 is player 1's
        cas("pion_plus(1)", "choix_pion(1)", "pion_02_voiture");
        cas("largeur_plus", "largeur", "7");
        cas("largeur_moins", "largeur", "5");
        cas("hauteur_plus", "hauteur", "7");
        cas("hauteur_moins", "hauteur", "5");
        cas("mur_plus", "choix_mur", "mur_01_sens_interdit");
        cas("mur_moins", "choix_mur", "mur_04_blason");
        cas("quitter", "options", "visible", QUITTER);
        cas("jouer", "panneau_jeu", "visible");
        cas("bouton_aide", "panneau_aide", "visible");
        cas("bouton_abandon", "panneau_jeu", "visible", ABANDON);
        cas("interrupteur_aide(0)", "interrupteur_aide(0)", "mur_plein");
        cas("interrupteur_aide(1)", "interrupteur_aide(1)", "mur_plein");
        cas("legende_aide(0)", "interrupteur_aide(0)", "mur_plein");
        cas("legende_aide(1)", "interrupteur_aide(1)", "mur_plein");
        cas("retour", "panneau_jeu", "visible");
    }
    void each_control_reaches_its_action() {
        QFETCH(QString, temoin);
        QFETCH(QString, vu);
        QFETCH(QString, question);
        const char* nom = QTest::currentDataTag();
        auto f = fenetre_montree();
        if (!controle(*f, "options")->isAncestorOf(controle(*f, nom))) {
            clique(*f, "jouer");
            clique_cases(*f, {{3, 3}, {5, 5}});
            if (controle(*f, "panneau_aide")->isAncestorOf(controle(*f, nom))) {
                presse_image(*f, "bouton_aide");
            }
        }
        bool enfonce = false; // "Quitter" keeps its pressed look while it asks
        Repondeur r([&] {
            enfonce = montre(*f, "bouton_abandon", "bouton_quitter_enfonce");
            return false;
        });
        presse_image(*f, nom);
        QWidget* w = controle(*f, temoin);
        if (vu == QLatin1String("visible")) {
            QVERIFY(w->isVisible());
        } else if (dynamic_cast<CadreImage*>(w) != nullptr) {
            QVERIFY(montre(*f, temoin, qPrintable(vu)));
        } else {
            QCOMPARE(w->property("text").toString(), vu);
        }
        QTRY_COMPARE_WITH_TIMEOUT(
            r.questions, question.isEmpty() ? QStringList() : QStringList{question}, 20000);
        QCOMPARE(enfonce, question == ABANDON);
    }

    // During a computer's turn, its pauses included, the game panel's "Aide" and "Quitter" are
    // disabled on screen and clicks on them do nothing; a press of "Aide" made just before a
    // turn acts once the turn is over, and both buttons are enabled again.
    void the_panel_buttons_wait_for_the_computer_turn() {
        auto f = fenetre_montree(true);
        const Controleur& j = f->controleur();
        QWidget* boutons[] = {controle(*f, "bouton_aide"), controle(*f, "bouton_abandon")};
        const auto inactifs = [&] {
            const bool presse = j.ecran().minuterie;
            for (QWidget* b : boutons) {
                clique_sur(*f, b);
            }
            return !boutons[0]->isEnabled() && !boutons[1]->isEnabled() &&
                   j.ecran().minuterie == presse;
        };
        Repondeur r;
        clique(*f, "niveau(0)"); // player 1: "Ordi  1", who places its pawn after a pause
        clique(*f, "jouer");
        QVERIFY(inactifs());
        QTRY_VERIFY(j.ecran().pions[0].visible);
        QVERIFY(boutons[0]->isEnabled() && boutons[1]->isEnabled());
        clique_sur(*f, boutons[0]);
        clique_cases(*f,
                     {j.partie().joueur(0).position == Case{3, 3} ? QPoint(8, 8) : QPoint(3, 3)});
        QVERIFY(inactifs());
        // The press's tick (10 ms) falls in the computer's turn, which shows its move after
        // 500 ms: the press still waits then.
        QTRY_VERIFY(j.partie().phase() == Phase::mur);
        QVERIFY(!controle(*f, "panneau_aide")->isVisible());
        QTRY_VERIFY(controle(*f, "panneau_aide")->isVisible());
        QVERIFY(j.jeu().nb_murs() == 1 && boutons[1]->isEnabled());
        QVERIFY(r.questions.isEmpty() && montre(*f, "bouton_abandon", "bouton_quitter"));
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
