// The position as the sparring partners of the analysis tool see it: the board, both pawns, the
// player on turn and whether it moves or walls. The partners search it with the game's rules
// alone (Regles), independently of Ordi 5's search, so that a match between them measures Ordi 5
// against another way of playing.
#pragma once

#include "game/regles.h"

#include <array>
#include <vector>

namespace tessor::analyse {

// The end test after a wall, for the player who put it.
enum class Issue { en_cours, gagne, perd, nul };

struct EtatPartenaire {
    Tableau tableau;
    std::array<Case, 2> pions;
    int joueur = 0;   // the player on turn, 0 or 1
    bool mur = false; // true once it has moved: it walls next

    // The pawn on turn and the other one.
    Case moi() const { return pions[joueur]; }
    Case lui() const { return pions[1 - joueur]; }
};

// The free squares one move away from `c`, in the movement's order.
struct Voisins {
    std::array<Case, 8> cases;
    int nombre = 0;
};
Voisins voisins_libres(const Regles& regles, const Tableau& tableau, Case c);

// The actions of the player on turn: its moves, or every free square to wall, those one move
// from the other pawn first, then those two moves from it, then the rest in board order.
// `proches` gives the walls of the first two groups alone (all of them when both are empty).
std::vector<Case> actions(const Regles& regles, const EtatPartenaire& etat, bool proches);

// Plays the action `c` of the player on turn: a move frees the square it leaves; a wall ends
// the turn with the end test, for the player who put it, and passes the turn.
Issue joue_action(const Regles& regles, EtatPartenaire& etat, Case c);

} // namespace tessor::analyse
