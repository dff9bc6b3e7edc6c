// A text demonstration of Tessor until the window exists: two computer players play one game
// on the default board and the board is printed after every turn.
#include "game/hasard.h"
#include "game/jeu.h"

#include <chrono>
#include <iostream>

using namespace tessor;

namespace {
class PlateformeTexte : public Plateforme {
  public:
    Jeu* jeu = nullptr;
    bool question(const std::string& texte) override {
        std::cout << texte << " Non.\n";
        return false;
    }
    void traite_evenements() override {
        if (jeu != nullptr && jeu->phase == 2) {
            imprime();
        }
    }
    void ouvre_lien(const std::string&) override {}
    std::int32_t secondes_depuis_minuit() override {
        const auto maintenant = std::chrono::system_clock::now().time_since_epoch();
        return static_cast<std::int32_t>(
            std::chrono::duration_cast<std::chrono::seconds>(maintenant).count() % 86400);
    }
    float aleatoire() override { return hasard.tirage(); }
    void reensemence(std::int32_t secondes) override { hasard.reensemence(secondes); }

    void imprime() const {
        for (int y = 3; y <= jeu->hauteur + 2; ++y) {
            for (int x = 3; x <= jeu->largeur + 2; ++x) {
                const Case c{static_cast<int16>(x), static_cast<int16>(y)};
                std::cout << (c == jeu->joueurs[0].position   ? '1'
                              : c == jeu->joueurs[1].position ? '2'
                              : jeu->tableau.libre(c)         ? '.'
                                                              : '#');
            }
            std::cout << '\n';
        }
        std::cout << '\n';
    }

  private:
    Hasard hasard;
};
} // namespace

int main() {
    PlateformeTexte plateforme;
    Jeu jeu(plateforme);
    plateforme.jeu = &jeu;
    plateforme.reensemence(plateforme.secondes_depuis_minuit());
    jeu.Form_Load();
    jeu.Command1_Click(0);
    jeu.Command1_Click(0); // player 1: computer level 2
    jeu.Command1_Click(1);
    jeu.Command1_Click(1);
    jeu.Command1_Click(1); // player 2: computer level 3
    jeu.Command3_Click(1);
    plateforme.imprime();
    std::cout << (jeu.fenetre.label7.texte.empty() ? "Match nul !"
                                                   : jeu.fenetre.label7.texte + " a gagné !")
              << '\n';
}
