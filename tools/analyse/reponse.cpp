#include "reponse.h"

#include <cmath>

namespace tessor::analyse {

QJsonValue valeur_reelle(float v) {
    return QJsonValue(static_cast<double>(v));
}

QJsonArray intervalle_wilson(double s, double n) {
    constexpr double z = 1.959963984540054;
    const double z2n = z * z / n;
    const double centre = (s + z2n / 2.0) / (1.0 + z2n);
    const double demi = z / (1.0 + z2n) * std::sqrt(s * (1.0 - s) / n + z2n / (4.0 * n));
    return QJsonArray{centre - demi, centre + demi};
}

QJsonArray json_case(Case c) {
    return QJsonArray{c.x, c.y};
}

QJsonArray json_lignes(const Regles& regles, const Tableau& tableau) {
    QJsonArray lignes;
    for (int y = PREMIERE_CASE; y <= regles.derniere_ligne(); ++y) {
        QString ligne;
        for (int x = PREMIERE_CASE; x <= regles.derniere_colonne(); ++x) {
            ligne.append(tableau.libre(x, y) ? u'.' : u'#');
        }
        lignes.append(ligne);
    }
    return lignes;
}

QJsonArray json_tableau_dep(const TableauDep& tableau_dep) {
    QJsonArray rangees;
    for (int j = -2; j <= 2; ++j) {
        QJsonArray rangee;
        for (int i = -2; i <= 2; ++i) {
            rangee.append(valeur_reelle(tableau_dep(i, j)));
        }
        rangees.append(rangee);
    }
    return rangees;
}

void ajoute_hasard(QJsonObject& reponse, const AleaAnalyse& alea) {
    reponse.insert(QStringLiteral("tirages"), alea.tirages());
    reponse.insert(QStringLiteral("reensemencements"), alea.reensemencements());
}

} // namespace tessor::analyse
