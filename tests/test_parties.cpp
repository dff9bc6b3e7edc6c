// The computer's turn inside a game: clicks and presses that arrive in its pauses, and a Yes
// to the replay question after a computer's winning wall. Whole games are pinned by the
// reference record and checked against the rules by the stress test.
#include "partie_test.h"

#include <QtTest>

using namespace tessor;

class TestParties : public QObject {
    Q_OBJECT

  private slots:
    // Clicks that arrive while the computer pauses are ignored, and the panel buttons are
    // disabled for the whole computer turn.
    void the_board_ignores_clicks_during_a_computer_turn() {
        PartieTest t;
        int pauses_verifiees = 0;
        t.plateforme.pendant_pause = [&] {
            const Partie& p = t.partie();
            const Tableau avant = p.tableau();
            const int16 joueur = p.joueur_courant();
            const Phase phase = p.phase();
            for (int x = 3; x <= 7; ++x) {
                for (int y = 3; y <= 7; ++y) {
                    t.clic(x, y);
                }
            }
            t.jeu.presse_aide();
            t.jeu.presse_abandon();
            const Ecran& e = t.ecran();
            if (p.tableau() == avant && p.joueur_courant() == joueur && p.phase() == phase &&
                !e.bouton_aide.actif && !e.bouton_abandon.actif && !e.minuterie) {
                ++pauses_verifiees;
            }
        };
        t.lance(5, 5, false, 0, 2);
        t.clic(3, 3); // the computer places at once
        QCOMPARE(pauses_verifiees, 1);
        t.clic(4, 4); // move: nothing from the computer yet
        t.clic(7, 7); // wall: the computer moves, pauses twice, walls
        QCOMPARE(pauses_verifiees, 3);
        QVERIFY(t.ecran().bouton_aide.actif && t.ecran().bouton_abandon.actif);
        QCOMPARE(t.partie().joueur_courant(), int16(0));
    }

    // The computer's wall shuts the human in; Yes starts the new game only once the computer's
    // turn is over, so nothing of that turn lands on the new game.
    void yes_after_a_computer_win_starts_the_new_game_cleanly() {
        PartieTest t;
        t.lance(6, 6, false, 0, 1);
        t.clic(3, 3);
        t.jeu.dispose(1, {8, 8});
        t.murs({{4, 3}, {4, 4}, {4, 5}, {3, 6}, {4, 6}});
        t.plateforme.reponses = {true};
        t.clic(3, 4);
        t.clic(3, 3); // only (3, 5) is left to the human; the computer walls it
        QCOMPARE(t.plateforme.questions.size(), std::size_t(1));
        QVERIFY(!t.partie().finie());
        QVERIFY(t.partie().phase() == Phase::placement);
        QCOMPARE(t.partie().joueur_courant(), int16(0));
        QCOMPARE(t.jeu.jeu().nb_murs(), int16(0));
        QCOMPARE(t.signe(), Image::panneau_placez_pion);
        QCOMPARE(t.ecran().signe.top, int16(2115));
        QVERIFY(!t.ecran().dessinpion[0].visible);
        QVERIFY(!t.ecran().dessinpion[1].visible);
    }
};

QTEST_APPLESS_MAIN(TestParties)
#include "test_parties.moc"
