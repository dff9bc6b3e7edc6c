// What a game reports after each action: the steps that happened, in their order.
#pragma once

#include "types.h"

#include <cstdint>
#include <vector>

namespace tessor {

enum class Phase : std::uint8_t { placement, deplacement, mur };

struct Evenement {
    enum class Genre : char {
        pion_place = 'P',
        pion_deplace = 'D',
        mur_pose = 'M',
        tour_passe = 'T',  // `joueur` is the player now on turn
        partie_finie = 'F' // `joueur` is the winner, -1 for a draw
    };
    Genre genre;
    int16 joueur;
    Case lieu; // the square of a placement, a move or a wall
};

using Evenements = std::vector<Evenement>;

} // namespace tessor
