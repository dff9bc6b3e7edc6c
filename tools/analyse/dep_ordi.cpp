#include "ai/ordinateur.h"
#include "reponse.h"
#include "requetes.h"

namespace tessor::analyse {

// Both pawns stand on squares that are not free, and not on the same one. The computer's pawn
// needs a free destination: the game never asks a blocked pawn to move, and the procedure would
// then answer a square it cannot reach. The opponent may be blocked (the decision hint can ask
// that): the level-3 wall evaluation then walls a random free square, and one exists since the
// computer's pawn can move.
QJsonObject requete_dep_ordi(Lecteur& lecteur) {
    const Situation s = lecteur.situation();
    const Case position = lecteur.case_de_pion(QStringLiteral("position"), s);
    const Case adverse = lecteur.case_de_pion(QStringLiteral("position_adverse"), s);
    const int profondeur = lecteur.entier(QStringLiteral("maxtaille"), 0, 30);
    const int niveau = lecteur.entier(QStringLiteral("niveau"), 1, 3);
    const int profondeur_courant = lecteur.entier(QStringLiteral("profondeur_courant"), 0, 30);
    AleaAnalyse alea(lecteur.graine());
    lecteur.termine();
    verifie_pions(s, position, adverse, "le pion de l'ordinateur");
    const Case cible = Ordinateur(s.regles, alea, static_cast<int16>(profondeur_courant))
                           .choisit_deplacement(position, adverse, static_cast<int16>(profondeur),
                                                static_cast<int16>(niveau), s.tableau);
    QJsonObject reponse{{QStringLiteral("position"), json_case(cible)}};
    ajoute_hasard(reponse, alea);
    return reponse;
}

} // namespace tessor::analyse
