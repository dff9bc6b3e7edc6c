// The game on screen: it starts a game, hands a human's click to the game, shows what each action
// brought about, asks the replay question at the end of a game, and plays the computer's actions
// that the pilot hands it. Humans and computers act through the same step.
#pragma once

#include "aides.h"
#include "curseur.h"
#include "ecran.h"
#include "game/participant.h"
#include "geometrie.h"
#include "options.h"
#include "services.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tessor {

class Jeu {
  public:
    Jeu(Partie& partie, const Options& options, Ecran& ecran, const Geometrie& geometrie,
        Curseur& curseur, Alea& alea, Dialogues& dialogues)
        : partie_(partie), options_(options), ecran_(ecran), geometrie_(geometrie),
          curseur_(curseur), dialogues_(dialogues), aides_(ecran, geometrie, alea) {}

    Aides& aides() { return aides_; }
    const Aides& aides() const { return aides_; }
    int16 nb_murs() const { return nb_murs_; }

    // Called after every change that may hand the turn to the computer: a game starts, or an
    // action is played.
    void suit(std::function<void()> apres_changement) {
        apres_changement_ = std::move(apres_changement);
    }

    // Starts a game with the levels set; a game decided by its start squares asks the replay
    // question at once, and the game starts again after a Yes.
    void debut_jeu();
    // A click on square `c` of the board, or (-1, -1) off it.
    void clic(Case c);
    // Hides the game and shows the options screen, every hint off.
    void retour_aux_options();

    // A game shows and its player on turn is a computer.
    bool ordinateur_au_trait() const;
    // Both players are computers: the game plays by itself, and may be abandoned between two
    // actions.
    bool entre_ordinateurs() const;
    // A game shows: from its start to the return to the options screen.
    bool en_partie() const { return en_partie_; }
    // The computer on turn, shared with a decision that may outlive this game; none for a human.
    std::shared_ptr<Participant> au_trait() const { return joueurs_[partie_.joueur_courant()]; }
    // Plays the action the computer on turn decided, if the game accepts it.
    void joue_ordinateur(Case c);
    // True while the replay question waits for its answer.
    bool question_ouverte() const { return question_ouverte_; }

    // Set when the window is closing: no further action is played and nothing more is asked.
    void arrete() { arret_ = true; }

    // Taking back and putting back, in a game with a human in it, while no question is open.
    // "Annuler" goes back to the moment before the last action of a human, the computer's actions
    // since then with it; "Rétablir" puts back what the last take-back took, until a new action.
    bool peut_annuler() const;
    bool peut_retablir() const;
    void annule();
    void retablit();
    // Shows the game, just rebuilt from a record, at its last position; a finished one asks the
    // replay question.
    void reprend_partie();
    // Outlines the last pawn action and the last wall when the options say so, else hides them.
    void marque_dernier_coup();

  private:
    // Starts a game, then calls `apres` once a game shows or the options screen is back.
    void commence(std::function<void()> apres);
    void commence_ou_suit(bool rejouer, const std::function<void()>& apres);
    void signale() const {
        if (apres_changement_) {
            apres_changement_();
        }
    }
    void prepare_ecran();
    // The board's pictures for this game's options and rules, and its players.
    void habille();
    void montre_partie();
    void prend_joueurs();
    // The position as the game stands, drawn from its actions, and the panel as its last action
    // left it; `avant` is the player whose turn showed before, who keeps his hint switches.
    void redessine(int16 avant);
    // A game shows in which a human plays, and no question is open.
    bool historique_ouvert() const;
    // Where the last action of a human player stands among the actions, or none.
    std::optional<std::size_t> derniere_action_humaine() const;
    void applique(Case c, bool ordinateur);
    void montre(const Evenement& e, bool ordinateur, bool apres_mur);
    void montre_main(int16 joueur, bool apres_mur);
    void montre_joueur(int16 joueur);
    void montre_fin(int16 gagnant);
    // The end of a finished game: the replay question, whose answer goes to `suite`; No brings
    // the options screen back first. Once the window is closing nothing is asked: the answer is
    // No, and the game stays as it is.
    void demande_rejouer(std::function<void(bool)> suite);
    void etat_boutons();

    Partie& partie_;
    const Options& options_;
    Ecran& ecran_;
    const Geometrie& geometrie_;
    Curseur& curseur_;
    Dialogues& dialogues_;
    Aides aides_;
    std::array<std::shared_ptr<Participant>, 2> joueurs_{}; // none for a human
    int16 nb_murs_ = 0;
    std::vector<std::size_t> retablir_; // the size of each take-back to put back, last on top
    bool en_partie_ = false;
    bool question_ouverte_ = false;
    bool arret_ = false;
    std::function<void()> apres_changement_;
};

} // namespace tessor
