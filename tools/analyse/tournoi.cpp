// The "tournoi" request: seeded games between computers for every ordered pairing of the
// requested levels (1 to 4 when none are named) on every requested board and movement, with each
// pairing's results and the first player's, scored with the 95 % Wilson interval.
#include "alea_analyse.h"
#include "parallele.h"
#include "partie.h"
#include "reponse.h"
#include "requetes.h"

#include <cstdint>
#include <vector>

namespace tessor::analyse {

namespace {
// Bounds on one request: at most 5,000 x 25 x 4 x 2 = 1,000,000 games. Levels 1 to 4 play a
// 12 x 12 game in about 0.3 ms; level 5 thinks up to about 0.1 s a turn.
constexpr int PARTIES_MAX = 5000;
constexpr int PLATEAUX_MAX = 4;

// The results of player 0, who places and moves first.
struct Bilan {
    int victoires = 0;
    int defaites = 0;
    int nuls = 0;

    void ajoute(int gagnant) { ++(gagnant == 0 ? victoires : gagnant == 1 ? defaites : nuls); }
    void ajoute(const Bilan& b) {
        victoires += b.victoires;
        defaites += b.defaites;
        nuls += b.nuls;
    }
};

// The score s = (victoires + nuls / 2) / n with its 95 % Wilson interval over the n games. A draw
// weighs half a win, so the interval errs on the wide side.
QJsonObject json_bilan(const Bilan& b) {
    const double n = b.victoires + b.defaites + b.nuls;
    const double s = (b.victoires + b.nuls / 2.0) / n;
    return {{QStringLiteral("victoires"), b.victoires},
            {QStringLiteral("defaites"), b.defaites},
            {QStringLiteral("nuls"), b.nuls},
            {QStringLiteral("score"), s},
            {QStringLiteral("intervalle"), intervalle_wilson(s, n)}};
}

// One board [largeur, hauteur] with one movement, checked as the other requests check them.
Regles regles_de(const QJsonValue& plateau, const QJsonValue& cavalier) {
    const QString nom = QStringLiteral("plateaux");
    const QJsonArray lh = plateau.toArray();
    if (!plateau.isArray() || lh.size() != 2) {
        throw erreur_champ(nom, QStringLiteral("[largeur, hauteur] attendu"));
    }
    if (!cavalier.isBool()) {
        throw erreur_champ(QStringLiteral("cavalier"),
                           QStringLiteral("liste de booléens attendue"));
    }
    Lecteur lecteur(QJsonObject{{QStringLiteral("largeur"), lh[0]},
                                {QStringLiteral("hauteur"), lh[1]},
                                {QStringLiteral("cavalier"), cavalier}});
    try {
        return lecteur.regles();
    } catch (const RequeteInvalide& e) {
        throw erreur_champ(nom, e.message);
    }
}

// Every requested board with every requested movement, boards first.
std::vector<Regles> configurations(Lecteur& lecteur) {
    const QJsonArray plateaux = lecteur.liste(QStringLiteral("plateaux"), 1, PLATEAUX_MAX);
    const QJsonArray cavaliers = lecteur.liste(QStringLiteral("cavalier"), 1, 2);
    std::vector<Regles> liste;
    for (const QJsonValue& plateau : plateaux) {
        for (const QJsonValue& cavalier : cavaliers) {
            liste.push_back(regles_de(plateau, cavalier));
        }
    }
    return liste;
}

// Each game starts from the options screen, as a first game does: a replay would keep a level-4
// computer at level 1, the level the game gives it once it has set its depth.
// The games of one pairing share its random stream, one after the other: a pairing is the work
// a thread takes, and its results are the same on any number of threads.
Bilan rencontre(const Regles& regles, const std::array<int, 2>& niveaux, int parties,
                std::uint32_t graine, Progres& progres) {
    AleaAnalyse alea(graine);
    Bilan bilan;
    for (int k = 0; k < parties; ++k) {
        Partie partie = nouvelle_partie(alea, regles, niveaux);
        joue_partie(partie, alea, [](const Evenement&) {});
        bilan.ajoute(partie.gagnant());
        progres.avance();
    }
    return bilan;
}
} // namespace

// Pairing number k of the request plays its games on the seed graine + k x 0x9E3779B9 (modulo
// 2^32, k from 1), so no two pairings share a seed.
QJsonObject requete_tournoi(Lecteur& lecteur) {
    const int parties = lecteur.entier(QStringLiteral("parties"), 1, PARTIES_MAX);
    const std::vector<Regles> liste = configurations(lecteur);
    const std::vector<int> niveaux =
        lecteur.niveaux_ou(QStringLiteral("niveaux"), 1, NIVEAU_MAX, {1, 2, 3, 4});
    const int fils = fils_demandes(lecteur);
    const std::uint32_t graine = lecteur.graine();
    lecteur.termine();

    const int n = static_cast<int>(niveaux.size());
    const int paires = n * n;
    std::vector<Bilan> bilans(liste.size() * static_cast<std::size_t>(paires));
    Progres progres("tournoi", static_cast<long long>(bilans.size()) * parties);
    en_parallele(static_cast<int>(bilans.size()), fils, [&](int i) {
        const std::array<int, 2> paire{niveaux[static_cast<std::size_t>(i % paires / n)],
                                       niveaux[static_cast<std::size_t>(i % n)]};
        bilans[static_cast<std::size_t>(i)] =
            rencontre(liste[static_cast<std::size_t>(i / paires)], paire, parties,
                      graine_du_travail(graine, i), progres);
    });

    std::size_t k = 0;
    QJsonArray reponses;
    for (const Regles& regles : liste) {
        QJsonArray rencontres;
        Bilan premier;
        for (const int a : niveaux) {
            for (const int b : niveaux) {
                const Bilan& bilan = bilans[k++];
                QJsonObject r = json_bilan(bilan);
                r.insert(QStringLiteral("niveaux"), QJsonArray{a, b});
                rencontres.append(r);
                premier.ajoute(bilan);
            }
        }
        reponses.append(QJsonObject{{QStringLiteral("largeur"), regles.largeur},
                                    {QStringLiteral("hauteur"), regles.hauteur},
                                    {QStringLiteral("cavalier"), regles.cavalier},
                                    {QStringLiteral("rencontres"), rencontres},
                                    {QStringLiteral("premier_joueur"), json_bilan(premier)}});
    }
    return {{QStringLiteral("configurations"), reponses}};
}

} // namespace tessor::analyse
