#include "partie.h"
#include "reponse.h"
#include "requetes.h"

#include <utility>

namespace tessor::analyse {

namespace {
// The most games one request may ask for.
constexpr int PARTIES_MAX = 1000;

QJsonObject fin_de_partie(const Jeu& jeu, const QJsonArray& coups) {
    const int g = gagnant(jeu);
    return {{QStringLiteral("coups"), coups},
            {QStringLiteral("resultat"), g < 0 ? QStringLiteral("nul") : QStringLiteral("gagne")},
            {QStringLiteral("gagnant"), g < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(g)}};
}
} // namespace

// A game ends exactly when the replay question is asked: both pawns blocked is a draw, otherwise
// the winner is the player whose pawn can still move.
int gagnant(const Jeu& jeu) {
    const bool bloque0 = jeu.est_bloque(jeu.joueurs[0].position, jeu.tableau);
    const bool bloque1 = jeu.est_bloque(jeu.joueurs[1].position, jeu.tableau);
    if (bloque0 && bloque1) {
        return -1;
    }
    return bloque0 ? 1 : 0;
}

void lance_parties(Jeu& jeu, const Regles& regles, const std::array<int, 2>& niveaux) {
    jeu.Form_Load();
    jeu.largeur = regles.largeur;
    jeu.hauteur = regles.hauteur;
    jeu.cavalier = regles.cavalier;
    jeu.joueurs[0].niveau = static_cast<int16>(niveaux[0]);
    jeu.joueurs[1].niveau = static_cast<int16>(niveaux[1]);
    jeu.Command3_Click(1);
}

// The journal records every action; the replay question
// closes a game and is answered Yes until the requested number of games has been played.
QJsonObject requete_partie(Lecteur& lecteur) {
    const Regles regles = lecteur.regles();
    const std::array<int, 2> niveaux = lecteur.niveaux(QStringLiteral("niveaux"), 1, 4);
    const int parties = lecteur.entier_ou(QStringLiteral("parties"), 1, PARTIES_MAX, 1);
    PlateformeAnalyse plateforme(lecteur.graine());
    lecteur.termine();

    Jeu jeu(plateforme);
    QJsonArray coups;
    QJsonArray resultats;
    jeu.journal = [&coups](char action, int16 joueur, Case c) {
        coups.append(QJsonArray{QString(QLatin1Char(action)), joueur, c.x, c.y});
    };
    plateforme.repondeur = [&](const std::string&) {
        resultats.append(fin_de_partie(jeu, std::exchange(coups, QJsonArray{})));
        return resultats.size() < parties;
    };
    lance_parties(jeu, regles, niveaux);

    QJsonObject reponse{{QStringLiteral("parties"), resultats}};
    ajoute_hasard(reponse, plateforme);
    return reponse;
}

} // namespace tessor::analyse
