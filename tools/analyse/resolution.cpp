#include "ai/recherche/solveur.h"
#include "reponse.h"
#include "requetes.h"

namespace tessor::analyse {

namespace {
// The most nodes one request may spend: about half a minute.
constexpr std::uint64_t NOEUDS_MAX = 200000000;

QString verdict(Verdict v) {
    return v == Verdict::gagne  ? QStringLiteral("gagne")
           : v == Verdict::perd ? QStringLiteral("perd")
                                : QStringLiteral("nul");
}

// A board beyond the solver's reach, or one it gave up, is refused with the reason.
void verifie(Statut statut, int libres) {
    if (statut == Statut::trop_grand) {
        throw erreur_champ(QStringLiteral("lignes"),
                           QStringLiteral("%1 cases libres : la résolution en traite au plus %2")
                               .arg(libres)
                               .arg(LIBRES_MAX_SOLVEUR));
    }
    if (statut == Statut::interrompu) {
        throw RequeteInvalide{
            QStringLiteral("résolution abandonnée : plus de %1 nœuds sans conclure")
                .arg(static_cast<qulonglong>(NOEUDS_MAX))};
    }
}

QJsonObject position(Lecteur& lecteur, const Situation& s) {
    const Case moi = lecteur.case_de_pion(QStringLiteral("position"), s);
    const Case lui = lecteur.case_de_pion(QStringLiteral("position_adverse"), s);
    lecteur.termine();
    verifie_pions(s, moi, lui, "le pion au trait");
    const Resolution r = resout(s.regles, s.tableau, moi, lui, NOEUDS_MAX);
    verifie(r.statut, r.libres);
    return {{QStringLiteral("valeur"), verdict(r.valeur)},
            {QStringLiteral("deplacement"), json_case(r.deplacement)},
            {QStringLiteral("mur"), json_case(r.mur)},
            {QStringLiteral("noeuds"), static_cast<qint64>(r.noeuds)}};
}

// Both pawns are still to be placed, so the board needs two free squares.
QJsonObject placements(Lecteur& lecteur, const Situation& s) {
    lecteur.termine();
    const ResolutionPlacement r = resout_placements(s.regles, s.tableau, NOEUDS_MAX);
    verifie(r.statut, r.libres);
    if (r.libres < 2) {
        throw erreur_champ(QStringLiteral("lignes"),
                           QStringLiteral("deux cases libres attendues pour placer les pions"));
    }
    return {{QStringLiteral("valeur"), verdict(r.valeur)},
            {QStringLiteral("case"), json_case(r.depart)},
            {QStringLiteral("noeuds"), static_cast<qint64>(r.noeuds)}};
}
} // namespace

QJsonObject requete_resolution(Lecteur& lecteur) {
    const Situation s = lecteur.situation();
    return lecteur.present(QStringLiteral("position")) ? position(lecteur, s)
                                                       : placements(lecteur, s);
}

} // namespace tessor::analyse
