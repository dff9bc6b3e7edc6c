#include "analyse.h"

#include "entree.h"
#include "requetes.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cstring>

namespace tessor::analyse {

namespace {
using Traitement = QJsonObject (*)(Lecteur&);

struct Requete {
    const char* nom;
    Traitement traitement;
    const char* description; // the line of --help
};

const Requete REQUETES[] = {
    {"calcul_tab_dep", requete_calcul_tab_dep, "table d'évaluation des déplacements d'un pion"},
    {"place_casenoir", requete_place_casenoir,
     "mur choisi par l'ordinateur contre le pion adverse"},
    {"dep_ordi", requete_dep_ordi, "déplacement choisi par l'ordinateur"},
    {"place_pion_ordi", requete_place_pion_ordi, "case de départ choisie par l'ordinateur"},
    {"coup", requete_coup, "tour ou case de départ choisis par Ordi 5"},
    {"resolution", requete_resolution, "valeur exacte d'une position ou d'un plateau vide"},
    {"partie", requete_partie, "parties entières entre deux ordinateurs"},
    {"relecture", requete_relecture, "enregistrement d'une partie vérifié et rejoué"},
    {"tournoi", requete_tournoi, "parties entre chaque paire ordonnée de niveaux, et leur bilan"},
    {"match", requete_match, "Ordi 5 contre un partenaire d'entraînement, par paires de parties"},
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
    for (const Requete& r : REQUETES) {
        if (requete == QLatin1String(r.nom)) {
            return r.traitement(lecteur);
        }
    }
    throw erreur_champ(QStringLiteral("requete"),
                       QStringLiteral("requête inconnue « %1 »").arg(requete));
}
} // namespace

std::string liste_des_requetes() {
    std::string liste;
    for (const Requete& r : REQUETES) {
        liste += "  " + std::string(r.nom) + std::string(18 - std::strlen(r.nom), ' ') +
                 r.description + "\n";
    }
    return liste;
}

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
