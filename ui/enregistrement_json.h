// A game's record as JSON, in the analysis tool's conventions: the rules' fields as its requests
// name them, the levels "niveaux" and depths "profondeurs" of players 0 and 1, the drawn start
// squares "departs", and the actions "coups", each [action, joueur, x, y] as the "partie" answer
// lists them, followed by the level and depth of the player who chose it.
#pragma once

#include "game/enregistrement.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace tessor {

QJsonObject json_enregistrement(const Enregistrement& e);

// The record that `objet` holds, read strictly: each field present and of its type, each number
// whole and within 16 bits, and no other field. Otherwise nothing, and `erreur` holds the French
// message of the first fault, in the order of the fields above. The limits of a game (its board,
// levels and depths, squares on the board, actions the rules accept) are the game's to check, as
// it rebuilds itself from the record.
std::optional<Enregistrement> lit_enregistrement(const QJsonObject& objet, QString& erreur);

// The record that a text holds as one JSON object, as `lit_enregistrement` reads it; otherwise
// nothing, and `erreur` says why.
std::optional<Enregistrement> lit_texte_enregistrement(const QString& texte, QString& erreur);

} // namespace tessor
