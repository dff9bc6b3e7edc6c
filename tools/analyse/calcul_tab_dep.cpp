#include "reponse.h"
#include "requetes.h"

namespace tessor::analyse {

// The game computes tables on pawn squares and, when it places the computer's pawn, on a free
// drawn square: "case" may be free or not. In knight mode the returned "lignes" show that square
// not free, as the documented answer always has, even when it was free.
QJsonObject requete_calcul_tab_dep(Lecteur& lecteur) {
    Situation s = lecteur.situation();
    const Case c = lecteur.case_du_plateau(QStringLiteral("case"), s.regles);
    const int profondeur = lecteur.entier(QStringLiteral("maxtaille"), 0, 30);
    lecteur.graine(); // accepted like in every request, though nothing here is random
    lecteur.termine();
    const TableauDep tableau_dep = s.regles.calcul_tab_dep(c, profondeur, s.tableau);
    if (s.regles.cavalier) {
        s.tableau[c] = FAUX;
    }
    return {{QStringLiteral("tableau_dep"), json_tableau_dep(tableau_dep)},
            {QStringLiteral("lignes"), json_lignes(s.regles, s.tableau)}};
}

} // namespace tessor::analyse
