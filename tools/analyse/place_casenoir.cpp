#include "ai/ordinateur.h"
#include "reponse.h"
#include "requetes.h"

namespace tessor::analyse {

// "position_adverse" is the opponent's pawn, so its square must not be free. "casenoir" is the
// procedure's entry value (the game always passes the opponent's square) and "reference" the
// square whose neighbourhood the choice avoids (the computer's pawn, or a square it considers
// moving to, free or not): both only need to lie on the board. When the opponent cannot move
// the wall is a random free square, so a board without one is refused.
QJsonObject requete_place_casenoir(Lecteur& lecteur) {
    const Situation s = lecteur.situation();
    const Case depart = lecteur.case_du_plateau(QStringLiteral("casenoir"), s.regles);
    const Case reference = lecteur.case_du_plateau(QStringLiteral("reference"), s.regles);
    const Case adverse = lecteur.case_de_pion(QStringLiteral("position_adverse"), s);
    const int profondeur = lecteur.entier(QStringLiteral("maxtaille"), 0, 30);
    AleaAnalyse alea(lecteur.graine());
    lecteur.termine();
    if (s.regles.compte_case_dep(adverse.x, adverse.y, s.tableau) == 0 &&
        !s.regles.a_case_libre(s.tableau)) {
        throw RequeteInvalide{
            QStringLiteral("aucune case libre : le mur ne peut aller nulle part")};
    }
    const ChoixMur mur =
        Ordinateur(s.regles, alea, 0)
            .choisit_mur(depart, reference, adverse, static_cast<int16>(profondeur), s.tableau);
    QJsonObject reponse{{QStringLiteral("casenoir"), json_case(mur.case_mur)},
                        {QStringLiteral("score"), valeur_reelle(mur.score)}};
    ajoute_hasard(reponse, alea);
    return reponse;
}

} // namespace tessor::analyse
