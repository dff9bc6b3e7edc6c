// A game's history and its record: random games between every pairing of levels (level 0 a
// human clicking random legal squares), taken back to every point and put back, written as
// records, in JSON too, and rebuilt; records that no game holds are refused.
#include "ai/joueur_ordinateur.h"
#include "plateau_test.h"
#include "plateforme_test.h"
#include "ui/enregistrement_json.h"

#include <QtTest>

#include <random>
#include <tuple>

using namespace tessor;

namespace {
// Everything the game shows at one point.
using Etat = std::tuple<Tableau, Case, Case, int16, int16, Phase, bool>;

// The board is the playing area and its margin: a game leaves the cells beyond as it found them.
Etat etat(const Partie& p) {
    Tableau aire;
    for (int x = PREMIERE_CASE - MARGE; x <= p.regles().derniere_colonne() + MARGE; ++x) {
        for (int y = PREMIERE_CASE - MARGE; y <= p.regles().derniere_ligne() + MARGE; ++y) {
            aire(x, y) = p.tableau()(x, y);
        }
    }
    return std::tuple(aire, p.joueur(0).position, p.joueur(1).position, p.joueur_courant(),
                      p.gagnant(), p.phase(), p.finie());
}

bool memes(const Evenements& a, const Evenements& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](Evenement x, Evenement y) {
        return x.genre == y.genre && x.joueur == y.joueur && x.lieu == y.lieu;
    });
}

// Plays a game to its end; the state at each point from the start, and each action's events.
std::pair<std::vector<Etat>, std::vector<Evenements>> joue(Partie& partie, Alea& alea,
                                                           std::mt19937& hasard) {
    partie.commence();
    partie.applique_niveaux();
    const auto du_niveau = [&partie](int k) {
        const int16 n = partie.joueur(k).niveau;
        return n > 0 ? ordinateur_du_niveau(n) : nullptr;
    };
    const std::unique_ptr<Participant> ordinateurs[2] = {du_niveau(0), du_niveau(1)};
    std::pair<std::vector<Etat>, std::vector<Evenements>> d{{etat(partie)}, {}};
    while (!partie.finie()) {
        const std::vector<Case> cases = acceptees(partie);
        const auto& ordinateur = ordinateurs[partie.joueur_courant()];
        d.second.push_back(partie.joue(ordinateur ? *ordinateur->decide(partie, alea)
                                                  : cases[hasard() % cases.size()]));
        d.first.push_back(etat(partie));
    }
    return d;
}

// Records changed from the game's own at its action `i`: its player, its square off the board, its
// kind. Each is refused at that action, and the game stays as it was (docs/analyse.md shows the
// faults of records through the analysis tool).
void verifie_refus(Partie& partie, std::size_t i) {
    const Etat avant = etat(partie);
    const Enregistrement bon = partie.enregistrement();
    std::vector<Enregistrement> mauvais(3, bon);
    mauvais[0].actions[i].joueur ^= 1;
    mauvais[1].actions[i].lieu = {2, 3};
    Evenement::Genre& genre = mauvais[2].actions[i].genre;
    genre = genre == Evenement::Genre::mur_pose ? Evenement::Genre::pion_place
                                                : Evenement::Genre::mur_pose;
    const std::string erreur = "action " + std::to_string(i + 1) + " refusée : ";
    for (const Enregistrement& e : mauvais) {
        QCOMPARE(partie.reconstruit(e).substr(0, erreur.size()), erreur);
        QVERIFY(etat(partie) == avant && partie.actions() == bon.actions);
    }
}
} // namespace

class TestHistorique : public QObject {
    Q_OBJECT

  private slots:
    // Every ordered pairing of levels 0 .. 5 on boards and movements taken in turn. Taken back to
    // any point and put back, the game has the states and events of its first play. Another
    // action after a take-back drops what could be put back. Rebuilt from its record through
    // JSON, the game is the one played, and each action is its first event with the level and
    // depth of its player; a record changed at one point is refused. Nothing draws.
    void random_games_go_back_and_forth_and_rebuild_from_their_record() {
        std::mt19937 hasard(2026);
        PlateformeTest plateforme(2026), hote;
        // The games follow one another on `partie`; `rebatie` rebuilds each over the one before.
        Partie partie(plateforme), rebatie(hote);
        const int16 cotes[][2] = {{3, 3}, {4, 5}, {6, 4}, {5, 5}, {8, 3}, {7, 6}};
        for (int paire = 0; paire < 36; ++paire) {
            partie.regle({cotes[paire % 6][0], cotes[paire % 6][1], paire % 4 >= 2});
            partie.change_niveau(0, static_cast<int16>(paire / 6));
            partie.change_niveau(1, static_cast<int16>(paire % 6));
            const auto [etats, evenements] = joue(partie, plateforme, hasard);
            const int tirages = plateforme.tirages;
            const std::vector<Action> actions = partie.actions();
            const std::size_t n = actions.size();
            QCOMPARE(n, evenements.size());
            for (std::size_t k = 0; k <= n; ++k) {
                partie.reprend(n - k);
                QVERIFY(etat(partie) == etats[k] && partie.nb_a_remettre() == n - k);
                Evenements attendus;
                for (std::size_t i = k; i < n; ++i) {
                    attendus.insert(attendus.end(), evenements[i].begin(), evenements[i].end());
                }
                QVERIFY(memes(partie.remet(n), attendus));
                QVERIFY(etat(partie) == etats[n] && partie.actions() == actions);
            }
            QString erreur;
            const std::optional<Enregistrement> lu =
                lit_enregistrement(json_enregistrement(partie.enregistrement()), erreur);
            partie.reprend(n - n / 2);
            for (Case c : acceptees(partie)) {
                if (c != actions[n / 2].lieu) {
                    QVERIFY(!partie.joue(c).empty() && partie.remet(1).empty());
                    QVERIFY(partie.nb_a_remettre() == 0 && partie.actions().size() == n / 2 + 1);
                    break;
                }
            }
            QVERIFY2(lu && rebatie.reconstruit(*lu).empty(), qPrintable(erreur));
            QVERIFY(etat(rebatie) == etats[n] && rebatie.actions() == actions &&
                    rebatie.nb_a_remettre() == 0);
            for (std::size_t i = 0; i < n; ++i) {
                const Action& a = actions[i];
                const Joueur& j = rebatie.joueur(a.joueur);
                QVERIFY(memes({{a.genre, a.joueur, a.lieu}}, {evenements[i].front()}));
                QVERIFY(a.niveau == j.niveau && a.profondeur == j.profondeur);
            }
            if (n > 0) {
                verifie_refus(rebatie, n / 2);
            }
            rebatie.reprend(n);
            QVERIFY(etat(rebatie) == etats[0]);
            QVERIFY(plateforme.tirages == tirages && hote.tirages == 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestHistorique)
#include "test_historique.moc"
