// How the threads of a run from the empty board share its first placements out, question by
// question, and turn by turn in a run that reports.
#pragma once

#include "solveur.h"
#include "solveur_moteur.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <tuple>
#include <vector>

namespace tessor {

// A first placement: its square and the replies to it, those next to it first, each group with
// the most free squares around them first. A square with no move is lost at once and has none.
struct Depart {
    static constexpr int PAS_FAIT = -2;

    int carre = 0;
    std::vector<int> reponses;
    int restantes = 0; // its questions not yet answered or left out
    int haut = 1;      // the smallest value a reply is known to keep it at or below
    int valeur = PAS_FAIT;
};

// A question on a first placement: does its reply `reponse` leave the first placer at least
// `seuil` (0: it does not lose; 1: it wins)? The placement is worth at least 0 when every reply
// says yes to 0, and 1 when every reply says yes to 1.
struct Question {
    int depart;
    int seuil;
    int reponse;
};

// Where a question stands among the threads. A run that reports hands its first placer's turns
// out one at a time in the solver's order, each an `Avancee` whose chemin[0].faits is the turn's
// number: the first alone, since the first is the likeliest to say yes, which ends the question;
// once it is refuted, the others to whichever thread has nothing earlier to do, so that both
// threads share a question that refutes turn after turn. Once a turn being searched has held
// against TENUES replies, the question hands out no other turn: it likely says yes with that turn,
// and a free thread is better spent on the next questions, which a yes leaves to ask, than on
// turns that matter only if it falls. A turn still being searched when another says yes is
// dropped at its next turn settled below. A run that does not report hands the whole question
// out at once, as one search.
struct Partage {
    // Refuted turns mostly fall at their opponent's first reply: in a run of 4 x 6 with kings,
    // about one refuted turn in twenty had held against one reply or more and none against ten,
    // while every turn seen past ten replies held against all.
    static constexpr int TENUES = 10;

    bool ouverte = false;
    bool finie = false;                           // answered, or left out
    int distribues = 0;                           // turns handed out
    int nombre = std::numeric_limits<int>::max(); // its turns, once a thread went past the last
    std::int8_t meilleure = REPONSE_INCONNUE;     // the best value among its settled turns
    std::vector<Avancee> a_refaire;               // turns an earlier run left in the middle
    std::vector<Avancee> pris;                    // turns being searched, as last reported
};

// The first placer's squares, one of each class of symmetric squares in board order, and their
// questions: for each square, the question at 0 for every reply, then at 1 for every reply. Each
// question is a search with a null window; the threads take them, or their turns, in that order,
// so a square that takes long does not hold one thread alone. A square's result is the smallest
// value a reply was found to keep it at (1 if none). A question is left out when its answer no
// longer matters: its threshold is at or below the floor (the best result of the squares done
// before it, so nothing is asked after a won square), or a reply already keeps the square below
// it. A square's result above its floor is then its value; at or below it, an earlier square is
// at least as good, so the first square with the best result is the first with the best value,
// whatever the threads. All of it is read and written under one lock, which `suivi_` is called
// under.
class Departs {
  public:
    Departs(const Graphe& g, const ReprisePlacements& reprise);
    virtual ~Departs() = default;

    // Searches what the questions hand out until nothing is left or the solver stops.
    void evalue(Solveur& s);
    // The first square with the best result.
    int meilleur() const;

    int carre(int i) const { return departs_[static_cast<std::size_t>(i)].carre; }
    int valeur(int i) const { return departs_[static_cast<std::size_t>(i)].valeur; }

  protected:
    // Searches `tache` out of the lock: a run that reports, the turn it names, within
    // (seuil - 1, seuil), from where an earlier run left it, each turn settled below told to
    // `suivi_`; one that does not, the whole question at once, which keeps the first plies'
    // positions in the table for the questions after (4 x 5 with kings took 3.5 s, not 4.9 s).
    // Virtual so that a test can answer in an order it chooses and drive the threads' order.
    virtual std::optional<int> cherche(Solveur& s, const Avancee& tache);
    // Puts the turn `tache`'s new `chemin` in its question's reports, and tells `suivi_`, under
    // the lock; `cherche` calls it after each turn settled below (a test's, as it chooses). False,
    // and nothing told, when its question is already answered or left out: the turn's search is
    // then dropped.
    bool note_chemin(const Avancee& tache, const std::vector<Etape>& chemin);

  private:
    // Makes square `a` the first placement numbered `i`: its replies and its questions.
    void prepare(int i, int a);
    // Waits, under the lock, until there is something to search, in `tache`; false when nothing
    // is left or the run is stopped.
    bool attend(std::unique_lock<std::mutex>& garde, Avancee& tache);
    // The first thing to search, in question order: a turn of a question taken up, or the first
    // turn of the next one. A question whose answer no longer matters hands out no more turns,
    // and those being searched are dropped.
    bool prend(Avancee& tache);
    // Whether the answer to `q` no longer matters: its square's floor is at its threshold or
    // above, or a reply already keeps its square below it.
    bool sans_objet(const Question& q) const;
    // Takes question `n` up; false, with the question finished, when its answer is known: an
    // earlier run's, or a placement that ends the game.
    bool ouvre(std::size_t n);
    // Hands out the next turn of question `n` that may be searched now, in `tache`; false if none.
    bool donne(std::size_t n, Avancee& tache);
    // Whether a turn of question `n` being searched has held against its first TENUES replies.
    bool tient(std::size_t n) const;
    // Question `q`'s two pawns, and the free squares they leave.
    std::tuple<int, int, Masque> placements(const Question& q) const;
    // The value of `q`'s reply for the first placer when the placements end the game.
    std::optional<int> fin_au_placement(const Question& q) const;
    // Takes in what `tache` found: a question's answer, or a turn's value (none when the position
    // has no such turn). A question that reports says yes at its first turn that reaches its
    // threshold, and no when every turn is refuted.
    void rend(const Avancee& tache, std::optional<int> v);
    // Ends question `n` with its answer `v`, none when it was left out.
    void finit(std::size_t n, std::optional<int> v);
    // Tells `suivi_` the state: for each question in the middle, its turns being searched and,
    // when the last turn handed out is settled, the one after it from its start, so that the
    // turns below the largest number given are settled but for those given.
    void rapporte();
    // The best result of the squares before `i` that are done.
    int plancher_de(int i) const;

    const Graphe& g_;
    int nb_ = 0;
    std::unique_ptr<Depart[]> departs_;
    std::vector<Question> questions_;
    std::vector<Partage> partages_;
    int en_vol_ = 0; // things handed out and not yet searched
    bool arrete_ = false;
    EtatPlacements etat_;
    std::function<void(const EtatPlacements&)> suivi_;
    std::mutex verrou_;
    std::condition_variable attente_;
};

} // namespace tessor
