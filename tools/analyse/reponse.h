// Writing the parts of an answer: squares, boards, single-precision values and the random
// stream's counters.
#pragma once

#include "alea_analyse.h"
#include "game/regles.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

namespace tessor::analyse {

// A single-precision value as its exact double: written with the shortest digits that read back
// as that double, it also reads back as the same float.
QJsonValue valeur_reelle(float v);

QJsonArray json_case(Case c);

// The playing area, one string a row from row 3: '.' free, '#' not free.
QJsonArray json_lignes(const Regles& regles, const Tableau& tableau);

// The five rows j = -2 .. 2 of the table, each the five values i = -2 .. 2.
QJsonArray json_tableau_dep(const TableauDep& tableau_dep);

// The 95 % Wilson score interval of a score `s` taken as a proportion of `n` trials:
// (s + z²/2n ± z sqrt(s(1 - s)/n + z²/4n²)) / (1 + z²/n), z the 97.5 % quantile of the normal law.
QJsonArray intervalle_wilson(double s, double n);

// Adds "tirages" and "reensemencements", the draws and reseeds of the request.
void ajoute_hasard(QJsonObject& reponse, const AleaAnalyse& alea);

} // namespace tessor::analyse
