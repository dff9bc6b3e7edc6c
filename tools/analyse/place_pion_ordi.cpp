#include "ai/ordinateur.h"
#include "reponse.h"
#include "requetes.h"

namespace tessor::analyse {

// The computer draws its starting square among the free squares: a board without one is
// refused, since the drawing could never end.
QJsonObject requete_place_pion_ordi(Lecteur& lecteur) {
    const Situation s = lecteur.situation();
    const int profondeur = lecteur.entier(QStringLiteral("maxtaille"), 0, 30);
    AleaAnalyse alea(lecteur.graine());
    lecteur.termine();
    if (!s.regles.a_case_libre(s.tableau)) {
        throw erreur_champ(QStringLiteral("lignes"),
                           QStringLiteral("aucune case libre pour placer le pion"));
    }
    const Case position =
        Ordinateur(s.regles, alea, 0).choisit_depart(static_cast<int16>(profondeur), s.tableau);
    QJsonObject reponse{{QStringLiteral("position"), json_case(position)}};
    ajoute_hasard(reponse, alea);
    return reponse;
}

} // namespace tessor::analyse
