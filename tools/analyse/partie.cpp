#include "partie.h"
#include "parallele.h"
#include "reponse.h"
#include "requetes.h"
#include "ui/enregistrement_json.h"

#include <vector>

namespace tessor::analyse {

namespace {
// The most games one request may ask for.
constexpr int PARTIES_MAX = 1000;

QJsonObject fin_de_partie(const Partie& partie, const QJsonArray& coups) {
    const int g = partie.gagnant();
    return {{QStringLiteral("coups"), coups},
            {QStringLiteral("resultat"), g < 0 ? QStringLiteral("nul") : QStringLiteral("gagne")},
            {QStringLiteral("gagnant"), g < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(g)}};
}

// Plays the next game of `partie` and lists its actions, with its record when asked.
QJsonObject joue_et_note(Partie& partie, AleaAnalyse& alea, bool enregistrement) {
    QJsonArray coups;
    joue_partie(partie, alea, [&coups](const Evenement& e) {
        if (e.genre != Evenement::Genre::tour_passe && e.genre != Evenement::Genre::partie_finie) {
            coups.append(QJsonArray{QString(QLatin1Char(static_cast<char>(e.genre))), e.joueur,
                                    e.lieu.x, e.lieu.y});
        }
    });
    QJsonObject fin = fin_de_partie(partie, coups);
    if (enregistrement) {
        fin.insert(QStringLiteral("enregistrement"), json_enregistrement(partie.enregistrement()));
    }
    return fin;
}

// The games follow one another on the same game, as a Yes to the replay question starts them:
// a level-4 computer plays its first game with 4 passes, then as level 1.
QJsonObject parties_enchainees(const Regles& regles, const std::array<int, 2>& niveaux, int parties,
                               bool enregistrements, std::uint32_t graine, Progres& progres) {
    AleaAnalyse alea(graine);
    Partie partie = nouvelle_partie(alea, regles, niveaux);
    QJsonArray resultats;
    for (int k = 0; k < parties; ++k) {
        resultats.append(joue_et_note(partie, alea, enregistrements));
        progres.avance();
    }
    QJsonObject reponse{{QStringLiteral("parties"), resultats}};
    ajoute_hasard(reponse, alea);
    return reponse;
}

// Each game starts from the options screen on its own stream, seeded graine + k x 0x9E3779B9
// for game k (from 1), as a tournament's pairings are: the games run on all the threads.
QJsonObject parties_independantes(const Regles& regles, const std::array<int, 2>& niveaux,
                                  int parties, bool enregistrements, std::uint32_t graine, int fils,
                                  Progres& progres) {
    std::vector<QJsonObject> resultats(static_cast<std::size_t>(parties));
    std::vector<qint64> tirages(resultats.size());
    std::vector<qint64> reensemencements(resultats.size());
    en_parallele(parties, fils, [&](int k) {
        const auto i = static_cast<std::size_t>(k);
        AleaAnalyse alea(graine_du_travail(graine, k));
        Partie partie = nouvelle_partie(alea, regles, niveaux);
        resultats[i] = joue_et_note(partie, alea, enregistrements);
        tirages[i] = alea.tirages();
        reensemencements[i] = alea.reensemencements();
        progres.avance();
    });
    QJsonArray liste;
    qint64 total_tirages = 0;
    qint64 total_reensemencements = 0;
    for (std::size_t i = 0; i < resultats.size(); ++i) {
        liste.append(resultats[i]);
        total_tirages += tirages[i];
        total_reensemencements += reensemencements[i];
    }
    return {{QStringLiteral("parties"), liste},
            {QStringLiteral("tirages"), total_tirages},
            {QStringLiteral("reensemencements"), total_reensemencements}};
}
} // namespace

Partie nouvelle_partie(Alea& alea, const Regles& regles, const std::array<int, 2>& niveaux) {
    Partie partie(alea);
    partie.regle(regles);
    for (int k = 0; k < 2; ++k) {
        partie.change_niveau(k, static_cast<int16>(niveaux[k]));
    }
    return partie;
}

QJsonObject requete_partie(Lecteur& lecteur) {
    const Regles regles = lecteur.regles();
    const std::array<int, 2> niveaux = lecteur.niveaux(QStringLiteral("niveaux"), 1, NIVEAU_MAX);
    const int parties = lecteur.entier_ou(QStringLiteral("parties"), 1, PARTIES_MAX, 1);
    const bool independantes = lecteur.present(QStringLiteral("independantes")) &&
                               lecteur.booleen(QStringLiteral("independantes"));
    const int fils = fils_demandes(lecteur);
    const bool enregistrements = lecteur.present(QStringLiteral("enregistrements")) &&
                                 lecteur.booleen(QStringLiteral("enregistrements"));
    const std::uint32_t graine = lecteur.graine();
    lecteur.termine();

    Progres progres("partie", parties);
    return independantes
               ? parties_independantes(regles, niveaux, parties, enregistrements, graine, fils,
                                       progres)
               : parties_enchainees(regles, niveaux, parties, enregistrements, graine, progres);
}

} // namespace tessor::analyse
