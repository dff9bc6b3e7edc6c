// The computer's decisions on hand-made positions whose answers follow from the rules: the
// victory move, the ranking, the ratio limits, the tie draws, the wall choice and its fallback,
// the level-3 anticipation and the starting square.
#include "ai/ordinateur.h"
#include "plateau_test.h"
#include "plateforme_test.h"

#include <QtTest>

using namespace tessor;

namespace {
Classement classement(std::initializer_list<dep_classe> rangs) {
    Classement c;
    int k = 1;
    for (const dep_classe& r : rangs) {
        c[k++] = r;
    }
    return c;
}
} // namespace

class TestOrdinateur : public QObject {
    Q_OBJECT

  private slots:
    // The opponent in the corner (3, 3) has one escape (4, 3); the computer next to it at
    // (4, 4) steps onto it while (4, 3) keeps free squares around it. With (5, 3) and (5, 4)
    // walled it would shut itself in: the table then chooses (5, 5), after one draw for the
    // tie of the first blocked offset with the starting value 0.
    void steps_onto_the_opponents_last_escape_when_it_leaves_room_data() {
        QTest::addColumn<QString>("rang3");
        QTest::addColumn<QString>("rang4");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("tirages");
        QTest::newRow("room left") << "O....."
                                   << "#C...." << 4 << 3 << 0;
        QTest::newRow("dead end") << "O.#..."
                                  << "#C#..." << 5 << 5 << 1;
    }
    void steps_onto_the_opponents_last_escape_when_it_leaves_room() {
        QFETCH(QString, rang3);
        QFETCH(QString, rang4);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, tirages);
        PlateformeTest p;
        const Regles r = regles(6, 6, false);
        Tableau t = plateau(
            {rang3.toStdString(), rang4.toStdString(), "......", "......", "......", "......"});
        Ordinateur o(r, p, 0);
        Case c{4, 4};
        o.dep_ordi(c, {3, 3}, 0, 1, t);
        QCOMPARE(c, (Case{int16(x), int16(y)}));
        QCOMPARE(p.tirages, tirages);
    }

    void ranks_highest_first_and_equals_in_reverse_order() {
        PlateformeTest p;
        const Regles r = regles(6, 6, false);
        Ordinateur o(r, p, 0);
        TableauDep td;
        td(-1, -1) = 3;
        td(0, -1) = 5;
        td(1, -1) = 3;
        td(1, 0) = 5;
        td(-1, 1) = 1;
        td(1, 1) = 3;
        Classement c;
        o.classe(c, td);
        const std::vector<std::pair<int, int>> attendu{{1, 0},   {0, -1}, {1, 1}, {1, -1},
                                                       {-1, -1}, {-1, 1}, {0, 1}, {-1, 0}};
        for (int k = 1; k <= 8; ++k) {
            QCOMPARE((std::pair<int, int>{c[k].i, c[k].j}), attendu[k - 1]);
        }
        QCOMPARE(c[1].valeur, 5.0f);
        QCOMPARE(c[8].valeur, 0.0f);
    }

    // Computer (5, 5), opponent (7, 5): (6, 5) is wanted by both. It is taken only when the
    // best own value is less than 1.2 times its value; otherwise the table choice decides,
    // and on this empty board (6, 5) is worth less than five other squares.
    void takes_a_contested_square_below_the_ratio_limit_data() {
        QTest::addColumn<float>("meilleur");
        QTest::addColumn<float>("conteste");
        QTest::addColumn<bool>("pris");
        QTest::newRow("6 and 5: ratio exactly 1.2") << 6.0f << 5.0f << false;
        QTest::newRow("7 and 6") << 7.0f << 6.0f << true;
    }
    void takes_a_contested_square_below_the_ratio_limit() {
        QFETCH(float, meilleur);
        QFETCH(float, conteste);
        QFETCH(bool, pris);
        PlateformeTest p;
        const Regles r = regles(6, 6, false);
        Tableau t = plateau_vide(6, 6);
        t(5, 5) = FAUX;
        t(7, 5) = FAUX;
        Ordinateur o(r, p, 0);
        const Classement moi = classement({{-1, 0, meilleur}, {1, 0, conteste}});
        const Classement lui = classement({{-1, 0, 9.0f}});
        Case c{5, 5};
        o.test2_dep_ordi(c, {7, 5}, moi, lui, 0, 2, t);
        QCOMPARE(c == (Case{6, 5}), pris);
    }

    // Level 3 weighs the wall that follows each move close to the best; with an opponent that
    // cannot move, every examined move costs one reseed (the random wall) and none is
    // preferred to the best. Rank 8 is never examined.
    void anticipation_examines_moves_within_one_and_a_half_of_the_best_data() {
        QTest::addColumn<float>("v2");
        QTest::addColumn<float>("v3");
        QTest::addColumn<float>("v4");
        QTest::addColumn<int>("examines");
        QTest::newRow("10 7 6: rank 2 only") << 7.0f << 6.0f << 6.0f << 2;
        QTest::newRow("10 7 7 6") << 7.0f << 7.0f << 6.0f << 3;
        QTest::newRow("all equal: up to rank 7") << 10.0f << 10.0f << 10.0f << 7;
    }
    void anticipation_examines_moves_within_one_and_a_half_of_the_best() {
        QFETCH(float, v2);
        QFETCH(float, v3);
        QFETCH(float, v4);
        QFETCH(int, examines);
        PlateformeTest p;
        const Regles r = regles(6, 6, false);
        Tableau t = plateau_vide(6, 6);
        // The opponent at (8, 8) is walled in.
        for (Case c : {Case{7, 7}, Case{8, 7}, Case{7, 8}, Case{8, 8}}) {
            t[c] = FAUX;
        }
        t(5, 5) = FAUX;
        const Tableau avant = t;
        const float v5 = v4 == 10.0f ? 10.0f : 6.0f;
        const Classement c = classement({{1, 0, 10.0f},
                                         {-1, 0, v2},
                                         {0, 1, v3},
                                         {0, -1, v4},
                                         {1, 1, v5},
                                         {-1, -1, v5},
                                         {1, -1, v5},
                                         {-1, 1, v5}});
        Ordinateur o(r, p, 6);
        Case pos{5, 5};
        o.choix_dep_anticipe(pos, {8, 8}, c, t);
        QCOMPARE(pos, (Case{6, 5}));
        QCOMPARE(p.reensemencements, examines);
        QVERIFY(t == avant);
    }

    void wall_choice_prefers_among_equals_a_square_away_from_the_reference_data() {
        QTest::addColumn<QVector<int>>("meilleurs"); // offsets (i, j) with the best value 9
        QTest::addColumn<float>("tirage");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("tirages");
        QTest::newRow("single best next to the reference")
            << QVector<int>{-1, 0} << 0.9f << 5 << 6 << 0;
        QTest::newRow("one of two away") << QVector<int>{-1, 0, 1, 1} << 0.9f << 7 << 7 << 1;
        QTest::newRow("both near, low draw") << QVector<int>{-1, 0, 0, -1} << 0.3f << 6 << 5 << 1;
        QTest::newRow("both near, high draw") << QVector<int>{-1, 0, 0, -1} << 0.7f << 5 << 6 << 1;
    }
    void wall_choice_prefers_among_equals_a_square_away_from_the_reference() {
        QFETCH(QVector<int>, meilleurs);
        QFETCH(float, tirage);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, tirages);
        PlateformeTest p;
        p.tirages_imposes = {tirage};
        const Regles r = regles(6, 6, false);
        Ordinateur o(r, p, 0);
        TableauDep td;
        td(1, 0) = 4.0f;
        for (int k = 0; k < meilleurs.size(); k += 2) {
            td(meilleurs[k], meilleurs[k + 1]) = 9.0f;
        }
        Case casenoir{6, 6}; // the opponent; the computer stands at (5, 5)
        float score = 0.0f;
        o.choix_casenoir(casenoir, {5, 5}, score, td);
        QCOMPARE(casenoir, (Case{int16(x), int16(y)}));
        QCOMPARE(score, 9.0f);
        QCOMPARE(p.tirages, tirages);
    }

    void wall_of_an_opponent_without_moves_is_random() {
        PlateformeTest p;
        p.tirages_imposes = {0.0f, 0.0f, 0.7f, 0.0f}; // (3, 3) is a wall, then (5, 3)
        const Regles r = regles(3, 3, false);
        Tableau t = plateau({"#..", ".##", ".#O"}); // the opponent O at (5, 5) is walled in
        Ordinateur o(r, p, 0);
        Case casenoir{5, 5};
        float score = 0.0f;
        o.place_casenoir(casenoir, {3, 4}, {5, 5}, score, 0, t);
        QCOMPARE(casenoir, (Case{5, 3}));
        QCOMPARE(score, SCORE_AUCUN_DEP);
        QCOMPARE(p.reensemencements, 1);
        QCOMPARE(p.tirages, 4);
    }

    // Every equality draws once, from the starting 0 on; a draw strictly between 0.25 and 0.75
    // lets the later offset win (halves round to even).
    void best_move_ties_follow_the_draws_data() {
        QTest::addColumn<float>("r1");
        QTest::addColumn<float>("r2");
        QTest::addColumn<float>("r3");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("j");
        QTest::newRow("no change") << 0.0f << 0.1f << 0.9f << 0 << -1;
        QTest::newRow("middle replaces") << 0.0f << 0.5f << 0.1f << 1 << 0;
        QTest::newRow("last replaces") << 0.0f << 0.9f << 0.26f << 1 << 1;
        QTest::newRow("quarter and three quarters keep") << 0.0f << 0.25f << 0.75f << 0 << -1;
    }
    void best_move_ties_follow_the_draws() {
        QFETCH(float, r1);
        QFETCH(float, r2);
        QFETCH(float, r3);
        QFETCH(int, i);
        QFETCH(int, j);
        PlateformeTest p;
        p.tirages_imposes = {r1, r2, r3};
        const Regles r = regles(6, 6, false);
        Ordinateur o(r, p, 0);
        TableauDep td;
        td(0, -1) = 4.0f;
        td(1, 0) = 4.0f;
        td(1, 1) = 4.0f;
        int16 x = 5;
        int16 y = 5;
        o.choix_dep2(x, y, td);
        QCOMPARE(int(x), 5 + i);
        QCOMPARE(int(y), 5 + j);
        QCOMPARE(p.tirages, 3);
    }

    // On a 3-column board the drawn square is always in column 3; the pawn then starts on the
    // best square next to it: from (3, 5), the three squares of column 4 are worth 9.
    void starting_square_is_the_best_next_to_a_central_draw() {
        PlateformeTest p;
        p.tirages_imposes = {0.99f, 0.5f, 0.0f, 0.5f, 0.0f};
        const Regles r = regles(3, 5, false);
        Tableau t = plateau_vide(3, 5);
        Ordinateur o(r, p, 0);
        Case c;
        o.place_pion_ordi(c, 0, t);
        QCOMPARE(c, (Case{4, 5}));
        QCOMPARE(p.reensemencements, 1);
        QCOMPARE(p.tirages, 5);
        QVERIFY(t == plateau_vide(3, 5));
    }

    void starting_square_draws_again_on_the_other_pawn() {
        PlateformeTest p;
        p.tirages_imposes = {0.0f, 0.0f, 0.0f, 0.9f};
        const Regles r = regles(3, 5, true);
        Tableau t = plateau_vide(3, 5);
        t(3, 4) = FAUX;
        Ordinateur o(r, p, 0);
        Case c;
        o.place_pion_ordi(c, 0, t);
        QCOMPARE(p.reensemencements, 2);
        QVERIFY(t.libre(c));
        QCOMPARE(t(3, 6), VRAI); // the drawn square (3, 6) is given back free
    }

    // On 3 x 3 the zone is the single corner (3, 3): with the other pawn there the computer
    // starts from a random free square of the board instead of drawing forever. Drawn in the
    // knight's dead centre, which has no square in reach, the pawn stays there however the tie
    // draws fall.
    void starting_square_without_a_neighbour_stays_where_drawn() {
        PlateformeTest p;
        p.tirages_imposes = {1.0f / 3.0f, 1.0f / 3.0f};
        for (int k = 0; k < 8; ++k) {
            p.tirages_imposes.push_back(0.5f);
        }
        const Regles r = regles(3, 3, true);
        Tableau t = plateau_vide(3, 3);
        t(3, 3) = FAUX;
        Ordinateur o(r, p, 0);
        Case c;
        o.place_pion_ordi(c, 0, t);
        QCOMPARE(c, (Case{4, 4}));
        QCOMPARE(p.tirages, 10);
    }
};

QTEST_APPLESS_MAIN(TestOrdinateur)
#include "test_ordinateur.moc"
