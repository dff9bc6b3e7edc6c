// The exact value of a position: win, draw or loss for the player on turn, with both players
// playing perfectly. Every turn is tried (no wall is left out); positions the board's symmetries
// map onto each other share one entry of the table.
//
// The pawns that have not been placed yet are not tested: the game tests them on a square drawn
// at random, which only matters on 3 x 3 with knight jumps, where a drawn centre (no knight move
// from it) ends the game before anyone has chosen anything. Every other square of every board
// has at least two knight moves, so one placed pawn can never block a drawn square.
#pragma once

#include "connus.h"
#include "game/regles.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tessor {

// The solver works on the squares that can still be free; at most this many (a 6 x 6 board).
constexpr int LIBRES_MAX_SOLVEUR = 36;
// The table of known positions holds at most 2^BITS_TABLE_REQUETES entries of 8 bytes (1 GiB),
// within the 2 GB a request of the analysis tool may take; an offline run may give it more.
constexpr int BITS_TABLE_REQUETES = 27;

// The solver's table: 2^bits_max entries of 8 bytes above 20 free squares, and the entry a
// position takes in a full bucket (the offline runs replace by nodes, see Remplacement). The
// offline runs also give the positions of at most `seuil_petite` free squares a small table of
// 2^bits_petite entries (see Tables); -1, none. With a `fichier`, the large table keeps its
// entries in that file, for a later run on the same board to take up (Connus); empty, in memory.
struct TableSolveur {
    int bits_max = BITS_TABLE_REQUETES;
    Remplacement remplacement = Remplacement::par_libres;
    int seuil_petite = -1;
    int bits_petite = 21;
    std::string fichier;
};

enum class Statut : std::uint8_t {
    resolu,
    trop_grand, // more free squares than LIBRES_MAX_SOLVEUR
    interrompu, // the node limit or the stop flag ended it first
};

// Win, draw or loss, for the player on turn (or, with the placements, the player placing first).
enum class Verdict : std::int8_t { perd = -1, nul = 0, gagne = 1 };

struct Resolution {
    Statut statut = Statut::resolu;
    Verdict valeur = Verdict::nul;
    Case deplacement;
    Case mur;
    int libres = 0;
    std::uint64_t noeuds = 0;
};

struct ResolutionPlacement {
    Statut statut = Statut::resolu;
    Verdict valeur = Verdict::nul;
    Case depart;
    int libres = 0;
    std::uint64_t noeuds = 0;
};

// A long offline run of `resout` in parts. The turns of the position are tried in a fixed order,
// each settled for good before the next; a run may start after the first `faits` of them, which
// an earlier run settled with `jusque_la` (the best value and turn among them). `suivi`, when
// given, hears after each turn how many are done and the best so far (the nodes are this run's):
// what a later run takes up if this one is stopped.
struct Reprise {
    int faits = 0;
    Resolution jusque_la;
    std::function<void(int faits, const Resolution& jusque_la)> suivi;
};

// A long offline run of `resout_placements` in parts. Its questions (does a reply to a first
// square leave the first placer at least a threshold? see departs.h) are numbered in a fixed
// order; `reponses` holds the value a search found for each, or REPONSE_INCONNUE, and a run asks
// again none that has a value. A question may take hours, so the first plies of its search try
// each position's turns one at a time in the solver's own order, the threads sharing out the
// first placer's turns, and `en_cours` holds where the questions a run left in the middle stand:
// for each first placer's turn being searched, and for the position at each ply down from there,
// how many of its turns are settled and the best value among them for the player on turn. At the
// first ply that count is the number of the turn being searched; the turns below the largest
// such number of a question are settled, but for those being searched, and the turn a question
// gives with no ply below is one to search from its start.
constexpr std::int8_t REPONSE_INCONNUE = -2;

struct Etape {
    int faits = 0;
    std::int8_t meilleure = REPONSE_INCONNUE;

    bool operator==(const Etape& o) const { return faits == o.faits && meilleure == o.meilleure; }
};

struct Avancee {
    int question = 0;
    std::vector<Etape> chemin;

    bool operator==(const Avancee& o) const { return question == o.question && chemin == o.chemin; }
};

struct EtatPlacements {
    std::vector<std::int8_t> reponses;
    std::vector<Avancee> en_cours; // one for each first placer's turn in the middle

    bool operator==(const EtatPlacements& o) const {
        return reponses == o.reponses && en_cours == o.en_cours;
    }
};

// `suivi`, when given, hears the whole state after each question answered and each turn settled,
// one thread at a time: what a later run takes up if this one is stopped.
struct ReprisePlacements {
    EtatPlacements etat;
    std::function<void(const EtatPlacements& etat)> suivi;
};

// Both pawns placed, `moi` on turn and able to move. `noeuds_max` 0 sets no limit.
Resolution resout(const Regles& regles, const Tableau& tableau, Case moi, Case lui,
                  std::uint64_t noeuds_max = 0, const std::atomic<bool>* arret = nullptr,
                  const TableSolveur& choix = {}, const Reprise& reprise = {});

// A board without pawns, from the first placement: the value for the player who places first,
// and a best square for it (the first in board order, on any number of threads). The board needs
// two free squares. `fils` threads share the first squares and the table; with more than one,
// each has its share of `noeuds_max`, and the nodes visited vary from run to run.
ResolutionPlacement resout_placements(const Regles& regles, const Tableau& tableau,
                                      std::uint64_t noeuds_max = 0,
                                      const std::atomic<bool>* arret = nullptr, int fils = 1,
                                      const TableSolveur& choix = {},
                                      const ReprisePlacements& reprise = {});

} // namespace tessor
