// A game's turns on the game alone: what it accepts and refuses in each phase, the events it
// reports in their order, the end test after placements and walls, and the result.
#include "game/partie.h"
#include "plateau_test.h"
#include "plateforme_test.h"

#include <QtTest>

#include <string>

using namespace tessor;

namespace {
// Events written short: "P0 3,3" a placement by player 0, "D" a move, "M" a wall, "T1" the turn
// passed to player 1, "F0" the game won by player 0, "F-1" a draw.
std::string ecrit(const Evenements& evenements) {
    std::string s;
    for (const Evenement& e : evenements) {
        s += (s.empty() ? "" : " ") + std::string(1, static_cast<char>(e.genre)) +
             std::to_string(e.joueur);
        if (e.genre != Evenement::Genre::tour_passe && e.genre != Evenement::Genre::partie_finie) {
            s += " " + std::to_string(e.lieu.x) + "," + std::to_string(e.lieu.y);
        }
    }
    return s;
}

struct Jeu {
    PlateformeTest plateforme;
    Partie partie{plateforme};

    explicit Jeu(int cote, bool cavalier = false) { partie.regle(regles(cote, cote, cavalier)); }
    // The events of each action in turn, a "|" between two actions.
    std::string joue(std::initializer_list<Case> cases) {
        std::string s;
        for (const Case& c : cases) {
            s += (&c == cases.begin() ? "" : "|") + ecrit(partie.joue(c));
        }
        return s;
    }
};
} // namespace

class TestPartie : public QObject {
    Q_OBJECT

  private slots:
    // Placements on free squares only, player 0 first; then moves within one step onto a free
    // square, each followed by a wall on any free square (the square just left included). A
    // refused action changes nothing and reports nothing.
    void each_phase_takes_what_the_rules_accept() {
        Jeu j(6);
        QCOMPARE(ecrit(j.partie.commence()), std::string("T0"));
        QCOMPARE(j.joue({{3, 3}, {3, 3}, {2, 3}, {9, 8}, {8, 8}}), "P0 3,3 T1||||P1 8,8 T0");
        QVERIFY(j.partie.phase() == Phase::deplacement);
        QCOMPARE(j.joue({{5, 5}, {3, 3}, {4, 4}}), "||D0 4,4");
        QVERIFY(j.partie.phase() == Phase::mur);
        QCOMPARE(j.joue({{8, 8}, {3, 3}, {7, 8}, {8, 8}}), "|M0 3,3 T1|D1 7,8|M1 8,8 T0");
        QVERIFY(j.partie.tableau().libre(5, 5) && !j.partie.tableau().libre(7, 8));
    }

    // After a wall both pawns are tested, whoever has just played: the blocked pawn loses, the
    // winner stays on turn, both blocked is a draw; a finished game refuses every action.
    void a_wall_ends_the_game_by_the_pawns_it_leaves_without_a_move() {
        const std::vector<Case> coin{{3, 4}, {4, 4}, {6, 3}, {5, 4}, {6, 4}}; // both left (4, 3)
        const struct {
            Case depart1; // player 0 starts on (4, 3) and moves to (3, 3)
            std::vector<Case> murs;
            Case mur;
            std::string attendu;
        } cas[] = {{{5, 3}, coin, {8, 8}, "M0 8,8 T1"},
                   {{5, 3}, coin, {4, 3}, "M0 4,3 F-1"},
                   {{8, 8}, {{3, 4}, {4, 4}}, {4, 3}, "M0 4,3 F1"},
                   {{8, 8}, {{7, 7}, {8, 7}}, {7, 8}, "M0 7,8 F0"}};
        for (const auto& [depart1, murs, mur, attendu] : cas) {
            Jeu j(6);
            j.partie.commence();
            j.joue({{4, 3}, depart1});
            for (Case c : murs) {
                j.partie.ajoute_mur(c);
            }
            j.partie.reprend(0); // taking nothing back keeps a position set up
            QCOMPARE(j.joue({{3, 3}, mur}), "D0 3,3|" + attendu);
            const std::size_t f = attendu.find('F');
            QCOMPARE(j.partie.finie(), f != std::string::npos);
            if (f != std::string::npos) {
                QCOMPARE(int(j.partie.gagnant()), std::stoi(attendu.substr(f + 1)));
                QCOMPARE(j.partie.joueur_courant(), int16(attendu.substr(f) == "F1"));
                QCOMPARE(j.joue({{9, 9}}), std::string());
            }
        }
    }

    // Knight moves on 3 x 3: the centre has no move. A start square drawn there ends the game
    // before anyone has played; a pawn placed there loses at once.
    void the_knight_dead_centre_ends_a_game_at_its_start_or_its_placement() {
        constexpr float TIERS = 1.0f / 3.0f;
        Jeu depart(3, true);
        depart.plateforme.tirages_imposes = {TIERS, TIERS, 0.0f, 0.0f};
        QCOMPARE(ecrit(depart.partie.commence()), std::string("F1"));
        QCOMPARE(depart.joue({{3, 3}}), std::string());
        depart.plateforme.tirages_imposes = {0.0f, 0.0f, TIERS, TIERS}; // the winner goes on turn
        QCOMPARE(ecrit(depart.partie.commence()), std::string("F0"));
        QCOMPARE(depart.partie.joueur_courant(), int16(0));

        Jeu place(3, true);
        place.plateforme.tirages_imposes = {0.0f, 0.0f, 0.6f, 0.0f};
        QCOMPARE(ecrit(place.partie.commence()), std::string("T0"));
        QCOMPARE(place.joue({{4, 4}}), std::string("P0 4,4 F1"));
    }
};

QTEST_APPLESS_MAIN(TestPartie)
#include "test_partie.moc"
