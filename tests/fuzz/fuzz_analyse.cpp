// Fuzzing the analysis tool's request handling: whatever the line, the answer is one JSON
// object, either the request's answer or an "erreur", and nothing crashes or hangs. Requests long
// by design (Ordi 5's games, tournaments, searches to a node limit) take minutes in this
// instrumented build, which the fuzzer would report as hangs: they are not run. The same code
// reads their fields for the other kinds; test_analyse and test_analyse_doc check their answers.
#include "analyse.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
bool trop_long(const QJsonObject& r) {
    const auto champ = [&r](const char* nom) { return r.value(QLatin1String(nom)); };
    const QString genre = champ("requete").toString();
    if (genre == QLatin1String("partie") || genre == QLatin1String("tournoi")) {
        return champ("niveaux").toArray().contains(5) || champ("parties").toDouble() > 10;
    }
    return champ("noeuds").toDouble(1e9) > 20000 &&
           (genre == QLatin1String("coup") || genre == QLatin1String("resolution"));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string ligne(reinterpret_cast<const char*>(donnees), taille);
    const QJsonDocument requete = QJsonDocument::fromJson(QByteArray::fromStdString(ligne));
    if (requete.isObject() && trop_long(requete.object())) {
        return 0;
    }
    const std::string reponse = tessor::analyse::traite_requete(ligne);
    QJsonParseError erreur{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(reponse), &erreur);
    if (erreur.error != QJsonParseError::NoError || !document.isObject() ||
        reponse.find('\n') != std::string::npos) {
        std::abort();
    }
    return 0;
}
