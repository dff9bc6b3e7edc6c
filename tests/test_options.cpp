// The options screen and the game panel's buttons: the steppers and their limits, the level and
// movement buttons, the name boxes, abandoning a game and the picture buttons' single action.
#include "fenetre_test.h"

using namespace tessor;
using namespace tessor::test;

namespace {

QString texte(Form1& f, const char* nom, int indice) {
    return controle(f, nom, indice)->property("text").toString();
}

const QString ABANDON = QStringLiteral("Etes vous sûre de vouloir abandonner cette partie?");

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    void the_board_size_stops_at_3_and_12_data() {
        QTest::addColumn<int>("plus");
        QTest::addColumn<int>("label");
        QTest::newRow("width") << 4 << 0;
        QTest::newRow("height") << 6 << 1;
    }
    void the_board_size_stops_at_3_and_12() {
        QFETCH(int, plus);
        QFETCH(int, label);
        auto f = fenetre_montree();
        const auto taille = [&] { return label == 0 ? f->jeu().largeur : f->jeu().hauteur; };
        clique_bouton(*f, "Command2", plus, 7);
        QCOMPARE(texte(*f, "Label2", label), QStringLiteral("12"));
        QCOMPARE(taille(), 12);
        clique_bouton(*f, "Command2", plus + 1, 10);
        QCOMPARE(texte(*f, "Label2", label), QStringLiteral("3"));
        QCOMPARE(taille(), 3);
        QCOMPARE(texte(*f, "Label2", 1 - label), QStringLiteral("6"));
    }

    // Each row: a stepper button, how many presses, the picture box and the picture it shows.
    void the_pawn_and_wall_steppers_wrap_and_skip_the_other_players_pawn() {
        auto f = fenetre_montree();
        const struct {
            int bouton;
            int fois;
            int image;
            const char* attendue;
        } pas[] = {{2, 1, 1, "pion_11_soldat2"}, // player 2 "-": 0 is player 1's
                   {1, 1, 0, "pion_10_soldat"},  // player 1 "-": 11 is now player 2's
                   {0, 1, 0, "pion_00_kart"},    // player 1 "+": past 11, round to 0
                   {3, 1, 1, "pion_01_motard"},  // player 2 "+": round to 0, which is taken
                   {0, 1, 0, "pion_02_voiture"}, {9, 1, 2, "mur_04_blason"},
                   {8, 1, 2, "mur_00_briques"},  {8, 3, 2, "mur_03_chateau"}};
        for (const auto& p : pas) {
            clique_bouton(*f, "Command2", p.bouton, p.fois);
            QVERIFY2(montre(*f, "Image1", p.image, p.attendue), p.attendue);
        }
        QCOMPARE(f->jeu().joueurs[0].pion, 2);
        QCOMPARE(f->jeu().joueurs[1].pion, 1);
    }

    void the_level_and_movement_buttons_cycle_data() {
        QTest::addColumn<int>("bouton");
        QTest::addColumn<QStringList>("textes");
        const QStringList niveaux{"Humain", "Ordi  1", "Ordi  2", "Ordi  3", "Ordi  4", "Humain"};
        QTest::newRow("player 1 level") << 0 << niveaux;
        QTest::newRow("player 2 level") << 1 << niveaux;
        QTest::newRow("movement") << 2 << QStringList{"Roi", "Cavalier", "Roi"};
    }
    void the_level_and_movement_buttons_cycle() {
        QFETCH(int, bouton);
        QFETCH(QStringList, textes);
        auto f = fenetre_montree();
        const Jeu& j = f->jeu();
        for (int k = 0; k < textes.size(); ++k) {
            QCOMPARE(texte(*f, "Command1", bouton), textes[k]);
            QCOMPARE(bouton == 2 ? int(j.cavalier) : j.joueurs[bouton].niveau,
                     k % (textes.size() - 1));
            clique_bouton(*f, "Command1", bouton);
        }
        QCOMPARE(j.joueurs[1 - bouton % 2].niveau, 0); // the other player's level is untouched
    }

    void names_hold_ten_characters_and_show_as_typed() {
        auto f = fenetre_montree();
        auto* nom1 = controle<QLineEdit>(*f, "text1", 0);
        nom1->selectAll();
        QTest::keyClicks(nom1, QStringLiteral("ABCDEFGHIJK"));
        QCOMPARE(nom1->text(), QStringLiteral("ABCDEFGHIJ"));
        tape_nom(*f, 1, QStringLiteral("<b>x</b>"));
        clique_bouton(*f, "Command3", 1);
        auto* label7 = controle<QLabel>(*f, QStringLiteral("Label7"));
        QCOMPARE(label7->text(), QStringLiteral("ABCDEFGHIJ"));
        clique_cases(*f, {{3, 3}});
        QCOMPARE(label7->text(), QStringLiteral("<b>x</b>"));
        QCOMPARE(label7->textFormat(), Qt::PlainText);
    }

    // The picture button stays pressed while it asks, and acts once: clicks during the press's
    // delay and during the question add nothing. After No the board, the turn and every pixel of
    // the window stay as they were, and the game goes on.
    void abandoning_with_no_asks_once_and_keeps_the_game() {
        auto f = fenetre_montree();
        clique_bouton(*f, "Command3", 1);
        clique_cases(*f, {{3, 3}, {6, 6}, {4, 4}, {8, 8}});
        const Jeu& j = f->jeu();
        const Tableau tableau = j.tableau;
        const QImage avant = f->grab().toImage();
        Repondeur r({false});
        QWidget* quitter = controle(*f, "Picture6", 0);
        bool enfonce = false;
        r.a_l_ouverture = [&] {
            enfonce = montre(*f, "Picture6", 0, "bouton_quitter_enfonce");
            clique_sur(*f, quitter);
        };
        clique_sur(*f, quitter);
        clique_sur(*f, quitter);
        QTRY_VERIFY_WITH_TIMEOUT(!j.fenetre.timer1, 2000);
        QTest::qWait(30);
        QCOMPARE(r.questions, QStringList{ABANDON});
        QVERIFY(enfonce);
        QVERIFY(j.tableau == tableau && j.joueur_courant == 1 && j.phase == 1);
        QCOMPARE(f->grab().toImage(), avant);
        clique_cases(*f, {{5, 5}}); // player 2 moves
        QCOMPARE(j.joueurs[1].position, (Case{5, 5}));
    }

    // After Yes the options screen shows again, as it was set before the game.
    void abandoning_with_yes_returns_to_the_options_unchanged() {
        auto f = fenetre_montree();
        tape_nom(*f, 0, QStringLiteral("Armelle"));
        clique_bouton(*f, "Command1", 0, 2);
        clique_bouton(*f, "Command1", 2);
        clique_bouton(*f, "Command2", 3, 4);
        clique_bouton(*f, "Command2", 9);
        dimensionne(*f, 4, 5);
        const Options avant(*f);
        clique_bouton(*f, "Command3", 1); // the computer places its pawn, player 2 is on turn
        QVERIFY(!visible(*f, "Menu") && controle(*f, "dessinpion", 0)->isVisible());
        QCOMPARE(abandonne(*f, true), QStringList{ABANDON});
        QVERIFY(visible(*f, "Menu"));
        QVERIFY(!visible(*f, "sspanel3") && !controle(*f, "dessinpion", 0)->isVisible());
        QVERIFY(Options(*f) == avant);
        QVERIFY(montre(*f, "Picture6", 0, "bouton_quitter"));
    }

    // In the pauses of a computer turn the game panel's "Aide" and "Quitter" are disabled on
    // screen and clicks on them do nothing; a press of "Aide" made just before a turn acts once
    // the turn is over, and both buttons are enabled again.
    void the_panel_buttons_wait_for_the_computer_turn() {
        auto f = fenetre_montree();
        const Jeu& j = f->jeu();
        QWidget* boutons[] = {controle(*f, "Picture5", 0), controle(*f, "Picture6", 0)};
        int pauses = 0;
        bool actif = false;
        bool cliquer = true;
        QTimer espion;
        connect(&espion, &QTimer::timeout, [&] {
            pauses += j.occupe();
            for (QWidget* b : boutons) {
                actif = actif || (j.occupe() && b->isEnabled());
                if (j.occupe() && cliquer) {
                    clique_sur(*f, b);
                }
            }
        });
        espion.start(0);
        Repondeur r;
        clique_bouton(*f, "Command1", 0); // player 1: "Ordi  1", who places its pawn at once
        clique_bouton(*f, "Command3", 1);
        QVERIFY(pauses > 0 && !j.fenetre.timer1 && visible(*f, "sspanel3"));
        cliquer = false; // a click, even ignored, would arm the press's timer again
        clique_sur(*f, boutons[0]);
        QTest::qSleep(20); // the press is due during the next turn
        clique_cases(*f, {j.joueurs[0].position == Case{3, 3} ? QPoint(8, 8) : QPoint(3, 3)});
        QVERIFY(!actif && boutons[0]->isEnabled() && boutons[1]->isEnabled());
        QTRY_VERIFY(visible(*f, "sspanel5"));
        QVERIFY(r.questions.isEmpty() && montre(*f, "Picture6", 0, "bouton_quitter"));
    }

    // A press made just before the click that ends the game: its action waits for the replay
    // question, then acts on the new game, or after No only releases its button.
    void a_press_waits_for_the_replay_question_data() {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<bool>("rejouer");
        QTest::newRow("Aide, no") << QStringLiteral("Picture5(0)") << false;
        QTest::newRow("Aide, yes") << QStringLiteral("Picture5(0)") << true;
        QTest::newRow("Quitter, no") << QStringLiteral("Picture6(0)") << false;
        QTest::newRow("Quitter, yes") << QStringLiteral("Picture6(0)") << true;
    }
    void a_press_waits_for_the_replay_question() {
        QFETCH(QString, bouton);
        QFETCH(bool, rejouer);
        auto f = fenetre_montree();
        clique_bouton(*f, "Command1", 2);
        dimensionne(*f, 4, 5, true);
        clique_cases(*f, {{3, 3}, {3, 7}, {4, 5}});
        Repondeur r({rejouer});
        clique_sur(*f, controle(*f, bouton));
        QTest::qSleep(20);          // the press is due when the question opens
        clique_cases(*f, {{5, 6}}); // the wall that leaves player 2's knight without a move
        QTRY_VERIFY_WITH_TIMEOUT(!f->jeu().fenetre.timer1, 2000);
        const bool aide = bouton == QLatin1String("Picture5(0)");
        QStringList questions{QStringLiteral("Voulez-vous rejouer?")};
        if (rejouer && !aide) {
            questions << ABANDON;
        }
        QCOMPARE(r.questions, questions);
        QCOMPARE(visible(*f, "Menu"), !rejouer);
        QCOMPARE(visible(*f, "sspanel5"), rejouer && aide);
        QCOMPARE(visible(*f, "sspanel3"), rejouer && !aide);
        QVERIFY(montre(*f, "Picture5", 0, "bouton_aide"));
        QVERIFY(montre(*f, "Picture6", 0, "bouton_quitter"));
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
