// The move rules and the mobility tables, in both movement modes, on small and large boards.
#include "game/jeu.h"
#include "plateau_test.h"
#include "plateforme_test.h"

#include <QtTest>

#include <functional>

using namespace tessor;

namespace {
// Counts, independently of the propagation, the walks of `pas` steps over free squares that
// start at (x, y); a king may stay in place. Exact in double for the sizes tested.
double marches(const Regles& r, const Tableau& t, int x, int y, int pas) {
    if (pas == 0) {
        return 1.0;
    }
    double total = 0.0;
    for (Decalage d : r.decalages()) {
        if (t.libre(x + d.i, y + d.j)) {
            total += marches(r, t, x + d.i, y + d.j, pas - 1);
        }
    }
    return total;
}
} // namespace

class TestRegles : public QObject {
    Q_OBJECT

  private slots:
    void init_tableau_frees_the_playing_area_and_walls_the_margin_data() {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::newRow("3 x 3") << 3 << 3;
        QTest::newRow("12 x 3") << 12 << 3;
        QTest::newRow("6 x 6") << 6 << 6;
        QTest::newRow("12 x 12") << 12 << 12;
    }
    void init_tableau_frees_the_playing_area_and_walls_the_margin() {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        PlateformeTest p;
        Jeu jeu(p);
        jeu.largeur = static_cast<int16>(largeur);
        jeu.hauteur = static_cast<int16>(hauteur);
        Tableau t;
        for (auto& c : t.cellules) {
            c = 7; // whatever a previous game left, including values never stored
        }
        jeu.fin_partie = true;
        jeu.init_tableau(t);
        QVERIFY(!jeu.fin_partie);
        for (int x = 0; x < TAILLE_TABLEAU; ++x) {
            for (int y = 0; y < TAILLE_TABLEAU; ++y) {
                const bool jouable = x >= 3 && x <= largeur + 2 && y >= 3 && y <= hauteur + 2;
                const bool marge =
                    !jouable && x >= 1 && x <= largeur + 4 && y >= 1 && y <= hauteur + 4;
                const int16 attendu = jouable ? VRAI : marge ? FAUX : 7;
                QCOMPARE(t(x, y), attendu);
            }
        }
    }

    // A king counts its own square when it is free; a knight in the centre of a 3 x 3 board
    // has no square in reach; walls, the margin and the other pawn all block.
    void counts_and_blocking_in_both_modes() {
        const Regles roi = regles(6, 6, false);
        Tableau t = plateau_vide(6, 6);
        QCOMPARE(roi.compte_case_dep(5, 5, t), int16(9));
        t(5, 5) = FAUX;
        QCOMPARE(roi.compte_case_dep(5, 5, t), int16(8));
        QCOMPARE(roi.compte_case_dep(3, 3, t), int16(4)); // corner: itself and three neighbours
        Tableau coin = plateau({"#P..", "##..", "....", "...."}); // P: the other pawn
        QVERIFY(roi.est_bloque({3, 3}, coin));
        coin(4, 4) = VRAI;
        QVERIFY(!roi.est_bloque({3, 3}, coin));
        const Regles cavalier = regles(3, 3, true);
        Tableau petit = plateau_vide(3, 3);
        petit(4, 4) = FAUX;
        QCOMPARE(cavalier.compte_case_dep(4, 4, petit), int16(0));
        QVERIFY(cavalier.est_bloque({4, 4}, petit));
        QCOMPARE(cavalier.compte_case_dep(3, 3, petit), int16(2));
    }

    void reach_of_one_and_two_moves() {
        const Regles roi = regles(8, 8, false);
        const Regles cavalier = regles(8, 8, true);
        const Case p{6, 6};
        QVERIFY(roi.portee(6, 6, p, 1));
        QVERIFY(roi.portee(6, 6, p, 2));
        QVERIFY(roi.portee(8, 4, p, 2));
        QVERIFY(!roi.portee(8, 4, p, 1));
        QVERIFY(!roi.portee(9, 6, p, 2));
        QVERIFY(!cavalier.portee(6, 6, p, 1));
        QVERIFY(cavalier.portee(6, 6, p, 2));
        QVERIFY(cavalier.portee(7, 8, p, 1));
        QVERIFY(!cavalier.portee(7, 8, p, 2)); // one jump is never the sum of two
        QVERIFY(cavalier.portee(8, 10, p, 2)); // (1, 2) + (1, 2)
        QVERIFY(cavalier.portee(9, 7, p, 2));  // (1, 2) + (2, -1)
        QVERIFY(cavalier.portee(7, 7, p, 2));  // (-1, 2) + (2, -1)
        QVERIFY(!cavalier.portee(7, 6, p, 2)); // two jumps keep the square colour
    }

    void a_move_needs_reach_and_a_free_square() {
        const Regles roi = regles(6, 6, false);
        Tableau t = plateau_vide(6, 6);
        t(5, 5) = FAUX; // our pawn
        t(6, 5) = FAUX; // the other pawn
        QVERIFY(!roi.dep_valide({6, 5}, {5, 5}, t));
        QVERIFY(roi.dep_valide({6, 6}, {5, 5}, t));
        QVERIFY(!roi.dep_valide({5, 5}, {5, 5}, t));
        QVERIFY(!roi.dep_valide({7, 5}, {5, 5}, t));
        const Regles cavalier = regles(6, 6, true);
        QVERIFY(cavalier.dep_valide({6, 7}, {5, 5}, t));
        QVERIFY(!cavalier.dep_valide({6, 6}, {5, 5}, t));
    }

    void evaluation_table_counts_walks_over_free_squares_data() {
        QTest::addColumn<bool>("cavalier");
        QTest::addColumn<int>("maxtaille");
        for (bool c : {false, true}) {
            for (int m : {0, 1, 2, 5}) {
                QTest::newRow(qPrintable(QString("%1 depth %2").arg(c ? "knight" : "king").arg(m)))
                    << c << m;
            }
        }
    }
    void evaluation_table_counts_walks_over_free_squares() {
        QFETCH(bool, cavalier);
        QFETCH(int, maxtaille);
        const Regles r = regles(7, 5, cavalier);
        Tableau t = plateau({".#.....", "...#...", "..#....", ".....#.", "......."});
        const Case pion{6, 5};
        t[pion] = FAUX;
        const Tableau avant = t;
        TableauDep dep;
        r.calcul_tab_dep(pion.x, pion.y, dep, maxtaille, t);
        // The knight's own square takes part in the count, as it may come back to it.
        Tableau modele = avant;
        if (cavalier) {
            modele[pion] = VRAI;
        }
        int non_nuls = 0;
        for (int i = -2; i <= 2; ++i) {
            for (int j = -2; j <= 2; ++j) {
                const bool offset = [&] {
                    for (Decalage d : r.decalages()) {
                        if (d.i == i && d.j == j && !(i == 0 && j == 0)) {
                            return true;
                        }
                    }
                    return false;
                }();
                const int x = pion.x + i;
                const int y = pion.y + j;
                const double attendu =
                    offset && avant.libre(x, y) ? marches(r, modele, x, y, maxtaille + 1) : 0.0;
                QCOMPARE(double(dep(i, j)), attendu);
                non_nuls += dep(i, j) != 0.0f;
            }
        }
        QVERIFY(non_nuls > 0 && non_nuls <= 8);
        QVERIFY(t == avant); // knight mode puts its pawn's square back to 0
    }

    void evaluation_table_on_a_free_square_gives_it_back_occupied_for_the_knight() {
        const Regles r = regles(6, 6, true);
        Tableau t = plateau_vide(6, 6);
        TableauDep dep;
        r.calcul_tab_dep(5, 5, dep, 3, t);
        QCOMPARE(t(5, 5), FAUX);
        const Regles roi = regles(6, 6, false);
        Tableau t2 = plateau_vide(6, 6);
        roi.calcul_tab_dep(5, 5, dep, 3, t2);
        QCOMPARE(t2(5, 5), VRAI);
        QCOMPARE(dep(0, 0), 0.0f);
    }

    // Deep tables exceed 2^24 and are rounded at every addition: the values must be summed in
    // single precision, square by square, in enumeration order, up to the board's far edges.
    void deep_tables_are_summed_in_single_precision_in_enumeration_order() {
        for (bool cavalier : {false, true}) {
            const Regles r = regles(12, 12, cavalier);
            Tableau t = plateau_vide(12, 12);
            for (int k : {3, 6, 12, 14}) {
                t(k, 17 - k) = FAUX;
            }
            Tableau modele = t; // the knight's own square takes part
            t(8, 8) = FAUX;
            modele(8, 8) = cavalier ? VRAI : FAUX;
            TableReelle reference;
            for (int x = 3; x <= 14; ++x) {
                for (int y = 3; y <= 14; ++y) {
                    reference(x, y) =
                        modele.libre(x, y) ? float(r.compte_case_dep(x, y, modele)) : 0.0f;
                }
            }
            for (int passe = 0; passe < 24; ++passe) {
                TableReelle suivante;
                for (int x = 3; x <= 14; ++x) {
                    for (int y = 3; y <= 14; ++y) {
                        float s = 0.0f;
                        for (Decalage d : r.decalages()) {
                            if (modele.libre(x + d.i, y + d.j)) {
                                s = s + reference(x + d.i, y + d.j);
                            }
                        }
                        suivante(x, y) = modele.libre(x, y) ? s : 0.0f;
                    }
                }
                reference = suivante;
            }
            TableauDep dep;
            r.calcul_tab_dep(8, 8, dep, 24, t);
            for (Decalage d : r.decalages()) {
                if (d.i != 0 || d.j != 0) {
                    QCOMPARE(dep(d.i, d.j), reference(8 + d.i, 8 + d.j));
                    QVERIFY(dep(d.i, d.j) > 16777216.0f);
                }
            }
        }
    }

    void random_square_rounds_halves_to_even_and_skips_the_margin() {
        PlateformeTest p;
        const Regles r = regles(6, 6, false);
        const Tableau t = plateau_vide(6, 6);
        Case c;
        // 3 + 0.25 x 6 = 4.5 -> 4; 3 + 0.99 x 6 = 8.94 -> 9, the margin: drawn again;
        // then 3 + 1/12 x 6 = 3.5 -> 4 and 3 + 0.75 x 6 = 7.5 -> 8.
        p.tirages_imposes = {0.25f, 0.99f, 1.0f / 12.0f, 0.75f};
        tirage_case_libre(r, p, c, t);
        QCOMPARE(c, (Case{4, 8}));
        p.tirages_imposes = {0.25f, 0.25f, 0.0f, 0.75f};
        tirage_case_libre(r, p, c, t);
        QCOMPARE(c, (Case{4, 4}));
        QCOMPARE(p.reensemencements, 2);
        QCOMPARE(p.tirages, 4 + 2);
    }

    // Only the centre is free: every call lands there; with no free square at all the
    // position is left as it was, without a draw.
    void random_square_finds_the_last_free_square_and_ends_on_a_full_board() {
        PlateformeTest p;
        const Regles r = regles(3, 3, false);
        Tableau t = plateau({"###", "#.#", "###"});
        Case c;
        for (int k = 0; k < 50; ++k) {
            tirage_case_libre(r, p, c, t);
            QCOMPARE(c, (Case{4, 4}));
        }
        t(4, 4) = FAUX;
        const int tirages = p.tirages;
        tirage_case_libre(r, p, c, t);
        QCOMPARE(c, (Case{4, 4}));
        QCOMPARE(p.tirages, tirages);
    }
};

QTEST_APPLESS_MAIN(TestRegles)
#include "test_regles.moc"
