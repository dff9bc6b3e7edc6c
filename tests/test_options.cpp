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
        const auto taille = [&] {
            return label == 0 ? f->controleur().partie().regles().largeur
                              : f->controleur().partie().regles().hauteur;
        };
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
        const Controleur& j = f->controleur();
        for (int k = 0; k < textes.size(); ++k) {
            QCOMPARE(texte(*f, "Command1", bouton), textes[k]);
            QCOMPARE(bouton == 2 ? int(j.partie().regles().cavalier)
                                 : j.partie().joueur(bouton).niveau,
                     k % (textes.size() - 1));
            clique_bouton(*f, "Command1", bouton);
        }
        QCOMPARE(j.partie().joueur(1 - bouton % 2).niveau,
                 0); // the other player's level is untouched
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
        const Controleur& j = f->controleur();
        const Tableau tableau = j.partie().tableau();
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
        QTRY_VERIFY_WITH_TIMEOUT(!j.ecran().minuterie, 2000);
        QTest::qWait(30);
        QCOMPARE(r.questions, QStringList{ABANDON});
        QVERIFY(enfonce);
        QVERIFY(j.partie().tableau() == tableau && j.partie().joueur_courant() == 1 &&
                j.partie().phase() == Phase::deplacement);
        QCOMPARE(f->grab().toImage(), avant);
        clique_cases(*f, {{5, 5}}); // player 2 moves
        QCOMPARE(j.partie().joueur(1).position, (Case{5, 5}));
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
        QTRY_VERIFY_WITH_TIMEOUT(!f->controleur().ecran().minuterie, 2000);
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
