// The computer's turn inside a game, on a clock that the test steps: its pauses, what shows after
// each, clicks and presses that arrive meanwhile, the fifth level, a Yes to the replay question
// after a computer's winning wall. "Quitter" between two computers is in the reference record's
// last session; closing the window mid-turn, in test_fenetre and test_affichage.
#include "ai/recherche/recherche.h"
#include "partie_test.h"
#include "plateau_test.h"

#include <QtTest>

using namespace tessor;

namespace {
// Clicks every square and presses both panel buttons; true when nothing changed.
bool tout_est_ignore(PartieTest& t) {
    const Partie& p = t.partie();
    const Tableau avant = p.tableau();
    const int16 joueur = p.joueur_courant();
    for (int x = 3; x <= 7; ++x) {
        for (int y = 3; y <= 7; ++y) {
            t.clic(x, y);
        }
    }
    t.jeu.presse_aide();
    t.jeu.presse_abandon();
    const Ecran& e = t.ecran();
    return p.tableau() == avant && p.joueur_courant() == joueur && !e.bouton_aide.actif &&
           !e.bouton_abandon.actif && !e.minuterie;
}
} // namespace

class TestParties : public QObject {
    Q_OBJECT

  private slots:
    // A human's actions show at once; each computer action shows only when its pause ends:
    // 500 ms before its placement and its move, 350 ms between its move and its wall. Meanwhile
    // the board ignores clicks and both panel buttons are disabled.
    void the_computer_acts_after_its_pauses_and_ignores_clicks_meanwhile() {
        PartieTest t;
        t.plateforme.pas_a_pas = true;
        t.lance(5, 5, false, 0, 2);
        t.clic(3, 3);
        QVERIFY(t.ecran().pions[0].visible && !t.ecran().pions[1].visible);
        QVERIFY(tout_est_ignore(t));
        QCOMPARE(t.plateforme.avance(), PAUSE_ORDINATEUR_MS);
        QVERIFY(t.ecran().pions[1].visible);
        QCOMPARE(t.signe(), Image::panneau_deplacez_pion);
        QVERIFY(t.plateforme.pauses.empty());

        t.clic(4, 4);
        t.clic(7, 7);
        const Case pion = t.partie().joueur(1).position;
        QVERIFY(tout_est_ignore(t));
        QCOMPARE(t.plateforme.avance(), PAUSE_ORDINATEUR_MS);
        QVERIFY(t.partie().joueur(1).position != pion);
        QCOMPARE(t.ecran().pion_glisse, 1);
        QCOMPARE(t.signe(), Image::panneau_placez_mur);
        QCOMPARE(t.jeu.jeu().nb_murs(), int16(1));
        QVERIFY(tout_est_ignore(t));
        QCOMPARE(t.plateforme.avance(), PAUSE_MUR_MS);
        QCOMPARE(t.jeu.jeu().nb_murs(), int16(2));
        QCOMPARE(t.signe(), Image::panneau_deplacez_pion);
        QCOMPARE(t.plateforme.avance(), -1);
        QCOMPARE(t.partie().joueur_courant(), int16(0));
        QVERIFY(t.ecran().bouton_aide.actif && t.ecran().bouton_abandon.actif);
    }

    // The level button cycles "Humain", "Ordi  1" to "Ordi  5", "Humain". Level 5 plays whole
    // games behind the same turn flow and draws no random number: two of them take only the
    // start squares' four draws. Against a human it places with no model of the other player.
    void the_fifth_level_cycles_in_and_plays_without_drawing() {
        PartieTest t;
        std::vector<std::string> vus;
        for (int k = 0; k < 6; ++k) {
            t.jeu.change_niveau(0);
            vus.push_back(t.ecran().niveaux[0].texte);
        }
        QCOMPARE(vus, (std::vector<std::string>{"Ordi  1", "Ordi  2", "Ordi  3", "Ordi  4",
                                                "Ordi  5", "Humain"}));
        t.lance(4, 4, false, 5, 5);
        QCOMPARE(t.plateforme.questions.size(), std::size_t(1));
        QCOMPARE(t.plateforme.tirages, 4);
        QVERIFY(t.partie().finie());
        t.lance(6, 6, true, 5, 0);
        QCOMPARE(t.partie().joueur(0).position,
                 decide_placement(t.partie().regles(), plateau_vide(6, 6), std::nullopt).depart);
    }

    // An open question holds a computers' game and "Quitter" pressed; after No the decision taken
    // plays after a whole pause, nothing more drawn. A decision whose position is gone, or whose
    // window closes (then the answer plays nothing), is told to stop.
    void an_open_question_holds_a_game_between_computers() {
        PartieTest t;
        t.plateforme.pas_a_pas = true;
        t.plateforme.en_suspens = true;
        t.lance(6, 6, false, 1, 1);
        const auto question = [&t] {
            t.jeu.presse_abandon();
            t.jeu.relache_bouton();
            while (t.plateforme.avance() >= 0) {
            }
        };
        const auto arrete = [&t](std::size_t k) { return t.plateforme.arrets.at(k)->load(); };
        question();
        QVERIFY(!t.ecran().pions[0].visible &&
                t.ecran().bouton_abandon.image == Image::bouton_quitter_enfonce);
        const int tirages = t.plateforme.tirages;
        std::exchange(t.plateforme.reponse_en_suspens, nullptr)(false);
        QVERIFY(t.plateforme.tirages == tirages && t.plateforme.arrets.size() == 1 && !arrete(0));
        QCOMPARE(t.ecran().bouton_abandon.image, Image::bouton_quitter);
        QCOMPARE(t.plateforme.avance(), PAUSE_ORDINATEUR_MS);
        QVERIFY(t.ecran().pions[0].visible && arrete(0) && !arrete(1));
        question();
        t.jeu.arrete();
        QVERIFY(arrete(1));
        std::exchange(t.plateforme.reponse_en_suspens, nullptr)(false);
        QVERIFY(t.plateforme.avance() < 0 && !t.ecran().pions[1].visible);
    }

    // The computer's wall shuts the human in (who plays its first accepted square until then);
    // Yes starts the new game only once the computer's turn is over, so nothing of it lands there.
    void yes_after_a_computer_win_starts_the_new_game_cleanly() {
        PartieTest t;
        t.lance(6, 6, false, 0, 1);
        bool par_son_mur = false;
        t.plateforme.avant_question = [&] {
            const Action& derniere = t.partie().actions().back();
            par_son_mur = derniere.genre == Evenement::Genre::mur_pose && derniere.joueur == 1;
            t.plateforme.reponses = {true};
        };
        for (int n = 0; n < 2000 && !par_son_mur; ++n) {
            const Case c = t.case_acceptee();
            t.clic(c.x, c.y);
        }
        QVERIFY(par_son_mur);
        QVERIFY(!t.partie().finie() && t.partie().phase() == Phase::placement);
        QCOMPARE(t.partie().joueur_courant(), int16(0));
        QCOMPARE(t.jeu.jeu().nb_murs(), int16(0));
        QCOMPARE(t.signe(), Image::panneau_placez_pion);
        QCOMPARE(t.ecran().signe.top, int16(141));
        QVERIFY(!t.ecran().pions[0].visible && !t.ecran().pions[1].visible);
    }
};

QTEST_APPLESS_MAIN(TestParties)
#include "test_parties.moc"
