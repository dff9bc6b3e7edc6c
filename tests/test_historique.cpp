// A game's history and its record: random games between every pairing of levels (level 0 a
// human clicking random legal squares), taken back to every point and put back, written as
// records, in JSON too, and rebuilt; records that no game holds are refused.
#include "ai/joueur_ordinateur.h"
#include "plateforme_test.h"
#include "ui/enregistrement_json.h"

#include <QtTest>

#include <random>

using namespace tessor;

namespace {
// Everything the game shows at one point.
struct Etat {
    Tableau tableau;
    Case pions[2];
    int16 au_trait, gagnant;
    Phase phase;
    bool finie;
    friend bool operator==(const Etat& a, const Etat& b) {
        return a.tableau == b.tableau && a.pions[0] == b.pions[0] && a.pions[1] == b.pions[1] &&
               a.au_trait == b.au_trait && a.gagnant == b.gagnant && a.phase == b.phase &&
               a.finie == b.finie;
    }
};

Etat etat(const Partie& p) {
    return {p.tableau(),        {p.joueur(0).position, p.joueur(1).position},
            p.joueur_courant(), p.gagnant(),
            p.phase(),          p.finie()};
}

bool memes(const Evenements& a, const Evenements& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](Evenement x, Evenement y) {
        return x.genre == y.genre && x.joueur == y.joueur && x.lieu == y.lieu;
    });
}

// The squares the game accepts from the player on turn, column by column.
std::vector<Case> acceptees(const Partie& p) {
    std::vector<Case> cases;
    for (int16 x = 0; x < TAILLE_TABLEAU; ++x) {
        for (int16 y = 0; y < TAILLE_TABLEAU; ++y) {
            if (p.accepte({x, y})) {
                cases.push_back({x, y});
            }
        }
    }
    return cases;
}

// A game played to its end: the state at each point, from the start, and each action's events.
struct Deroulement {
    std::vector<Etat> etats;
    std::vector<Evenements> evenements;
};

Deroulement joue(Partie& partie, Plateforme& plateforme, std::mt19937& hasard) {
    partie.commence();
    partie.applique_niveaux();
    std::unique_ptr<Participant> ordinateurs[2];
    for (int k = 0; k < 2; ++k) {
        if (partie.joueur(k).niveau > 0) {
            ordinateurs[k] = ordinateur_du_niveau(partie.joueur(k).niveau);
        }
    }
    Deroulement d{{etat(partie)}, {}};
    while (!partie.finie()) {
        const auto& ordinateur = ordinateurs[partie.joueur_courant()];
        const std::vector<Case> cases = acceptees(partie);
        const Case c =
            ordinateur ? *ordinateur->action(partie, plateforme) : cases[hasard() % cases.size()];
        d.evenements.push_back(partie.joue(c));
        d.etats.push_back(etat(partie));
    }
    return d;
}

// Events, states and actions alike after taking back to any point and putting back to the end;
// each action recorded as its first event, with its player's level and depth.
void verifie_retours(Partie& partie, const Deroulement& d) {
    const std::vector<Action> actions = partie.actions();
    const std::size_t n = actions.size();
    QCOMPARE(n, d.evenements.size());
    for (std::size_t k = 0; k <= n; ++k) {
        partie.reprend(n - k);
        QVERIFY(etat(partie) == d.etats[k]);
        QCOMPARE(partie.nb_a_remettre(), n - k);
        Evenements attendus;
        for (std::size_t i = k; i < n; ++i) {
            attendus.insert(attendus.end(), d.evenements[i].begin(), d.evenements[i].end());
            const Action& a = actions[i];
            const Joueur& j = partie.joueur(a.joueur);
            QVERIFY(memes({{a.genre, a.joueur, a.lieu}}, {d.evenements[i].front()}));
            QVERIFY(a.niveau == j.niveau && a.profondeur == j.profondeur);
        }
        QVERIFY(memes(partie.remet(n), attendus));
        QVERIFY(etat(partie) == d.etats[n] && partie.actions() == actions);
    }
}

// Another action at point k drops those that could be put back.
void verifie_autre_action(Partie& partie, std::size_t k) {
    const Action suivante = partie.actions()[k];
    partie.reprend(partie.actions().size() - k);
    for (Case c : acceptees(partie)) {
        if (c != suivante.lieu) {
            QVERIFY(!partie.joue(c).empty());
            QCOMPARE(partie.nb_a_remettre(), std::size_t(0));
            QCOMPARE(partie.actions().size(), k + 1);
            QVERIFY(partie.remet(1).empty());
            return;
        }
    }
}

// The game rebuilt from its record, and from the record read back from JSON.
void verifie_enregistrement(const Partie& partie, Plateforme& plateforme) {
    QString erreur;
    const std::optional<Enregistrement> lu =
        lit_enregistrement(json_enregistrement(partie.enregistrement()), erreur);
    QVERIFY2(lu, qPrintable(erreur));
    for (const Enregistrement& e : {partie.enregistrement(), *lu}) {
        Partie copie(plateforme);
        QCOMPARE(copie.reconstruit(e), std::string());
        QVERIFY(etat(copie) == etat(partie) && copie.actions() == partie.actions());
        QCOMPARE(json_enregistrement(copie.enregistrement()),
                 json_enregistrement(partie.enregistrement()));
    }
}
// A game on 4 x 4 with kings, its human player 0 against level 3, to its wall of turn 1.
const QString ENREGISTREMENT = QStringLiteral(
    R"({"cavalier":false,"coups":[["P",0,3,3,0,0],["P",1,6,6,3,8],["D",0,4,4,0,0],)"
    R"(["M",0,3,3,0,0],["D",1,5,5,3,8]],"departs":[[4,4],[5,5]],"hauteur":4,"largeur":4,)"
    R"("niveaux":[0,3],"profondeurs":[0,8]})");

// The record's text read and replayed: the error of the first that refuses it, or nothing.
QString relit(const QString& texte, Partie& partie) {
    QString erreur;
    const auto e = lit_enregistrement(QJsonDocument::fromJson(texte.toUtf8()).object(), erreur);
    return e ? QString::fromStdString(partie.reconstruit(*e)) : erreur;
}
} // namespace

class TestHistorique : public QObject {
    Q_OBJECT

  private slots:
    // Every ordered pairing of levels 0 .. 5, on boards and movements taken in turn. The history
    // draws nothing: the draws are those of the games alone.
    void random_games_go_back_and_forth_and_rebuild_from_their_record() {
        std::mt19937 hasard(2026);
        const int cotes[][2] = {{3, 3}, {4, 5}, {6, 4}, {5, 5}, {8, 3}, {7, 6}};
        for (int paire = 0; paire < 36; ++paire) {
            PlateformeTest plateforme(static_cast<std::uint32_t>(paire));
            Partie partie(plateforme);
            partie.regle({static_cast<int16>(cotes[paire % 6][0]),
                          static_cast<int16>(cotes[paire % 6][1]), paire % 4 >= 2});
            partie.change_niveau(0, static_cast<int16>(paire / 6));
            partie.change_niveau(1, static_cast<int16>(paire % 6));
            const Deroulement d = joue(partie, plateforme, hasard);
            const int tirages = plateforme.tirages;
            verifie_retours(partie, d);
            verifie_enregistrement(partie, plateforme);
            verifie_autre_action(partie, d.evenements.size() / 2);
            QCOMPARE(plateforme.tirages, tirages);
        }
    }

    // A faulty record, in JSON or in the game's limits, is refused with its first fault, and the
    // game, a record taken back by two actions, stays as it was.
    void faulty_records_are_refused_and_leave_the_game_alone() {
        PlateformeTest plateforme;
        Partie partie(plateforme);
        QCOMPARE(relit(ENREGISTREMENT, partie), QString());
        partie.reprend(2);
        const Etat avant = etat(partie);
        const auto refuse = [&](const QString& erreur, const QString& texte) {
            QCOMPARE(relit(texte, partie), erreur);
            QVERIFY(etat(partie) == avant && partie.nb_a_remettre() == 2);
        };
        const auto remplace = [](QString a, QString b) {
            return QString(ENREGISTREMENT).replace(a.replace('\'', '"'), b.replace('\'', '"'));
        };
        refuse("action 3 refusée : déplacement du joueur 0 vers [5, 3]",
               remplace("'D',0,4,4", "'D',0,5,3"));
        refuse("action 4 refusée : mur du joueur 0 sur [6, 6]", remplace("'M',0,3,3", "'M',0,6,6"));
        refuse("action 2 refusée : placement du joueur 1 sur [3, 3]",
               remplace("'P',1,6,6", "'P',1,3,3"));
        refuse("action 5 refusée : déplacement du joueur 0 vers [5, 5]",
               remplace("'D',1,5,5", "'D',0,5,5"));
        refuse("action 3 refusée : mur du joueur 0 sur [4, 4]", remplace("'D',0,4,4", "'M',0,4,4"));
        refuse("« coups » : action 1 : case hors du plateau (x de 3 à 6, y de 3 à 6)",
               remplace("'P',0,3,3", "'P',0,3,7"));
        refuse("« coups » : action 2 : action « P », « D » ou « M » attendue",
               remplace("'P',1", "'T',1"));
        refuse("« coups » : action 3 : entier attendu", remplace("'D',0,4,4", "'D',0.5,4,4"));
        refuse("« coups » : action 5 : valeur hors limites (0 à 24)", remplace("3,8]]", "3,25]]"));
        refuse("« coups » : action 4 : [action, joueur, x, y, niveau, profondeur] attendu",
               remplace("'M',0,3,3,0,0]", "'M',0,3,3,0]"));
        refuse("« niveaux » : valeur hors limites (0 à 5)", remplace("[0,3]", "[0,6]"));
        refuse("« departs » : deux cases [x, y] attendues", remplace("[[4,4],", "["));
        refuse("« cavalier » : booléen attendu", remplace("false", "0"));
        refuse("champ manquant : « hauteur »", remplace("'hauteur':4,", ""));
        refuse("champ inconnu : « graine »", remplace("{", "{'graine':1,"));
        Enregistrement e = partie.enregistrement();
        e.regles.largeur = 13;
        QCOMPARE(partie.reconstruit(e), "plateau de 13 x 4 hors limites (côtés de 3 à 12)");
        e = partie.enregistrement();
        e.profondeurs[1] = -1;
        QCOMPARE(partie.reconstruit(e),
                 "joueur 1 : niveau 3 et profondeur -1 hors limites (0 à 5, 0 à 24)");
        e = partie.enregistrement();
        e.departs[1] = {7, 3};
        QCOMPARE(partie.reconstruit(e), "joueur 1 : case de départ [7, 3] hors du plateau");
        QVERIFY(etat(partie) == avant && partie.nb_a_remettre() == 2);
    }
};

QTEST_GUILESS_MAIN(TestHistorique)
#include "test_historique.moc"
