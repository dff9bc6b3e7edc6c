#include "ai/recherche/recherche.h"
#include "reponse.h"
#include "requetes.h"

#include <optional>

namespace tessor::analyse {

namespace {
// The most nodes one request may spend: about ten seconds.
constexpr int NOEUDS_MAX = 10000000;

QJsonObject valeurs(int valeur, int profondeur, std::uint64_t noeuds) {
    return {{QStringLiteral("valeur"), valeur},
            {QStringLiteral("profondeur"), profondeur},
            {QStringLiteral("noeuds"), static_cast<qint64>(noeuds)}};
}

// The pawn on turn moves, so it needs a free square one move away; the two pawns stand on two
// different squares that are not free.
QJsonObject tour(Lecteur& lecteur, const Situation& s) {
    const Case moi = lecteur.case_de_pion(QStringLiteral("position"), s);
    const Case lui = lecteur.case_de_pion(QStringLiteral("position_adverse"), s);
    const int noeuds =
        lecteur.entier_ou(QStringLiteral("noeuds"), 1, NOEUDS_MAX, static_cast<int>(BUDGET_DEFAUT));
    lecteur.termine();
    verifie_pions(s, moi, lui, "le pion au trait");
    const DecisionTour d =
        decide_tour(s.regles, s.tableau, moi, lui, static_cast<std::uint64_t>(noeuds));
    QJsonObject reponse = valeurs(d.valeur, d.profondeur, d.noeuds);
    reponse.insert(QStringLiteral("deplacement"), json_case(d.deplacement));
    reponse.insert(QStringLiteral("mur"), json_case(d.mur));
    return reponse;
}

// The pawn on turn is placed on a free square, the other one placed already or not yet.
QJsonObject placement(Lecteur& lecteur, const Situation& s) {
    std::optional<Case> lui;
    if (lecteur.present(QStringLiteral("position_adverse"))) {
        lui = lecteur.case_de_pion(QStringLiteral("position_adverse"), s);
    }
    const int noeuds =
        lecteur.entier_ou(QStringLiteral("noeuds"), 1, NOEUDS_MAX, static_cast<int>(BUDGET_DEFAUT));
    lecteur.termine();
    if (!s.regles.a_case_libre(s.tableau)) {
        throw erreur_champ(QStringLiteral("lignes"),
                           QStringLiteral("aucune case libre pour placer le pion"));
    }
    const DecisionPlacement d =
        decide_placement(s.regles, s.tableau, lui, static_cast<std::uint64_t>(noeuds));
    QJsonObject reponse = valeurs(d.valeur, d.profondeur, d.noeuds);
    reponse.insert(QStringLiteral("case"), json_case(d.depart));
    return reponse;
}
} // namespace

QJsonObject requete_coup(Lecteur& lecteur) {
    const Situation s = lecteur.situation();
    return lecteur.present(QStringLiteral("position")) ? tour(lecteur, s) : placement(lecteur, s);
}

} // namespace tessor::analyse
