// Fuzzing the analysis tool's request handling: whatever the line, the answer is one JSON
// object, either the request's answer or an "erreur", and nothing crashes or hangs.
#include "analyse.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string ligne(reinterpret_cast<const char*>(donnees), taille);
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
