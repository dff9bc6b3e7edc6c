// How levels 1 to 4 play, as a model for the searching computer: their move and their wall,
// decided by the very procedures they play with.
#pragma once

#include "game/alea.h"
#include "game/regles.h"
#include "recherche/modele.h"
#include "recherche/plateau.h"

namespace tessor {

class ModeleNiveau final : public ModeleAdverse {
  public:
    // The level's procedure `niveau` (1 to 3) and its depth, and the depth its wall choice reads
    // for the searching player (0, as for a human).
    ModeleNiveau(const Regles& regles, int16 niveau, int16 profondeur, int16 profondeur_cible);

    void tours(const Position& p, std::vector<Tour>& tours) override;
    // A level draws a square of the central zone, each free one as likely, and starts next to it.
    // (It draws from the whole board when the zone has no free square, which only happens on
    // boards too small for Ordi 5 to search its placement.)
    void departs(const Bits& libres, std::vector<Indice>& departs) override;

  private:
    // Every move the level may choose, one for each way its ties may fall.
    std::vector<Case> arrivees(const Tableau& tableau, Case moi, Case lui) const;
    // Adds the turns of the move to `arrivee` with every wall the level may then put; `apres` is
    // the board after the move.
    void ajoute_murs(const Tableau& apres, Case arrivee, Case lui, std::vector<Tour>& tours) const;

    Voisinage g_;
    int16 niveau_;
    int16 profondeur_;
    int16 profondeur_cible_;
};

} // namespace tessor
