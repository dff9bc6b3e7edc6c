#include "partie.h"
#include "reponse.h"
#include "requetes.h"

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
} // namespace

Partie nouvelle_partie(Plateforme& plateforme, const Regles& regles,
                       const std::array<int, 2>& niveaux) {
    Partie partie(plateforme);
    partie.regle(regles);
    for (int k = 0; k < 2; ++k) {
        partie.change_niveau(k, static_cast<int16>(niveaux[k]));
    }
    return partie;
}

// The games follow one another on the same game, as a Yes to the replay question starts them:
// a level-4 computer plays its first game with 4 passes, then as level 1.
QJsonObject requete_partie(Lecteur& lecteur) {
    const Regles regles = lecteur.regles();
    const std::array<int, 2> niveaux = lecteur.niveaux(QStringLiteral("niveaux"), 1, NIVEAU_MAX);
    const int parties = lecteur.entier_ou(QStringLiteral("parties"), 1, PARTIES_MAX, 1);
    PlateformeAnalyse plateforme(lecteur.graine());
    lecteur.termine();

    Partie partie = nouvelle_partie(plateforme, regles, niveaux);
    QJsonArray resultats;
    for (int k = 0; k < parties; ++k) {
        QJsonArray coups;
        joue_partie(partie, plateforme, [&coups](const Evenement& e) {
            if (e.genre != Evenement::Genre::tour_passe &&
                e.genre != Evenement::Genre::partie_finie) {
                coups.append(QJsonArray{QString(QLatin1Char(static_cast<char>(e.genre))), e.joueur,
                                        e.lieu.x, e.lieu.y});
            }
        });
        resultats.append(fin_de_partie(partie, coups));
    }
    QJsonObject reponse{{QStringLiteral("parties"), resultats}};
    ajoute_hasard(reponse, plateforme);
    return reponse;
}

} // namespace tessor::analyse
