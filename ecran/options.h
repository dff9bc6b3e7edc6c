// What the options screen sets besides the rules and the levels, which the game keeps: the
// players' names and the pictures of their pawns and of the walls; and what the window's menu
// sets: the outline of the last move and the computer's speed. The screen model shows them; the
// game on screen reads them here.
#pragma once

#include "game/regles.h"

#include <array>
#include <cstdint>
#include <string>
#include <tuple>

namespace tessor {

// The computer's pace: its pauses, and the glide of its pawn, last twice as long, as long, a
// third as long, or no time at all.
enum class Vitesse : std::uint8_t { lente, normale, rapide, instantanee };
constexpr int NB_VITESSES = 4;

constexpr int duree(int ms, Vitesse vitesse) {
    switch (vitesse) {
    case Vitesse::lente:
        return 2 * ms;
    case Vitesse::rapide:
        return ms / 3;
    case Vitesse::instantanee:
        return 0;
    case Vitesse::normale:
        break;
    }
    return ms;
}

struct Options {
    std::array<std::string, 2> noms{"Joueur 1", "Joueur 2"};
    std::array<int16, 2> pions{0, 1}; // each player's pawn picture
    int16 mur = 0;                    // the wall picture
    bool dernier_coup = false;        // the last move and the last wall are outlined
    Vitesse vitesse = Vitesse::normale;
};

// Everything a launch remembers of the last one; as built, the original settings.
struct Reglages {
    Regles regles;
    std::array<int16, 2> niveaux{0, 0};
    Options options;
};

inline bool operator==(const Reglages& a, const Reglages& b) {
    const auto champs = [](const Reglages& r) {
        const Options& o = r.options;
        return std::tie(r.regles.largeur, r.regles.hauteur, r.regles.cavalier, r.niveaux, o.noms,
                        o.pions, o.mur, o.dernier_coup, o.vitesse);
    };
    return champs(a) == champs(b);
}
inline bool operator!=(const Reglages& a, const Reglages& b) {
    return !(a == b);
}

} // namespace tessor
