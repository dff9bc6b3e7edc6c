#include "curseur.h"

#include <algorithm>

namespace tessor {

namespace {
// The pawn of the player on turn; while placing, the centre square (left of and above the
// middle on an even side).
Case depart(const Partie& partie) {
    if (partie.phase() != Phase::placement) {
        return partie.joueur(partie.joueur_courant()).position;
    }
    const Regles& r = partie.regles();
    return case_numero((r.largeur - 1) / 2, (r.hauteur - 1) / 2);
}

int16 dans_le_plateau(int valeur, int derniere) {
    return static_cast<int16>(std::clamp(valeur, int{PREMIERE_CASE}, derniere));
}
} // namespace

void Curseur::deplace(int dx, int dy, const Partie& partie) {
    if (!montre()) {
        pose(depart(partie), true);
        return;
    }
    const Regles& r = partie.regles();
    pose({dans_le_plateau(position_.x + dx, r.derniere_colonne()),
          dans_le_plateau(position_.y + dy, r.derniere_ligne())},
         true);
}

void Curseur::recale(const Partie& partie) {
    pose(depart(partie), montre());
}

void Curseur::pose(Case c, bool visible) {
    position_ = c;
    geometrie_.place(cadre_, c);
    cadre_.visible = visible;
}

} // namespace tessor
