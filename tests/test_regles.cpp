// The move rules and the random free square, in both movement modes, on small and large boards.
// The mobility tables are examples of docs/analyse.md.
#include "game/tirage.h"
#include "plateau_test.h"
#include "plateforme_test.h"

#include <QtTest>

using namespace tessor;

class TestRegles : public QObject {
    Q_OBJECT

  private slots:
    // Every cell takes a value no game stores, which only the margin's and the board's change.
    void init_tableau_frees_the_playing_area_and_walls_the_margin() {
        for (const auto& [largeur, hauteur] : {std::pair{3, 3}, {12, 3}, {6, 6}, {12, 12}}) {
            Tableau t;
            t.cellules.fill(7);
            regles(largeur, hauteur, false).init_tableau(t);
            for (int x = 0; x < TAILLE_TABLEAU; ++x) {
                for (int y = 0; y < TAILLE_TABLEAU; ++y) {
                    const bool jouable = x >= 3 && x <= largeur + 2 && y >= 3 && y <= hauteur + 2;
                    const bool marge =
                        !jouable && x >= 1 && x <= largeur + 4 && y >= 1 && y <= hauteur + 4;
                    QCOMPARE(t(x, y), int16(jouable ? VRAI : marge ? FAUX : 7));
                }
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
        const Tableau petit = plateau({"...", ".#.", "..."});
        QCOMPARE(cavalier.compte_case_dep(4, 4, petit), int16(0));
        QVERIFY(cavalier.est_bloque({4, 4}, petit));
        QCOMPARE(cavalier.compte_case_dep(3, 3, petit), int16(2));
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
        QCOMPARE(p.reensemencements(), 2);
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
