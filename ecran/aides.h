// The two hints of the player on turn: the squares its pawn can reach (light grey) and the move
// the computer would make in its place (dark red), with their switches on the help panel. Each
// player keeps its own switches from one turn to the next.
#pragma once

#include "ecran.h"
#include "game/partie.h"
#include "geometrie.h"

namespace tessor {

enum class Aide : std::uint8_t { deplacements, conseil };

class Aides {
  public:
    Aides(Ecran& ecran, const Geometrie& geometrie, Alea& alea)
        : ecran_(ecran), geometrie_(geometrie), alea_(alea) {}

    // Switching a hint on needs a game on screen with both pawns placed; switching it off always
    // works.
    void bascule(Aide aide, const Partie& partie, bool en_partie);
    // The switch of `aide` is on.
    bool active(Aide aide) const { return actives_[static_cast<std::size_t>(aide)]; }
    // Shows the hints whose switch is on, for the player on turn.
    void montre(const Partie& partie);
    // Draws both switches as they stand.
    void coche();
    // The switches of the player whose turn ends are kept; those of the next player come back.
    void garde(int joueur) { gardees_[joueur] = actives_; }
    void reprend(int joueur) { actives_ = gardees_[joueur]; }
    // Back on the options screen no hint shows and the players' kept switches are off. The
    // switches as they stand stay: the next game keeps them for its second player, who is on
    // turn when it starts.
    void oublie();

  private:
    void montre_deplacements(const Partie& partie);
    void montre_conseil(const Partie& partie);

    Ecran& ecran_;
    const Geometrie& geometrie_;
    Alea& alea_;
    std::array<bool, 2> actives_{};
    std::array<std::array<bool, 2>, 2> gardees_{};
};

} // namespace tessor
