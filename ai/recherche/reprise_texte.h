// The text a long offline run of the solver prints after each step, and reads back to go on from
// there where an earlier run stopped (solveur.h: Reprise, ReprisePlacements).
//
// A placed pair's run: "faits valeur x y x y", the first player's turns settled, the best value
// among them (-1, 0 or 1) and its move and wall.
//
// A whole board's run: its answers, one character a question in the order they are numbered, '.'
// not answered, '-', '0' or '+' the value found (-1, 0 or 1); and, for each first placer's turn
// left in the middle, "question faits meilleure ...", one pair of turns settled and best value for
// each ply down the turns being searched ("0 -2" for a ply whose first turn is being searched),
// separated by ';'. A question that two threads shared has one such part for each of its turns.
#pragma once

#include "solveur.h"

#include <string>

namespace tessor {

std::string texte_reprise(int faits, const Resolution& jusque_la);
// False, and `reprise` left in any state, when `texte` holds anything else.
bool lit_reprise(const std::string& texte, Reprise& reprise);

std::string texte_reponses(const EtatPlacements& etat);
std::string texte_en_cours(const EtatPlacements& etat);
// Both texts read into `etat`, which starts empty; false when either holds anything else.
bool lit_etat(const std::string& reponses, const std::string& en_cours, EtatPlacements& etat);

} // namespace tessor
