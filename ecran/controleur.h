// What the main window asks of the game: the options screen's choosers and buttons, the game
// panel's picture buttons, the help panel's switches, and the pointer over the board. It owns
// the game and the screen model; the window draws the model after every action.
#pragma once

#include "aides.h"
#include "curseur.h"
#include "ecran.h"
#include "game/partie.h"
#include "geometrie.h"
#include "jeu.h"
#include "pilote.h"
#include "services.h"

namespace tessor {

class Controleur {
  public:
    // Sets the option defaults and shows the options screen.
    Controleur(Alea& alea, Ordonnanceur& ordonnanceur, Dialogues& dialogues);
    Controleur(const Controleur&) = delete;
    Controleur& operator=(const Controleur&) = delete;

    const Ecran& ecran() const { return ecran_; }
    const Partie& partie() const { return partie_; }
    const Geometrie& geometrie() const { return geometrie_; }
    const Jeu& jeu() const { return jeu_; }
    const Options& options() const { return options_; }
    const Curseur& curseur() const { return curseur_; }
    Case case_survolee() const { return case_survolee_; }

    // The options screen.
    void change_niveau(int joueur);
    void change_deplacement();
    void pion_suivant(int joueur, int sens);
    void change_largeur(int sens) { change_dimension(&Regles::largeur, sens); }
    void change_hauteur(int sens) { change_dimension(&Regles::hauteur, sens); }
    void mur_suivant(int sens);
    void renomme(int joueur, const std::string& nom);
    void jouer();
    // Asks whether the program must end, and calls `fermer` when the player confirms.
    void quitter(std::function<void()> fermer);

    // The window's menu. Taking back and putting back follow the game's rules for them.
    bool peut_annuler() const { return jeu_.peut_annuler(); }
    bool peut_retablir() const { return jeu_.peut_retablir(); }
    void annule() { jeu_.annule(); }
    void retablit() { jeu_.retablit(); }
    // On the options screen, "Jouer"; during a game, the abandon question, then a new game with
    // the same options.
    void nouvelle_partie();
    void bascule_dernier_coup();
    void change_vitesse(Vitesse vitesse) { options_.vitesse = vitesse; }
    // A game between two computers can be paused; abandoning it lifts the pause.
    bool pause_possible() const { return jeu_.en_partie() && jeu_.entre_ordinateurs(); }
    bool en_pause() const { return pilote_.suspendu(Pilote::pause); }
    void bascule_pause();
    // Nothing is played while the window is minimised.
    void fenetre_reduite(bool reduite);
    // Takes up the game of a record at its last position, with its rules and levels, after the
    // abandon question if a game shows. A record that no game holds is refused with a message,
    // and changes nothing; so is a record that could not be read, whose fault is `faute`.
    void colle(const Enregistrement& enregistrement);
    void refuse_enregistrement(const std::string& faute);

    // The settings a launch remembers. They change on the options screen only, where the
    // original ones can come back.
    Reglages reglages() const;
    bool reglable() const { return !jeu_.en_partie(); }
    void applique(const Reglages& reglages);

    // The game panel's picture buttons: a press shows the pressed look and arms the timer,
    // whose tick lets go of the button and acts. While a computer's turn runs or the replay
    // question is open the tick does nothing: the press waits (`minuterie` stays set), and the
    // timer must fire again once the screen has changed.
    void presse_aide();
    void presse_abandon();
    void relache_bouton();
    // True when the tick of a pressed button would act now.
    bool bouton_relachable() const;

    // The help panel.
    void bascule_aide(Aide aide) { jeu_.aides().bascule(aide, partie_, jeu_.en_partie()); }
    // The switch of a hint is on for the player on turn, as the game keeps it.
    bool aide_active(Aide aide) const { return jeu_.aides().active(aide); }
    void retour_au_jeu();

    // The pointer over the main window, at pixel (x, y), and a click where it stands.
    void survol(float x, float y);
    void clic();

    // The keys of a game. An arrow moves the cursor; Enter or Space clicks the cursor's square,
    // or first shows the cursor; on the options screen they do nothing. F1 presses "Aide" and
    // Escape "Quitter", whose press does nothing without a game; on the help panel both act as
    // "Retour".
    void fleche(int dx, int dy);
    void clic_curseur();
    void touche_aide() { touche_panneau(&Controleur::presse_aide); }
    void touche_echap() { touche_panneau(&Controleur::presse_abandon); }

    // What assistive technologies read of square `c`: "libre", "mur", or the name of the
    // player whose pawn stands there.
    std::string texte_case(Case c) const;

    // The window is closing: no further action is played and nothing more is asked.
    void arrete() {
        jeu_.arrete();
        pilote_.arrete();
    }

  private:
    enum class Bouton : std::uint8_t { aucun, aide, abandon };
    void presse(Element& bouton, Image enfonce, Bouton quel);
    // The abandon question: a Yes brings the options screen back and calls `sur_oui`; `apres`
    // follows either answer.
    void abandonne(
        std::function<void()> apres, std::function<void()> sur_oui = [] {});
    // Takes up a game rebuilt from a record.
    void prend(const Partie& reprise);
    void prepare_partie();
    void affiche_reglages();
    void touche_panneau(void (Controleur::*bouton)());
    void change_dimension(int16 Regles::*cote, int sens);
    void affiche_regles();

    Dialogues& dialogues_;
    Options options_;
    Ecran ecran_;
    Geometrie geometrie_;
    Partie partie_;
    Curseur curseur_;
    Jeu jeu_;
    Pilote pilote_;
    std::array<int16, 2> niveaux_affiches_{}; // the levels the options screen shows
    Case case_survolee_;
    Bouton bouton_presse_ = Bouton::aucun;
};

} // namespace tessor
