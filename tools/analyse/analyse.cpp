#include "analyse.h"

#include "entree.h"
#include "requetes.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <utility>

namespace tessor::analyse {

namespace {
using Traitement = QJsonObject (*)(Lecteur&);

const std::pair<const char*, Traitement> TRAITEMENTS[] = {
    {"calcul_tab_dep", requete_calcul_tab_dep},
    {"place_casenoir", requete_place_casenoir},
    {"dep_ordi", requete_dep_ordi},
    {"place_pion_ordi", requete_place_pion_ordi},
    {"partie", requete_partie},
    {"tournoi", requete_tournoi},
};

QJsonObject objet_de(const std::string& ligne) {
    if (ligne.size() > LONGUEUR_MAX) {
        throw RequeteInvalide{QStringLiteral("ligne trop longue (plus de %1 octets)")
                                  .arg(static_cast<qulonglong>(LONGUEUR_MAX))};
    }
    QJsonParseError e{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(ligne), &e);
    if (e.error != QJsonParseError::NoError || !document.isObject()) {
        throw RequeteInvalide{
            QStringLiteral("requête illisible : un objet JSON par ligne attendu")};
    }
    return document.object();
}

QJsonObject repond(const std::string& ligne) {
    Lecteur lecteur(objet_de(ligne));
    const QString requete = lecteur.chaine(QStringLiteral("requete"));
    for (const auto& [nom, traitement] : TRAITEMENTS) {
        if (requete == QLatin1String(nom)) {
            return traitement(lecteur);
        }
    }
    throw erreur_champ(QStringLiteral("requete"),
                       QStringLiteral("requête inconnue « %1 »").arg(requete));
}
} // namespace

std::string traite_requete(const std::string& ligne) {
    QJsonObject reponse;
    try {
        reponse = repond(ligne);
    } catch (const RequeteInvalide& e) {
        reponse = QJsonObject{{QStringLiteral("erreur"), e.message}};
    }
    return QJsonDocument(reponse).toJson(QJsonDocument::Compact).toStdString();
}

} // namespace tessor::analyse
