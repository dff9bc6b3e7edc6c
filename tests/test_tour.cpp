// The turn flow between two humans, the end of a game, the replay question and the start of a
// game, driven by clicks on squares or by the keyboard's cursor, without a screen.
#include "partie_test.h"

#include <QtTest>

using namespace tessor;

namespace {
// Everything a click could change, to check that an ignored click changed nothing.
auto instantane(const PartieTest& t) {
    const Partie& p = t.partie();
    return std::make_tuple(p.tableau().cellules, p.joueur(0).position, p.joueur(1).position,
                           p.joueur_courant(), p.phase(), t.jeu.jeu().nb_murs(),
                           t.ecran().pions[0].visible, t.ecran().pions[1].visible);
}

// 6 x 6 king board, player 0 on (4, 3), player 1 on (5, 3), walled so that player 0's step into
// the corner (3, 3) followed by a wall on (4, 3) blocks both pawns.
void prepare_match_nul(PartieTest& t) {
    t.lance(6, 6, false);
    t.clic(4, 3);
    t.clic(5, 3);
    t.murs({{3, 4}, {4, 4}, {6, 3}, {5, 4}, {6, 4}});
    t.clic(3, 3);
}

// Enter on square c, the cursor brought there with the arrows.
void entree_sur(Controleur& j, Case c) {
    j.fleche(0, 0);
    for (int n = 0; n < 12 && j.curseur().position() != c; ++n) {
        const Case p = j.curseur().position();
        j.fleche((c.x > p.x) - (c.x < p.x), (c.y > p.y) - (c.y < p.y));
    }
    j.clic_curseur();
}

// 3 x 3 knight board whose start squares are (3, 3) and (5, 3), or the centre and (3, 3).
constexpr float TIERS = 1.0f / 3.0f;
const std::deque<float> DEPART_NORMAL{0.0f, 0.0f, 0.6f, 0.0f};
const std::deque<float> DEPART_AU_CENTRE{TIERS, TIERS, 0.0f, 0.0f};
} // namespace

class TestTour : public QObject {
    Q_OBJECT

  private slots:
    // Enter on the cursor's square does what a click there does: placements, a move two squares
    // away, a move, a wall onto a pawn, a wall.
    void enter_does_what_a_click_on_the_cursor_square_does() {
        std::array<PartieTest, 2> t;
        t[0].lance(6, 6, false);
        t[1].lance(6, 6, false);
        for (Case c : {Case{4, 4}, {5, 5}, {6, 6}, {4, 5}, {5, 5}, {3, 3}}) {
            t[0].clic(c.x, c.y);
            entree_sur(t[1].jeu, c);
            QVERIFY(instantane(t[0]) == instantane(t[1]));
        }
    }

    // On the options screen the keys do nothing. In a game the first key shows the cursor
    // without moving it: on the centre while placing, then after each action on the pawn on
    // turn. It stops at the edges; the pointer over the board hides it.
    void the_cursor_starts_on_the_turn_and_stays_on_the_board() {
        PartieTest t;
        Controleur& j = t.jeu;
        const auto curseur = [&j] {
            return j.curseur().montre() ? j.curseur().position() : Case{};
        };
        j.fleche(1, 0);
        j.clic_curseur();
        QCOMPARE(curseur(), Case{});
        t.lance(4, 3, false);
        j.fleche(1, 0);
        QCOMPARE(curseur(), (Case{4, 4}));
        for (int n = 0; n < 4; ++n) {
            j.fleche(1, -1);
        }
        QCOMPARE(curseur(), (Case{6, 3}));
        j.clic_curseur();
        QCOMPARE(curseur(), (Case{4, 4}));
        entree_sur(j, {3, 5});
        QCOMPARE(curseur(), (Case{6, 3}));
        t.clic(5, 4);
        QCOMPARE(curseur(), Case{});
        j.clic_curseur();
        QCOMPARE(curseur(), (Case{5, 4}));
    }

    void one_wall_that_blocks_both_pawns_is_a_draw() {
        PartieTest t;
        prepare_match_nul(t);
        t.clic(4, 3);
        QCOMPARE(t.plateforme.questions.size(), std::size_t(1));
        QCOMPARE(t.signe(), Image::panneau_match_nul);
        QCOMPARE(t.ecran().signe.left, int16(34));
        QCOMPARE(t.ecran().signe.top, int16(140));
        QCOMPARE(t.ecran().nom_au_trait.texte, std::string());
        QCOMPARE(t.ecran().image_signe.image, image_mur(0));
    }

    // Knight moves on 3 x 3: a start square drawn in the centre has no move, so the game is
    // decided before anyone plays. The question comes at once, over no board and no wall
    // count.
    void a_game_decided_by_its_start_squares_asks_at_once() {
        PartieTest t;
        t.plateforme.tirages_imposes = DEPART_NORMAL;
        t.lance(3, 3, true);
        for (Case c : {Case{3, 3}, {5, 3}}) {
            t.clic(c.x, c.y);
        }
        t.murs({{4, 5}, {3, 4}});
        std::vector<int> murs;
        t.plateforme.avant_question = [&] { murs.push_back(t.jeu.jeu().nb_murs()); };
        t.plateforme.reponses = {true};
        t.plateforme.tirages_imposes = DEPART_AU_CENTRE;
        t.clic(5, 4);
        t.clic(4, 3); // player 2's knight on (5, 3) is left without a move
        QCOMPARE(murs, (std::vector<int>{3, 0}));
        QVERIFY(t.partie().finie());
        QCOMPARE(t.partie().joueur(0).position, (Case{4, 4}));
        QVERIFY(t.ecran().options.visible);
        QVERIFY(!t.ecran().panneau_jeu.visible);
        QVERIFY(!t.ecran().lignes_verticales[0].visible);
    }

    // A press just before the click that ends the game waits while the replay question is open;
    // after No it finds the options screen and only lets go of its button.
    void a_press_before_the_last_click_waits_for_the_answer_then_only_lets_go() {
        for (const bool aide : {true, false}) {
            PartieTest t;
            t.plateforme.tirages_imposes = DEPART_NORMAL;
            t.lance(3, 3, true);
            aide ? t.jeu.presse_aide() : t.jeu.presse_abandon();
            bool attend = false;
            t.plateforme.avant_question = [&] { attend = !t.jeu.relache_bouton(); };
            t.clic(4, 4); // the knight's dead centre: player 1 loses at once
            QVERIFY(attend);
            QCOMPARE(t.ecran().nom_au_trait.texte, std::string("Joueur 2"));
            QVERIFY(t.jeu.relache_bouton());
            QCOMPARE(t.plateforme.questions, std::vector<std::string>{"Voulez-vous rejouer?"});
            QVERIFY(!t.ecran().panneau_aide.visible && !t.ecran().panneau_jeu.visible);
            QCOMPARE(t.ecran().bouton_aide.image, Image::bouton_aide);
            QCOMPARE(t.ecran().bouton_abandon.image, Image::bouton_quitter);
        }
    }

    // Hints shown when a game is abandoned go with it; the switches as they stood pass to the
    // next game's second player, kept for it while player 1 opens the game. Without a game a
    // switch goes off but never on.
    void switches_left_on_pass_to_the_next_games_second_player() {
        PartieTest t;
        t.lance(6, 6, false);
        t.clic(4, 4);
        t.clic(7, 7);
        t.jeu.bascule_aide(Aide::deplacements);
        t.jeu.bascule_aide(Aide::conseil);
        const auto aucune_aide = [&t] {
            const Ecran& f = t.ecran();
            return !f.case_conseillee.visible &&
                   std::none_of(f.cases_accessibles.begin(), f.cases_accessibles.end(),
                                [](const Element& c) { return c.visible; });
        };
        QVERIFY(!aucune_aide());
        t.plateforme.reponses = {true};
        t.jeu.presse_abandon();
        t.jeu.relache_bouton();
        QVERIFY(aucune_aide());
        t.jeu.jouer();
        for (Case c : {Case{4, 4}, {7, 7}, {5, 5}}) {
            t.clic(c.x, c.y);
            QVERIFY(aucune_aide());
        }
        t.clic(3, 3); // player 2 on turn, both switches on
        QVERIFY(t.ecran().case_conseillee.visible && t.ecran().cases_accessibles[0].visible);
        // Back on the options screen a switch still goes off, but not on again: no game to help.
        t.plateforme.reponses = {true};
        t.jeu.presse_abandon();
        t.jeu.relache_bouton();
        t.jeu.bascule_aide(Aide::deplacements);
        t.jeu.bascule_aide(Aide::deplacements);
        QVERIFY(!t.jeu.aide_active(Aide::deplacements) && t.jeu.aide_active(Aide::conseil));
    }
};

QTEST_APPLESS_MAIN(TestTour)
#include "test_tour.moc"
