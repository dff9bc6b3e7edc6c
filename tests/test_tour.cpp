// The turn flow on the screen model between two humans: the keyboard's cursor and Enter, and a
// press that waits for the replay question. The rules of a turn are in test_partie.
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

// Enter on square c, the cursor brought there with the arrows.
void entree_sur(Controleur& j, Case c) {
    j.fleche(0, 0);
    for (int n = 0; n < 12 && j.curseur().position() != c; ++n) {
        const Case p = j.curseur().position();
        j.fleche((c.x > p.x) - (c.x < p.x), (c.y > p.y) - (c.y < p.y));
    }
    j.clic_curseur();
}

// 3 x 3 knight board whose start squares are (3, 3) and (5, 3).
const std::deque<float> DEPART_NORMAL{0.0f, 0.0f, 0.6f, 0.0f};
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

    // A press just before the click that ends the game waits while the replay question is open;
    // after No it finds the options screen and only lets go of its button.
    void a_press_before_the_last_click_waits_for_the_answer_then_only_lets_go() {
        for (const bool aide : {true, false}) {
            PartieTest t;
            t.plateforme.tirages_imposes = DEPART_NORMAL;
            t.lance(3, 3, true);
            aide ? t.jeu.presse_aide() : t.jeu.presse_abandon();
            bool attend = false;
            t.plateforme.avant_question = [&] {
                t.jeu.relache_bouton();
                attend = t.ecran().minuterie;
            };
            t.clic(4, 4); // the knight's dead centre: player 1 loses at once
            QVERIFY(attend);
            QCOMPARE(t.ecran().nom_au_trait.texte, std::string("Joueur 2"));
            t.jeu.relache_bouton();
            QVERIFY(!t.ecran().minuterie);
            QCOMPARE(t.plateforme.questions, std::vector<std::string>{"Voulez-vous rejouer?"});
            QVERIFY(!t.ecran().panneau_aide.visible && !t.ecran().panneau_jeu.visible);
            QCOMPARE(t.ecran().bouton_aide.image, Image::bouton_aide);
            QCOMPARE(t.ecran().bouton_abandon.image, Image::bouton_quitter);
        }
    }

    // With both players' move hint on, a won game shows no hint square at its end, nor the next
    // game at its start after a Yes; once the window is closing, the last action asks nothing
    // and starts no game.
    void the_end_of_a_game_with_hints_on_and_while_closing() {
        for (const bool fermeture : {false, true}) {
            PartieTest t;
            t.lance(4, 4, false);
            t.clic(3, 3);
            t.clic(6, 6);
            bool aides_vues = false;
            t.plateforme.avant_question = [&] {
                aides_vues = t.ecran().cases_accessibles[0].visible;
            };
            t.plateforme.reponses = {true};
            for (int k = 0; !t.partie().finie() && t.plateforme.questions.empty(); ++k) {
                if (k < 4 && t.partie().phase() == Phase::deplacement) {
                    t.jeu.bascule_aide(Aide::deplacements);
                }
                const Case c = acceptees(t.partie()).back();
                Partie essai = t.partie();
                essai.joue(c);
                if (fermeture && essai.finie()) {
                    t.jeu.arrete();
                }
                t.clic(c.x, c.y);
            }
            QCOMPARE(t.plateforme.questions.size(), fermeture ? 0U : 1U);
            QVERIFY(!aides_vues && !t.ecran().cases_accessibles[0].visible);
            QCOMPARE(t.partie().actions().empty(), !fermeture);
            QVERIFY(!fermeture || t.partie().gagnant() == 1); // won: the winner's hints could show
        }
    }
};

QTEST_APPLESS_MAIN(TestTour)
#include "test_tour.moc"
