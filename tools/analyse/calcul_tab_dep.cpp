#include "reponse.h"
#include "requetes.h"

namespace tessor::analyse {

// The game computes tables on pawn squares and, when it places the computer's pawn, on a free
// drawn square: "case" may be free or not. In knight mode the computation leaves that square not
// free, as the game's procedure does, and the returned "lignes" show it.
QJsonObject requete_calcul_tab_dep(Lecteur& lecteur) {
    Situation s = lecteur.situation();
    const Case c = lecteur.case_du_plateau(QStringLiteral("case"), s.regles);
    const int maxtaille = lecteur.entier(QStringLiteral("maxtaille"), 0, 30);
    lecteur.graine(); // accepted like in every request, though nothing here is random
    lecteur.termine();
    TableauDep tableau_dep;
    s.regles.calcul_tab_dep(c.x, c.y, tableau_dep, maxtaille, s.tableau);
    return {{QStringLiteral("tableau_dep"), json_tableau_dep(tableau_dep)},
            {QStringLiteral("lignes"), json_lignes(s.regles, s.tableau)}};
}

} // namespace tessor::analyse
