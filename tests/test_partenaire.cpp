// The sparring partners of the analysis tool: their turn rules, the walls they try, a won turn
// taken and whole legal games. The match request's answers are examples of docs/analyse.md.
#include "alea_analyse.h"
#include "partenaire.h"
#include "partenaire_alphabeta.h"
#include "plateau_test.h"

#include <QtTest>

#include <algorithm>

using namespace tessor;
using namespace tessor::analyse;

namespace {
EtatPartenaire etat(const std::vector<std::string>& lignes, Case moi, Case lui) {
    return {plateau(lignes), {moi, lui}, 0, false};
}

// Plays a whole turn on a copy of `e`; the end test of its wall.
Issue issue_du_tour(const Regles& r, EtatPartenaire e, TourPartenaire t) {
    joue_action(r, e, t.deplacement);
    return joue_action(r, e, t.mur);
}
} // namespace

class TestPartenaire : public QObject {
    Q_OBJECT

  private slots:
    // A move frees the square left and keeps the turn; a wall passes it and runs the end test.
    void a_turn_moves_then_walls_and_ends_the_game_on_a_blocked_pawn() {
        const Regles r = regles(3, 3, false);
        EtatPartenaire e = etat({"#..", "...", "..#"}, {3, 3}, {5, 5});
        QCOMPARE(joue_action(r, e, {4, 4}), Issue::en_cours);
        QVERIFY(e.tableau.libre(3, 3) && !e.tableau.libre(4, 4) && e.mur && e.joueur == 0);
        QCOMPARE(e.moi(), (Case{4, 4}));
        QCOMPARE(joue_action(r, e, {3, 3}), Issue::en_cours);
        QVERIFY(!e.mur && e.joueur == 1 && !e.tableau.libre(3, 3));
        // The pawn at [3, 3] against the one at [5, 5]: a wall on its own last exit, on the
        // other's, on the one they share.
        const auto mur = [&r](const std::vector<std::string>& lignes, Case c) {
            EtatPartenaire f = etat(lignes, {3, 3}, {5, 5});
            f.mur = true;
            return joue_action(r, f, c);
        };
        QCOMPARE(mur({"#.#", "##.", "###"}, {4, 3}), Issue::perd);
        QCOMPARE(mur({"#.#", "##.", "###"}, {5, 4}), Issue::gagne);
        QCOMPARE(mur({"###", "#.#", "###"}, {4, 4}), Issue::nul);
        QCOMPARE(mur({"#..", "...", "..#"}, {4, 4}), Issue::en_cours);
    }

    // The other pawn's free squares first, then those two moves away, then every other free
    // square once; the near ones alone when asked, and all when none is near.
    void walls_near_the_other_pawn_come_first() {
        const Regles r = regles(5, 5, false);
        EtatPartenaire e = etat({"#.#..", ".#...", ".....", ".....", "....#"}, {7, 7}, {3, 3});
        e.mur = true;
        const std::vector<Case> tous = actions(r, e, false);
        const std::vector<Case> proches = actions(r, e, true);
        QVERIFY(proches == (std::vector<Case>{{4, 3}, {3, 4}, {5, 4}, {3, 5}, {4, 5}}));
        QVERIFY(std::equal(proches.begin(), proches.end(), tous.begin()));
        const std::vector<Case> libres = cases_libres(r, e.tableau);
        QVERIFY(std::is_permutation(tous.begin(), tous.end(), libres.begin(), libres.end()));
        e.tableau(4, 3) = FAUX;
        e.tableau(3, 4) = FAUX;
        QCOMPARE(actions(r, e, true).size(), std::size_t{19});
        e.mur = false;
        QCOMPARE(actions(r, e, true).size(), std::size_t{3});
    }

    // The other pawn has one way out: each partner walls it, with king steps and knight jumps,
    // whatever it is given to search with. The corner [3, 3] has one way out, the square the
    // pawn leaves to go there, which the other pawn walls next turn: each partner goes elsewhere.
    void partners_take_a_won_turn_and_avoid_a_lost_move() {
        for (const auto& [cavalier, uct, budget] : {std::tuple{false, true, 2000},
                                                    {false, false, 50000},
                                                    {false, false, 200},
                                                    {true, true, 2000},
                                                    {true, false, 50000},
                                                    {true, false, 200}}) {
            const Regles r = regles(5, 5, cavalier);
            const EtatPartenaire e =
                cavalier ? etat({"#....", "..#..", ".....", ".....", "....#"}, {7, 7}, {3, 3})
                         : etat({"##...", "#....", ".....", "...#.", "....."}, {6, 6}, {3, 3});
            Hasard hasard(5);
            QCOMPARE(issue_du_tour(r, e,
                                   uct ? decide_uct(r, e, budget, hasard)
                                       : decide_alphabeta(r, e, std::uint64_t(budget))),
                     Issue::gagne);
        }
        const Regles r = regles(5, 5, false);
        const EtatPartenaire e =
            etat({".#...", "##...", ".....", ".....", "....#"}, {4, 3}, {7, 7});
        Hasard hasard(8);
        for (const TourPartenaire& t :
             {decide_uct(r, e, 3000, hasard), decide_alphabeta(r, e, 100000)}) {
            QVERIFY(t.deplacement == (Case{5, 3}) || t.deplacement == (Case{5, 4}));
        }
    }

    // The Monte Carlo partner replays from its seed; one playout still gives a legal turn.
    void uct_replays_from_its_seed() {
        const Regles r = regles(7, 6, true);
        const EtatPartenaire e = etat(std::vector<std::string>(6, "......."), {3, 3}, {9, 8});
        Hasard a(3), b(3);
        const TourPartenaire ta = decide_uct(r, e, 500, a);
        const TourPartenaire tb = decide_uct(r, e, 500, b);
        QVERIFY(ta.deplacement == tb.deplacement && ta.mur == tb.mur);
        const TourPartenaire un = decide_uct(r, e, 1, a);
        QVERIFY(r.dep_valide(un.deplacement, e.moi(), e.tableau) && e.tableau.libre(un.mur));
    }

    // Both partners place, move and wall through the game until it ends, every action accepted;
    // one asked for a wall it did not plan puts it on a free square.
    void partners_play_whole_games() {
        analyse::AleaAnalyse alea(1);
        Partie partie(alea);
        partie.regle(regles(5, 5, false));
        partie.commence();
        const std::array<std::unique_ptr<Participant>, 2> joueurs{partenaire_uct(300, 2),
                                                                  partenaire_alphabeta(3000)};
        QCOMPARE(joueurs[0]->decide(partie, alea), std::optional<Case>(Case{4, 4}));
        int actions_jouees = 0;
        while (!partie.finie()) {
            const std::optional<Case> c = joueurs[partie.joueur_courant()]->decide(partie, alea);
            QVERIFY(c && !partie.joue(*c).empty());
            ++actions_jouees;
        }
        QVERIFY(actions_jouees >= 2 + 2 * 4);
        partie.commence();
        partie.joue({4, 4});
        partie.joue({6, 6});
        partie.joue({5, 5});
        const std::optional<Case> mur = partenaire_alphabeta(3000)->decide(partie, alea);
        QVERIFY(mur && partie.accepte(*mur));
        // The start square with the most room, in the last column here.
        Partie colonne(alea);
        colonne.regle(regles(3, 3, false));
        colonne.commence();
        for (const Case c : {Case{3, 3}, {4, 3}, {3, 4}, {4, 4}, {3, 5}, {4, 5}}) {
            colonne.ajoute_mur(c);
        }
        QCOMPARE(joueurs[1]->decide(colonne, alea), std::optional<Case>(Case{5, 4}));
    }
};

QTEST_APPLESS_MAIN(TestPartenaire)
#include "test_partenaire.moc"
