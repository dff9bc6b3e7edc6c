// The "match" request: Ordi 5 against a sparring partner, in pairs of games. Each pair draws
// both start squares from its seed and plays them twice, Ordi 5 first and then second, so that
// the seat and the squares weigh alike on both sides.
#include "ai/joueur_ordinateur.h"
#include "ai/recherche/recherche.h"
#include "alea_analyse.h"
#include "game/tirage.h"
#include "parallele.h"
#include "partenaire.h"
#include "reponse.h"
#include "requetes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace tessor::analyse {

namespace {
constexpr int PAIRES_MAX = 1000;
// The partners' budgets: Monte Carlo playouts, by default about the time Ordi 5 takes for a
// decision on 12 x 12 (bench_partenaire), and alpha-beta positions, by default twice Ordi 5's.
constexpr int PARCOURS_DEFAUT = 15000;
constexpr int PARCOURS_MAX = 1000000;
constexpr int NOEUDS_DEFAUT = 2 * static_cast<int>(BUDGET_DEFAUT);
constexpr int NOEUDS_MAX = 20000000;

struct Adversaire {
    bool uct;
    int budget;

    std::unique_ptr<Participant> participant(std::uint32_t graine) const {
        return uct ? partenaire_uct(budget, graine)
                   : partenaire_alphabeta(static_cast<std::uint64_t>(budget));
    }
};

Adversaire adversaire(Lecteur& lecteur) {
    const QString nom = QStringLiteral("adversaire");
    const QString genre = lecteur.chaine(nom);
    if (genre != QLatin1String("uct") && genre != QLatin1String("alphabeta")) {
        throw erreur_champ(
            nom, QStringLiteral("« uct » ou « alphabeta » attendu, pas « %1 »").arg(genre));
    }
    const bool uct = genre == QLatin1String("uct");
    return {uct, lecteur.entier_ou(QStringLiteral("budget"), 1, uct ? PARCOURS_MAX : NOEUDS_MAX,
                                   uct ? PARCOURS_DEFAUT : NOEUDS_DEFAUT)};
}

// Two different free squares drawn as the game draws a start square.
std::array<Case, 2> departs(const Regles& regles, std::uint32_t graine) {
    AleaAnalyse alea(graine);
    Tableau t;
    regles.init_tableau(t);
    std::array<Case, 2> cases{};
    for (Case& c : cases) {
        tirage_case_libre(regles, alea, c, t);
        t[c] = FAUX;
    }
    return cases;
}

// One game from the drawn squares, Ordi 5 in seat `siege` without a model of the other player
// (whose level stays 0, a human's); Ordi 5's result, 1 for a win, 0.5 for a draw, 0 for a loss.
double partie_de_match(const Regles& regles, const std::array<Case, 2>& cases, int siege,
                       const Adversaire& a, std::uint32_t graine) {
    AleaAnalyse alea(graine);
    Partie partie(alea);
    partie.regle(regles);
    partie.change_niveau(siege, NIVEAU_MAX);
    partie.commence();
    partie.applique_niveaux();
    std::array<std::unique_ptr<Participant>, 2> joueurs;
    joueurs[siege] = ordinateur_du_niveau(NIVEAU_MAX);
    joueurs[1 - siege] = a.participant(graine);
    for (const Case c : cases) {
        partie.joue(c);
    }
    while (!partie.finie()) {
        const std::optional<Case> c = joueurs[partie.joueur_courant()]->decide(partie, alea);
        if (!c || partie.joue(*c).empty()) {
            throw RequeteInvalide{QStringLiteral("action refusée par la partie")};
        }
    }
    return partie.gagnant() < 0 ? 0.5 : partie.gagnant() == siege ? 1.0 : 0.0;
}
} // namespace

// Pair number k plays on the seed graine + k x 0x9E3779B9 (modulo 2^32, k from 1). The score is
// Ordi 5's over the pairs, each pair worth the mean of its two games; its Wilson interval takes
// the pairs as the trials. The pairs are shared among the threads, each keeping its own results,
// which are added up in pair order: the answer is the same on any number of threads.
QJsonObject requete_match(Lecteur& lecteur) {
    const Regles regles = lecteur.regles();
    const Adversaire a = adversaire(lecteur);
    const int paires = lecteur.entier(QStringLiteral("paires"), 1, PAIRES_MAX);
    const int fils = fils_demandes(lecteur);
    const std::uint32_t graine = lecteur.graine();
    lecteur.termine();

    std::vector<std::array<double, 2>> resultats(static_cast<std::size_t>(paires));
    Progres progres("match", 2LL * paires);
    en_parallele(paires, fils, [&](int i) {
        const std::uint32_t g = graine_du_travail(graine, i);
        const std::array<Case, 2> cases = departs(regles, g);
        for (int siege = 0; siege < 2; ++siege) {
            resultats[static_cast<std::size_t>(i)][static_cast<std::size_t>(siege)] =
                partie_de_match(regles, cases, siege, a, g);
            progres.avance();
        }
    });
    std::array<double, 2> par_siege{};
    std::array<int, 3> issues{}; // Ordi 5's losses, draws and wins
    for (const std::array<double, 2>& paire : resultats) {
        for (int siege = 0; siege < 2; ++siege) {
            const double r = paire[static_cast<std::size_t>(siege)];
            par_siege[static_cast<std::size_t>(siege)] += r;
            ++issues[static_cast<std::size_t>(2 * r)];
        }
    }
    const double s = (par_siege[0] + par_siege[1]) / (2.0 * paires);
    return {
        {QStringLiteral("adversaire"), a.uct ? QStringLiteral("uct") : QStringLiteral("alphabeta")},
        {QStringLiteral("budget"), a.budget},
        {QStringLiteral("paires"), paires},
        {QStringLiteral("parties"), 2 * paires},
        {QStringLiteral("victoires"), issues[2]},
        {QStringLiteral("nuls"), issues[1]},
        {QStringLiteral("defaites"), issues[0]},
        {QStringLiteral("score"), s},
        {QStringLiteral("intervalle"), intervalle_wilson(s, paires)},
        {QStringLiteral("score_premier"), par_siege[0] / paires},
        {QStringLiteral("score_second"), par_siege[1] / paires}};
}

} // namespace tessor::analyse
