#include "partie.h"
#include "reponse.h"
#include "requetes.h"

#include <utility>

namespace tessor::analyse {

namespace {
// The most games one request may ask for.
constexpr int PARTIES_MAX = 1000;

QJsonObject fin_de_partie(const Partie& partie, const QJsonArray& coups) {
    const int g = gagnant(partie);
    return {{QStringLiteral("coups"), coups},
            {QStringLiteral("resultat"), g < 0 ? QStringLiteral("nul") : QStringLiteral("gagne")},
            {QStringLiteral("gagnant"), g < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(g)}};
}
} // namespace

// A game ends exactly when the replay question is asked: both pawns blocked is a draw, otherwise
// the winner is the player whose pawn can still move.
int gagnant(const Partie& partie) {
    const bool bloque0 = partie.bloque(0);
    if (bloque0 && partie.bloque(1)) {
        return -1;
    }
    return bloque0 ? 1 : 0;
}

void lance_parties(Controleur& controleur, const Regles& regles,
                   const std::array<int, 2>& niveaux) {
    controleur.prepare(regles, static_cast<int16>(niveaux[0]), static_cast<int16>(niveaux[1]));
    controleur.jouer();
}

// The journal records every action; the replay question
// closes a game and is answered Yes until the requested number of games has been played.
QJsonObject requete_partie(Lecteur& lecteur) {
    const Regles regles = lecteur.regles();
    const std::array<int, 2> niveaux = lecteur.niveaux(QStringLiteral("niveaux"), 1, 4);
    const int parties = lecteur.entier_ou(QStringLiteral("parties"), 1, PARTIES_MAX, 1);
    PlateformeAnalyse plateforme(lecteur.graine());
    lecteur.termine();

    Controleur controleur(plateforme);
    QJsonArray coups;
    QJsonArray resultats;
    controleur.ecoute([&coups](Action action, int16 joueur, Case c) {
        coups.append(QJsonArray{QString(QLatin1Char(static_cast<char>(action))), joueur, c.x, c.y});
    });
    plateforme.repondeur = [&](const std::string&) {
        resultats.append(fin_de_partie(controleur.partie(), std::exchange(coups, QJsonArray{})));
        return resultats.size() < parties;
    };
    lance_parties(controleur, regles, niveaux);

    QJsonObject reponse{{QStringLiteral("parties"), resultats}};
    ajoute_hasard(reponse, plateforme);
    return reponse;
}

} // namespace tessor::analyse
