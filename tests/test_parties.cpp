// Whole games with computer players, run to their end with every rule checked along the way:
// each action lands on a free square, moves are legal, free squares never come back, and the
// end is declared exactly when a pawn is blocked.
#include "partie_test.h"

#include <QtTest>

using namespace tessor;

namespace {
int cases_libres(const Jeu& j) {
    int n = 0;
    for (int x = 3; x <= j.largeur + 2; ++x) {
        for (int y = 3; y <= j.hauteur + 2; ++y) {
            n += j.tableau.libre(x, y);
        }
    }
    return n;
}

// Follows a game through the journal on a board of its own and records every rule broken.
struct Arbitre {
    Tableau miroir;
    Case positions[2];
    int placements = 0;
    int libres = 0;
    char attendu = 'P';
    int16 joueur_attendu = 0;
    QStringList fautes;
    int actions = 0;
    bool nouvelle_partie = true; // set again when a game ends

    // A game's first action is a placement, told once its square is marked.
    void debut(const Jeu& j, Case c) {
        miroir = j.tableau;
        miroir[c] = VRAI;
        placements = 0;
        libres = cases_libres(j) + 1;
        attendu = 'P';
        joueur_attendu = 0;
        nouvelle_partie = false;
    }

    void note(const Jeu& j, char action, int16 joueur, Case c) {
        if (nouvelle_partie) {
            debut(j, c);
        }
        ++actions;
        if (action != attendu || joueur != joueur_attendu) {
            fautes << QString("action %1 by %2 out of turn").arg(action).arg(joueur);
        }
        if (!miroir.libre(c)) {
            fautes << QString("%1 on a square that is not free").arg(action);
        }
        if (action == 'D') {
            if (!j.portee(c.x, c.y, positions[joueur], 1)) {
                fautes << "move out of reach";
            }
            miroir[positions[joueur]] = VRAI;
        }
        if (action != 'M') {
            positions[joueur] = c;
        }
        miroir[c] = FAUX;
        const int n = cases_libres(j);
        if (n > libres || !(miroir == j.tableau)) {
            fautes << "board differs from the rules";
        }
        libres = n;
        suivant(action, joueur);
    }

    void suivant(char action, int16 joueur) {
        if (action == 'P') {
            ++placements;
            attendu = placements == 2 ? 'D' : 'P';
            joueur_attendu = placements == 2 ? 0 : 1;
        } else if (action == 'D') {
            attendu = 'M';
        } else {
            attendu = 'D';
            joueur_attendu = static_cast<int16>(1 - joueur);
        }
    }
};

// Checks, when the replay question comes, that the game is really over and who won.
void verifie_fin(const Jeu& j, QStringList& fautes) {
    const bool b0 = j.est_bloque(j.joueurs[0].position, j.tableau);
    const bool b1 = j.est_bloque(j.joueurs[1].position, j.tableau);
    if (!b0 && !b1) {
        fautes << "the game ended with both pawns free";
    }
    const bool nul = j.fenetre.label7.texte.empty();
    if (nul != (b0 && b1)) {
        fautes << "draw announced wrongly";
    }
    if (!nul && j.est_bloque(j.joueurs[j.joueur_courant].position, j.tableau)) {
        fautes << "the winner cannot move";
    }
}

// A human who always takes the first legal move and walls the first free square.
void joue_humain(PartieTest& t) {
    Jeu& j = t.jeu;
    const Case p = j.joueurs[j.joueur_courant].position;
    for (int x = 3; x <= j.largeur + 2; ++x) {
        for (int y = 3; y <= j.hauteur + 2; ++y) {
            const Case c{int16(x), int16(y)};
            const bool accepte = j.phase == 1 ? j.dep_valide(c, p, j.tableau) : j.tableau.libre(c);
            if (accepte) {
                t.clic(x, y);
                return;
            }
        }
    }
}
} // namespace

class TestParties : public QObject {
    Q_OBJECT

    static void cas() {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<bool>("cavalier");
        QTest::addColumn<int>("niveau0");
        QTest::addColumn<int>("niveau1");
        const int tailles[][2] = {{3, 3}, {4, 7}, {6, 6}, {12, 3}, {12, 12}};
        const int niveaux[][2] = {{1, 1}, {2, 3}, {3, 2}, {4, 3}, {3, 3}};
        for (bool cavalier : {false, true}) {
            for (const auto& t : tailles) {
                for (const auto& n : niveaux) {
                    QTest::newRow(qPrintable(QString("%1x%2 %3 %4-%5")
                                                 .arg(t[0])
                                                 .arg(t[1])
                                                 .arg(cavalier ? "knight" : "king")
                                                 .arg(n[0])
                                                 .arg(n[1])))
                        << t[0] << t[1] << cavalier << n[0] << n[1];
                }
            }
        }
    }

  private slots:
    void computers_play_whole_games_by_the_rules_data() { cas(); }
    void computers_play_whole_games_by_the_rules() {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(bool, cavalier);
        QFETCH(int, niveau0);
        QFETCH(int, niveau1);
        PartieTest t;
        Arbitre arbitre;
        QStringList fautes;
        int parties = 0;
        t.plateforme.etat = static_cast<std::uint32_t>(largeur * 1000 + hauteur * 10 + niveau0);
        t.plateforme.reponses = {true, true, false}; // three games in a row
        t.jeu.journal = [&](char a, int16 j, Case c) { arbitre.note(t.jeu, a, j, c); };
        t.plateforme.avant_question = [&] {
            verifie_fin(t.jeu, fautes);
            arbitre.nouvelle_partie = true;
            ++parties;
        };
        t.lance(largeur, hauteur, cavalier, niveau0, niveau1);
        QCOMPARE(parties, 3);
        QVERIFY2(arbitre.fautes.isEmpty(), qPrintable(arbitre.fautes.join("; ")));
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join("; ")));
        QVERIFY(t.jeu.fenetre.menu.visible);
        QVERIFY(arbitre.actions > 0 || (largeur == 3 && cavalier));
    }

    void human_against_computer_games_run_to_their_end_data() { cas(); }
    void human_against_computer_games_run_to_their_end() {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(bool, cavalier);
        QFETCH(int, niveau1);
        for (int humain = 0; humain <= 1; ++humain) {
            PartieTest t;
            Arbitre arbitre;
            QStringList fautes;
            t.plateforme.etat = static_cast<std::uint32_t>(7 + humain);
            t.jeu.journal = [&](char a, int16 j, Case c) { arbitre.note(t.jeu, a, j, c); };
            t.plateforme.avant_question = [&] { verifie_fin(t.jeu, fautes); };
            t.lance(largeur, hauteur, cavalier, humain == 0 ? 0 : niveau1,
                    humain == 1 ? 0 : niveau1);
            for (int coups = 0; !t.jeu.fenetre.menu.visible && coups < 400; ++coups) {
                QCOMPARE(t.jeu.joueurs[t.jeu.joueur_courant].niveau, int16(0));
                joue_humain(t);
            }
            QVERIFY(t.jeu.fenetre.menu.visible);
            QCOMPARE(t.plateforme.questions.size(), std::size_t(1));
            QVERIFY2(arbitre.fautes.isEmpty(), qPrintable(arbitre.fautes.join("; ")));
            QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join("; ")));
        }
    }

    // Clicks that arrive while the computer pauses are ignored, and the panel buttons are
    // disabled for the whole computer turn.
    void the_board_ignores_clicks_during_a_computer_turn() {
        PartieTest t;
        int pauses_verifiees = 0;
        t.plateforme.pendant_pause = [&] {
            Jeu& j = t.jeu;
            const Tableau avant = j.tableau;
            const int16 joueur = j.joueur_courant;
            const int16 phase = j.phase;
            for (int x = 3; x <= j.largeur + 2; ++x) {
                for (int y = 3; y <= j.hauteur + 2; ++y) {
                    t.clic(x, y);
                }
            }
            j.Picture5_Click();
            j.Picture6_Click();
            if (j.tableau == avant && j.joueur_courant == joueur && j.phase == phase &&
                !j.fenetre.picture5[0].actif && !j.fenetre.picture6[0].actif && !j.fenetre.timer1) {
                ++pauses_verifiees;
            }
        };
        t.lance(5, 5, false, 0, 2);
        t.clic(3, 3); // the computer places at once
        QCOMPARE(pauses_verifiees, 1);
        t.clic(4, 4); // move: nothing from the computer yet
        t.clic(7, 7); // wall: the computer moves, pauses twice, walls
        QCOMPARE(pauses_verifiees, 3);
        QVERIFY(t.jeu.fenetre.picture5[0].actif);
        QVERIFY(t.jeu.fenetre.picture6[0].actif);
        QCOMPARE(t.jeu.joueur_courant, int16(0));
    }

    // The computer's wall shuts the human in; Yes starts the new game only once the computer's
    // turn is over, so nothing of that turn lands on the new game.
    void yes_after_a_computer_win_starts_the_new_game_cleanly() {
        PartieTest t;
        t.lance(6, 6, false, 0, 1);
        t.clic(3, 3);
        t.pose(1, {8, 8});
        t.murs({{4, 3}, {4, 4}, {4, 5}, {3, 6}, {4, 6}});
        t.plateforme.reponses = {true};
        t.clic(3, 4);
        t.clic(3, 3); // only (3, 5) is left to the human; the computer walls it
        QCOMPARE(t.plateforme.questions.size(), std::size_t(1));
        QVERIFY(!t.jeu.fin_partie);
        QCOMPARE(t.jeu.phase, int16(0));
        QCOMPARE(t.jeu.joueur_courant, int16(0));
        QCOMPARE(t.jeu.nb_murs, int16(0));
        QCOMPARE(t.signe(), Image::panneau_placez_pion);
        QCOMPARE(t.jeu.fenetre.picture2[0].top, int16(2115));
        QVERIFY(!t.jeu.fenetre.dessinpion[0].visible);
        QVERIFY(!t.jeu.fenetre.dessinpion[1].visible);
    }
};

QTEST_APPLESS_MAIN(TestParties)
#include "test_parties.moc"
