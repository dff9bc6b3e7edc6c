// The levels' decisions where they hang on single draws, and Ordi 5's model of them. The rest is
// worked by hand in test_analyse and replayed on random positions by the reference record.
#include "ai/joueur_ordinateur.h"
#include "ai/modele_niveau.h"
#include "ai/ordinateur.h"
#include "partie.h"
#include "plateau_test.h"
#include "plateforme_test.h"

#include <QtTest>

using namespace tessor;

class TestOrdinateur : public QObject {
    Q_OBJECT

  private slots:
    // A level-1 move from (5, 5) whose three free neighbours (0, -1), (1, 0) and (1, 1) each
    // count five free squares around them, itself included: every equality draws once, from the
    // starting 0 on (the walled (-1, -1) is the first), and a draw strictly between 0.25 and
    // 0.75 lets the later offset win (halves round to even).
    void best_move_ties_follow_the_draws() {
        const Regles r = regles(6, 6, false);
        const Tableau t = plateau({"......", ".#.##.", ".#P...", ".##...", "..##..", ".....P"});
        const TableauDep td = r.calcul_tab_dep({5, 5}, 0, t);
        QVERIFY(td(0, -1) == 5.0f && td(1, 0) == 5.0f && td(1, 1) == 5.0f);
        // The draws, then the offset of the square chosen.
        for (const auto& [tirages, decalage] :
             {std::pair{std::deque<float>{0.0f, 0.1f, 0.9f}, QPoint(0, -1)}, // no change
              {{0.0f, 0.5f, 0.1f}, QPoint(1, 0)},                            // middle replaces
              {{0.0f, 0.9f, 0.26f}, QPoint(1, 1)},                           // last replaces
              {{0.0f, 0.25f, 0.75f}, QPoint(0, -1)}}) { // a quarter, three quarters keep
            PlateformeTest p;
            p.tirages_imposes = tirages;
            const Case c = Ordinateur(r, p, 0).choisit_deplacement({5, 5}, {8, 8}, 0, 1, t);
            QCOMPARE(QPoint(c.x - 5, c.y - 5), decalage);
            QCOMPARE(p.tirages, 3);
        }
    }

    // On 3 x 3 the zone is the single corner (3, 3): with the other pawn there the computer
    // starts from a random free square of the board instead of drawing forever. Drawn in the
    // knight's dead centre, which has no square in reach, the pawn stays there however the tie
    // draws fall.
    void starting_square_without_a_neighbour_stays_where_drawn() {
        PlateformeTest p;
        p.tirages_imposes = {1.0f / 3.0f, 1.0f / 3.0f};
        p.tirages_imposes.resize(10, 0.5f); // the ties' draws
        const Regles r = regles(3, 3, true);
        const Tableau t = plateau({"#..", "...", "..."});
        QCOMPARE(Ordinateur(r, p, 0).choisit_depart(0, t), (Case{4, 4}));
        QCOMPARE(p.tirages, 10);
    }

    // In whole games of each level against itself, every move and wall a level plays is a turn
    // its model gives beforehand; the model follows the ties, where it gives several.
    void the_model_foresees_every_turn_of_the_levels() {
        int ambigus = 0, departs_vus = 0;
        for (const auto& [taille, cavalier] : {std::pair{6, false}, {6, true}, {9, true}}) {
            for (int k = 0; k < 12; ++k) {
                PlateformeTest p(static_cast<std::uint32_t>(k * 31 + taille));
                Partie partie = analyse::nouvelle_partie(p, regles(taille, taille, cavalier),
                                                         {1 + k % 4, 1 + k % 4});
                partie.commence();
                partie.applique_niveaux();
                const Voisinage g(partie.regles());
                const Joueur& j = partie.joueur(0); // both players alike
                ModeleNiveau modele(partie.regles(), j.niveau, j.profondeur, j.profondeur);
                std::vector<Tour> tours;
                std::vector<Indice> departs;
                Indice deplacement = -1;
                const auto sans_egalite = [&p] { return p.tirages - 2 * p.reensemencements(); };
                while (!partie.finie()) {
                    const Position avant{g.libres(partie.tableau()),
                                         g.indice(partie.joueur(partie.joueur_courant()).position),
                                         g.indice(partie.joueur(partie.adversaire()).position)};
                    const qint64 tirages = sans_egalite();
                    const Indice c = g.indice(*ordinateur_du_niveau(1)->decide(partie, p));
                    if (partie.phase() == Phase::placement) {
                        // A start square drawn without a tie is one of the model's.
                        modele.departs(avant.libres, departs);
                        departs_vus += sans_egalite() == tirages;
                        QVERIFY(sans_egalite() > tirages ||
                                std::count(departs.begin(), departs.end(), c) > 0);
                    } else if (partie.phase() == Phase::deplacement) {
                        modele.tours(avant, tours);
                        ambigus += tours.size() > 1;
                        deplacement = c;
                    } else {
                        QVERIFY(std::count(tours.begin(), tours.end(), Tour{deplacement, c}) > 0);
                    }
                    partie.joue(Voisinage::case_de(c));
                }
            }
        }
        QVERIFY(ambigus > 0 && departs_vus > 20);
    }
};

QTEST_APPLESS_MAIN(TestOrdinateur)
#include "test_ordinateur.moc"
