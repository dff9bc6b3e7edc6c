// The turn flow between two humans, the end of a game, the replay question and the start of a
// game, driven by clicks on squares without a screen.
#include "partie_test.h"

#include <QtTest>

using namespace tessor;

namespace {
// Everything a click could change, to check that an ignored click changed nothing.
struct Instantane {
    Tableau tableau;
    Case p0, p1;
    int16 joueur_courant, phase, nb_murs;
    bool v0, v1;
    bool operator==(const Instantane& o) const {
        return tableau == o.tableau && p0 == o.p0 && p1 == o.p1 &&
               joueur_courant == o.joueur_courant && phase == o.phase && nb_murs == o.nb_murs &&
               v0 == o.v0 && v1 == o.v1;
    }
};

Instantane instantane(const Jeu& j) {
    return {j.tableau,
            j.joueurs[0].position,
            j.joueurs[1].position,
            j.joueur_courant,
            j.phase,
            j.nb_murs,
            j.fenetre.dessinpion[0].visible,
            j.fenetre.dessinpion[1].visible};
}

// Placements on a 3 x 3 king board: player 0 at (3, 3), player 1 at (5, 5).
void place_coins(PartieTest& t) {
    t.lance(3, 3, false);
    t.clic(3, 3);
    t.clic(5, 5);
}
} // namespace

class TestTour : public QObject {
    Q_OBJECT

  private slots:
    void placements_then_player_one_moves_first() {
        PartieTest t;
        t.lance(6, 6, false);
        QCOMPARE(t.signe(), Image::panneau_placez_pion);
        QCOMPARE(t.jeu.fenetre.picture2[0].left, int16(490));
        QCOMPARE(t.jeu.fenetre.picture2[0].top, int16(2115));
        QCOMPARE(t.jeu.joueur_courant, int16(0));
        QCOMPARE(t.jeu.fenetre.label7.texte, std::string("Joueur 1"));
        t.clic(4, 4);
        QCOMPARE(t.jeu.joueur_courant, int16(1));
        QCOMPARE(t.jeu.fenetre.label7.texte, std::string("Joueur 2"));
        QCOMPARE(t.jeu.fenetre.aff_joueur[0].image, Image::plaque_joueur2);
        const Instantane avant = instantane(t.jeu);
        t.clic(4, 4); // player 0's square
        QVERIFY(instantane(t.jeu) == avant);
        t.clic(6, 6);
        QCOMPARE(t.jeu.phase, int16(1));
        QCOMPARE(t.jeu.joueur_courant, int16(0));
        QCOMPARE(t.signe(), Image::panneau_deplacez_pion);
        QCOMPARE(t.jeu.fenetre.picture2[0].top, int16(2100));
        // Pawns stand on their squares by the placement rule: origin (128, 129) on 6 x 6.
        QCOMPARE(t.jeu.fenetre.dessinpion[0].left, int16(33 + 128 + 1));
        QCOMPARE(t.jeu.fenetre.dessinpion[1].top, int16(3 * 33 + 129 + 1));
        QCOMPARE(t.jeu.tableau(4, 4), FAUX);
        QCOMPARE(t.jeu.tableau(6, 6), FAUX);
    }

    void move_then_wall_pass_the_turn() {
        PartieTest t;
        t.lance(6, 6, false);
        t.clic(4, 4);
        t.clic(7, 7);
        t.clic(5, 5);
        QCOMPARE(t.jeu.phase, int16(2));
        QCOMPARE(t.signe(), Image::panneau_placez_mur);
        QCOMPARE(t.jeu.fenetre.image1[3].image, t.jeu.fenetre.image1[2].image);
        QCOMPARE(t.jeu.tableau(4, 4), VRAI);
        QCOMPARE(t.jeu.joueur_courant, int16(0));
        t.clic(8, 3); // a wall anywhere on the board
        QCOMPARE(t.jeu.nb_murs, int16(1));
        QVERIFY(t.jeu.fenetre.mur[1].visible);
        QCOMPARE(t.jeu.fenetre.mur[1].left, int16(5 * 33 + 128 + 1));
        QCOMPARE(t.jeu.fenetre.mur[1].top, int16(129 + 1));
        QCOMPARE(t.jeu.fenetre.mur[1].image, image_mur(0));
        QCOMPARE(t.jeu.tableau(8, 3), FAUX);
        QCOMPARE(t.jeu.joueur_courant, int16(1));
        QCOMPARE(t.jeu.phase, int16(1));
        QCOMPARE(t.signe(), Image::panneau_deplacez_pion);
    }

    void clicks_the_phase_does_not_accept_change_nothing_data() {
        QTest::addColumn<int>("phase");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("outside the board") << 1 << -1 << -1;
        QTest::newRow("move onto the other pawn") << 1 << 5 << 5;
        QTest::newRow("move two squares away") << 1 << 6 << 6;
        QTest::newRow("move onto its own square") << 1 << 4 << 4;
        QTest::newRow("move onto a wall") << 1 << 3 << 3;
        QTest::newRow("wall onto a pawn") << 2 << 5 << 5;
        QTest::newRow("wall onto a wall") << 2 << 3 << 3;
        QTest::newRow("wall outside") << 2 << -1 << -1;
    }
    void clicks_the_phase_does_not_accept_change_nothing() {
        QFETCH(int, phase);
        QFETCH(int, x);
        QFETCH(int, y);
        PartieTest t;
        t.lance(6, 6, false);
        t.clic(4, 4);
        t.clic(5, 5);
        t.murs({{3, 3}});
        if (phase == 2) {
            t.clic(4, 5);
        }
        QCOMPARE(t.jeu.phase, int16(phase));
        const Instantane avant = instantane(t.jeu);
        t.clic(x, y);
        QVERIFY(instantane(t.jeu) == avant);
    }

    void blocked_opponent_loses_whoever_plays() {
        PartieTest t;
        place_coins(t);
        t.clic(4, 3); // player 0 moves...
        t.clic(3, 3); // ... and walls its old corner
        t.clic(5, 4);
        t.clic(5, 5);
        t.clic(3, 4);
        t.clic(4, 3);
        t.clic(5, 3);
        t.clic(5, 4);
        QVERIFY(t.plateforme.questions.empty());
        t.clic(3, 5);
        t.clic(4, 4); // player 1 at (5, 3) has no free neighbour left
        QCOMPARE(t.plateforme.questions, std::vector<std::string>{"Voulez-vous rejouer?"});
        QVERIFY(t.jeu.fin_partie);
        QCOMPARE(t.signe(), Image::panneau_gagne);
        QCOMPARE(t.jeu.fenetre.picture2[0].left, int16(505));
        QCOMPARE(t.jeu.fenetre.picture2[0].top, int16(2115));
        QCOMPARE(t.jeu.joueur_courant, int16(0));
        QCOMPARE(t.jeu.fenetre.label7.texte, std::string("Joueur 1"));
        QCOMPARE(t.jeu.fenetre.image1[3].image, image_pion(0));
        // No: back to the options screen, the board put away.
        QVERIFY(t.jeu.fenetre.menu.visible);
        QVERIFY(!t.jeu.fenetre.sspanel3.visible);
        QVERIFY(!t.jeu.fenetre.dessinpion[0].visible);
        QVERIFY(!t.jeu.fenetre.mur[1].visible);
        QVERIFY(!t.jeu.fenetre.lignevert[0].visible);
        // Clicks after the game are ignored.
        const Instantane apres = instantane(t.jeu);
        t.clic(4, 5);
        QVERIFY(instantane(t.jeu) == apres);
    }

    void mover_that_walks_into_a_dead_end_loses_after_its_wall() {
        PartieTest t;
        t.lance(6, 6, false);
        t.clic(3, 3);
        t.clic(8, 8);
        t.murs({{5, 3}, {5, 4}, {3, 5}, {4, 5}, {5, 5}});
        t.clic(4, 4); // leaves (3, 3): the only free squares around are (3, 3), (4, 3), (3, 4)
        t.clic(3, 3);
        QVERIFY(!t.jeu.fin_partie);
        t.clic(8, 7);
        t.clic(3, 4);
        QVERIFY(!t.jeu.fin_partie);
        t.clic(4, 3);
        t.clic(6, 6); // the last free neighbour (4, 4) was left by player 0: not blocked yet
        QVERIFY(!t.jeu.fin_partie);
        t.clic(8, 8);
        t.clic(4, 4); // player 1 walls it: player 0 is now shut in
        QVERIFY(t.jeu.fin_partie);
        QCOMPARE(t.jeu.fenetre.label7.texte, std::string("Joueur 2"));
        QCOMPARE(t.jeu.joueur_courant, int16(1));
    }

    void one_wall_that_blocks_both_pawns_is_a_draw() {
        PartieTest t;
        t.lance(6, 6, false);
        t.clic(4, 3);
        t.clic(5, 3);
        // Player 0 steps into the corner and walls the square it left, the last free
        // neighbour of both pawns.
        t.murs({{3, 4}, {4, 4}, {6, 3}, {5, 4}, {6, 4}});
        t.clic(3, 3);
        t.clic(4, 3);
        QCOMPARE(t.plateforme.questions.size(), std::size_t(1));
        QCOMPARE(t.signe(), Image::panneau_match_nul);
        QCOMPARE(t.jeu.fenetre.picture2[0].left, int16(505));
        QCOMPARE(t.jeu.fenetre.picture2[0].top, int16(2100));
        QCOMPARE(t.jeu.fenetre.label7.texte, std::string());
        QCOMPARE(t.jeu.fenetre.image1[3].image, t.jeu.fenetre.image1[2].image);
        QVERIFY(t.jeu.fin_partie);
    }

    void yes_to_the_replay_question_starts_a_fresh_game() {
        PartieTest t;
        t.plateforme.reponses = {true};
        t.lance(6, 6, false);
        t.clic(4, 3);
        t.clic(5, 3);
        t.murs({{3, 4}, {4, 4}, {6, 3}, {5, 4}, {6, 4}});
        t.clic(3, 3);
        t.clic(4, 3);
        QCOMPARE(t.plateforme.questions.size(), std::size_t(1));
        QVERIFY(!t.jeu.fin_partie);
        QCOMPARE(t.jeu.phase, int16(0));
        QCOMPARE(t.jeu.joueur_courant, int16(0));
        QCOMPARE(t.jeu.nb_murs, int16(0));
        QCOMPARE(t.signe(), Image::panneau_placez_pion);
        QVERIFY(!t.jeu.fenetre.menu.visible);
        QVERIFY(!t.jeu.fenetre.dessinpion[0].visible);
        for (const Element& m : t.jeu.fenetre.mur) {
            QVERIFY(!m.visible);
        }
        QCOMPARE(t.jeu.tableau(4, 4), VRAI);
        t.clic(4, 4); // the new game takes clicks
        QCOMPARE(t.jeu.joueur_courant, int16(1));
    }

    void a_click_first_closes_the_help_panel() {
        PartieTest t;
        t.lance(6, 6, false);
        t.jeu.Picture5_Click();
        QVERIFY(t.jeu.Timer1_Timer());
        QVERIFY(t.jeu.fenetre.sspanel5.visible);
        QVERIFY(!t.jeu.fenetre.sspanel3.visible);
        t.clic(5, 5);
        QVERIFY(!t.jeu.fenetre.sspanel5.visible);
        QVERIFY(t.jeu.fenetre.sspanel3.visible);
        QCOMPARE(t.jeu.joueurs[0].position, (Case{5, 5}));
    }

    void a_click_outside_the_board_leaves_the_help_panel_open() {
        PartieTest t;
        t.lance(6, 6, false);
        t.jeu.Picture5_Click();
        t.jeu.Timer1_Timer();
        t.clic(-1, -1);
        QVERIFY(t.jeu.fenetre.sspanel5.visible);
    }

    void levels_give_depths_and_level_four_becomes_level_one_data() {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("profondeur");
        QTest::addColumn<int>("niveau_apres");
        QTest::newRow("human") << 0 << 0 << 0;
        QTest::newRow("level 1") << 1 << 0 << 1;
        QTest::newRow("level 2") << 2 << 9 << 2;
        QTest::newRow("level 3") << 3 << 18 << 3;
        QTest::newRow("level 4") << 4 << 4 << 1;
    }
    void levels_give_depths_and_level_four_becomes_level_one() {
        QFETCH(int, niveau);
        QFETCH(int, profondeur);
        QFETCH(int, niveau_apres);
        PartieTest t;
        t.lance(9, 4, false, 0, niveau);
        QCOMPARE(int(t.jeu.profondeur[1]), profondeur);
        QCOMPARE(int(t.jeu.joueurs[1].niveau), niveau_apres);
    }

    void a_level_four_player_plays_at_depth_zero_in_the_next_game() {
        PartieTest t;
        t.lance(5, 5, false, 0, 4);
        QCOMPARE(t.jeu.profondeur[1], int16(4));
        t.jeu.Picture6_Click();
        t.plateforme.reponses = {true};
        QVERIFY(t.jeu.Timer1_Timer()); // abandon
        QVERIFY(t.jeu.fenetre.menu.visible);
        t.jeu.Command3_Click(1);
        QCOMPARE(t.jeu.profondeur[1], int16(0));
        QCOMPARE(t.jeu.fenetre.command1[1].texte, std::string("Humain"));
    }

    // Knight moves on 3 x 3: a start square drawn in the centre has no move, so the game is
    // decided before anyone plays.
    void a_game_decided_by_its_start_squares_asks_at_once() {
        PartieTest t;
        t.plateforme.tirages_imposes = {1.0f / 3.0f, 1.0f / 3.0f, 0.0f, 0.0f};
        t.lance(3, 3, true);
        QCOMPARE(t.plateforme.questions.size(), std::size_t(1));
        QVERIFY(t.jeu.fin_partie);
        QCOMPARE(t.jeu.joueurs[0].position, (Case{4, 4}));
        QCOMPARE(t.jeu.joueur_courant, int16(1));
        // No brings the options screen back, with no board over it.
        QVERIFY(t.jeu.fenetre.menu.visible);
        QVERIFY(!t.jeu.fenetre.sspanel3.visible);
        QVERIFY(!t.jeu.fenetre.lignevert[0].visible);
    }

    // Yes after a game with walls starts a game decided by its start squares: its question comes
    // over an empty board, which counts no wall.
    void a_game_decided_at_its_start_after_a_game_with_walls_counts_none() {
        PartieTest t;
        // (3, 3) and (5, 3) for the first game; the centre and (3, 3) for the second.
        t.plateforme.tirages_imposes = {0.0f,        0.0f,        0.6f, 0.0f,
                                        1.0f / 3.0f, 1.0f / 3.0f, 0.0f, 0.0f};
        t.lance(3, 3, true);
        t.clic(3, 3);
        t.clic(5, 3);
        t.murs({{4, 5}, {3, 4}});
        std::vector<int> murs;
        t.plateforme.avant_question = [&] { murs.push_back(t.jeu.nb_murs); };
        t.plateforme.reponses = {true};
        t.clic(5, 4);
        t.clic(4, 3); // player 2's knight on (5, 3) is left without a move
        QCOMPARE(murs, (std::vector<int>{3, 0}));
    }

    void a_game_decided_at_its_start_still_turns_level_four_into_level_one() {
        PartieTest t;
        t.plateforme.tirages_imposes = {1.0f / 3.0f, 1.0f / 3.0f, 0.0f, 0.0f};
        t.lance(3, 3, true, 4, 0);
        QVERIFY(t.jeu.fin_partie);
        QCOMPARE(t.jeu.joueurs[0].niveau, int16(1));
        QCOMPARE(t.jeu.profondeur[0], int16(4));
    }

    void a_pawn_placed_in_the_knights_dead_centre_loses_at_once() {
        PartieTest t;
        t.plateforme.tirages_imposes = {0.0f, 0.0f, 0.6f, 0.0f}; // (3, 3) and (5, 3)
        t.lance(3, 3, true);
        QVERIFY(!t.jeu.fin_partie);
        t.clic(4, 4);
        QVERIFY(t.jeu.fin_partie);
        QCOMPARE(t.jeu.fenetre.label7.texte, std::string("Joueur 2"));
    }

    void abandon_keeps_everything_on_no_and_ends_the_game_on_yes() {
        PartieTest t;
        t.lance(6, 6, false);
        t.clic(4, 4);
        t.clic(7, 7);
        t.clic(5, 5);
        const Instantane avant = instantane(t.jeu);
        t.jeu.Picture6_Click();
        QCOMPARE(t.jeu.fenetre.picture6[0].image, Image::bouton_quitter_enfonce);
        t.jeu.Picture6_Click(); // a second press while the first waits is the same press
        QVERIFY(t.jeu.Timer1_Timer());
        QCOMPARE(t.plateforme.questions,
                 std::vector<std::string>{"Etes vous sûre de vouloir abandonner cette partie?"});
        QVERIFY(instantane(t.jeu) == avant);
        QCOMPARE(t.jeu.fenetre.picture6[0].image, Image::bouton_quitter);
        QVERIFY(!t.jeu.fenetre.timer1);
        t.plateforme.reponses = {true};
        t.jeu.Picture6_Click();
        t.jeu.Timer1_Timer();
        QVERIFY(t.jeu.fenetre.menu.visible);
        QVERIFY(!t.jeu.fenetre.dessinpion[0].visible);
        QCOMPARE(t.jeu.fenetre.picture6[0].image, Image::bouton_quitter);
    }

    // A press just before the click that ends the game waits while the replay question is open;
    // after No it finds the options screen and only lets go of its button.
    void a_press_before_the_last_click_waits_for_the_answer_then_only_lets_go() {
        for (const bool aide : {true, false}) {
            PartieTest t;
            t.plateforme.tirages_imposes = {0.0f, 0.0f, 0.6f, 0.0f}; // (3, 3) and (5, 3)
            t.lance(3, 3, true);
            aide ? t.jeu.Picture5_Click() : t.jeu.Picture6_Click();
            bool attend = false;
            t.plateforme.avant_question = [&] { attend = !t.jeu.Timer1_Timer(); };
            t.clic(4, 4); // the knight's dead centre: player 1 loses at once
            QVERIFY(attend);
            QVERIFY(t.jeu.fenetre.menu.visible);
            QVERIFY(t.jeu.Timer1_Timer());
            QCOMPARE(t.plateforme.questions, std::vector<std::string>{"Voulez-vous rejouer?"});
            QVERIFY(!t.jeu.fenetre.sspanel5.visible);
            QVERIFY(!t.jeu.fenetre.sspanel3.visible);
            QCOMPARE(t.jeu.fenetre.picture5[0].image, Image::bouton_aide);
            QCOMPARE(t.jeu.fenetre.picture6[0].image, Image::bouton_quitter);
            QVERIFY(!t.jeu.fenetre.timer1);
            t.plateforme.tirages_imposes = {0.0f, 0.0f, 0.6f, 0.0f};
            t.jeu.Command3_Click(1);
            QVERIFY(t.jeu.fenetre.sspanel3.visible);
            QVERIFY(!t.jeu.fenetre.sspanel5.visible);
        }
    }
};

QTEST_APPLESS_MAIN(TestTour)
#include "test_tour.moc"
