// The "relecture" request: a game's record checked and replayed, action by action.
#include "requetes.h"

#include "alea_analyse.h"
#include "ui/enregistrement_json.h"

#include "game/partie.h"

namespace tessor::analyse {

namespace {
QString nom_de_phase(Phase phase) {
    switch (phase) {
    case Phase::placement:
        return QStringLiteral("placement");
    case Phase::deplacement:
        return QStringLiteral("deplacement");
    case Phase::mur:
        return QStringLiteral("mur");
    }
    return {};
}

// Where the replayed game stands: its actions, the player on turn, the phase, and its result.
QJsonObject etat_final(const Partie& partie) {
    const bool gagne = partie.finie() && partie.gagnant() >= 0;
    return {{QStringLiteral("actions"), static_cast<qint64>(partie.actions().size())},
            {QStringLiteral("au_trait"), partie.joueur_courant()},
            {QStringLiteral("phase"), nom_de_phase(partie.phase())},
            {QStringLiteral("finie"), partie.finie()},
            {QStringLiteral("gagnant"), gagne ? QJsonValue(partie.gagnant()) : QJsonValue()}};
}
} // namespace

// The record's faults are those of its field, before any unknown field of the request.
QJsonObject requete_relecture(Lecteur& lecteur) {
    const QString nom = QStringLiteral("enregistrement");
    QString erreur;
    const std::optional<Enregistrement> enregistrement =
        lit_enregistrement(lecteur.objet(nom), erreur);
    if (!enregistrement) {
        throw erreur_champ(nom, erreur);
    }
    AleaAnalyse alea(0);
    Partie partie(alea);
    const std::string refus = partie.reconstruit(*enregistrement);
    if (!refus.empty()) {
        throw erreur_champ(nom, QString::fromStdString(refus));
    }
    lecteur.termine();
    return etat_final(partie);
}

} // namespace tessor::analyse
