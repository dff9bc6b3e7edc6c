// What the search may know of the opponent: the turns a given way of playing chooses. Against
// such an opponent the search weighs each of its turns by the reply that will come, not by the
// best one, and so finds the turns after which that opponent goes wrong.
#pragma once

#include "position.h"

#include <vector>

namespace tessor {

class ModeleAdverse {
  public:
    virtual ~ModeleAdverse() = default;

    // The turns the opponent may play in `p`, where it is on turn (`p.moi`): one, or several
    // when its choice rests on a random draw. Never empty while its pawn can move.
    virtual void tours(const Position& p, std::vector<Tour>& tours) = 0;
    // The squares where the opponent may place its pawn, each as likely as the others, when the
    // free squares are `libres` (the searching player's pawn placed first); at least one when more
    // than 12 squares are free.
    virtual void departs(const Bits& libres, std::vector<Indice>& departs) = 0;
};

} // namespace tessor
