// One handler per request kind: each reads and checks its fields with the Lecteur (which throws
// RequeteInvalide on the first fault) and returns the answer object.
#pragma once

#include "lecteur.h"

#include <QJsonObject>

namespace tessor::analyse {

// The evaluation table of the pawn at "case" and the board after the computation.
QJsonObject requete_calcul_tab_dep(Lecteur& lecteur);
// The wall the computer chooses against "position_adverse", and its score.
QJsonObject requete_place_casenoir(Lecteur& lecteur);
// The computer's move from "position".
QJsonObject requete_dep_ordi(Lecteur& lecteur);
// The computer's starting square.
QJsonObject requete_place_pion_ordi(Lecteur& lecteur);
// Ordi 5's turn from "position", or its start square when "position" is absent.
QJsonObject requete_coup(Lecteur& lecteur);
// The exact value of a position, or of the board from the placements.
QJsonObject requete_resolution(Lecteur& lecteur);
// Whole games between two computers, started as "Jouer" starts them.
QJsonObject requete_partie(Lecteur& lecteur);
// A game's record, checked and replayed: where the game stands at its end.
QJsonObject requete_relecture(Lecteur& lecteur);
// Games between computers for every ordered pairing of levels, with their scores.
QJsonObject requete_tournoi(Lecteur& lecteur);
// Ordi 5 against a sparring partner, each pair of start squares played from both seats.
QJsonObject requete_match(Lecteur& lecteur);

} // namespace tessor::analyse
