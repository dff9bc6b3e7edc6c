#include "pilote.h"

#include <memory>

namespace tessor {

Pilote::Pilote(Jeu& jeu, const Partie& partie, const Options& options, Ordonnanceur& ordonnanceur,
               Alea& alea)
    : jeu_(jeu), partie_(partie), options_(options), ordonnanceur_(ordonnanceur), alea_(alea) {
    jeu_.suit([this] { relance(); });
}

void Pilote::relance() {
    arret_decision_->store(true);
    ++coup_;
    arme();
}

void Pilote::suspend(Raison raison) {
    raisons_ |= raison;
    ++attente_;
}

void Pilote::reprend(Raison raison) {
    if (suspendu(raison)) {
        raisons_ &= static_cast<std::uint8_t>(~raison);
        arme();
    }
}

// Closing stops the computer for good: no reason is ever lifted again.
void Pilote::arrete() {
    arret_decision_->store(true);
    suspend(question);
}

// The pause runs while the computer decides: its action shows when both are over.
void Pilote::arme() {
    const int attente = ++attente_;
    pause_finie_ = false;
    if (raisons_ != 0 || !jeu_.ordinateur_au_trait()) {
        return;
    }
    const int ms = partie_.phase() == Phase::mur ? PAUSE_MUR_MS : PAUSE_ORDINATEUR_MS;
    ordonnanceur_.attend(duree(ms, options_.vitesse), [this, attente] {
        if (attente == attente_) {
            pause_finie_ = true;
            joue_si_pret();
        }
    });
    if (decide_ != coup_) {
        decide();
    }
}

// The decision works on a copy of the game and keeps its player alive, so that nothing it reads
// changes or goes away before it ends. One that ends after the game has changed (an abandoned
// game's, say) has been told to stop, and is dropped: it must not take the place of the decision
// under way.
void Pilote::decide() {
    decide_ = coup_;
    auto resultat = std::make_shared<std::optional<Case>>();
    arret_decision_ = ordonnanceur_.calcule(
        [resultat, joueur = jeu_.au_trait(), copie = partie_, &alea = alea_](
            const std::atomic<bool>& arret) { *resultat = joueur->action(copie, alea, arret); },
        [this, resultat, coup = coup_] {
            if (coup == coup_) {
                decision_ = Decision{coup, *resultat};
                joue_si_pret();
            }
        });
}

// A decision the game refuses (no level makes one) leaves the computer waiting for good rather
// than asking again and again: the game signals only the actions it plays.
void Pilote::joue_si_pret() {
    if (raisons_ != 0 || !pause_finie_ || !decision_ || decision_->coup != coup_) {
        return;
    }
    const std::optional<Case> action = decision_->action;
    decision_.reset();
    if (action) {
        jeu_.joue_ordinateur(*action);
    }
}

} // namespace tessor
