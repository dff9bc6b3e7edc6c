// Scripted sessions of the window model for the reference record: actions named as a player
// would say them, and after each one the elements of the screen that changed, named for what
// they show. The computer's pauses last no time, unless `pas_a_pas` holds them until an
// `attente` lets the oldest one end.
#pragma once

#include "partie_test.h"

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tessor {

class Scenario {
  public:
    // Plays one action and tells what it changed, one line an element or question.
    std::vector<std::string> joue(const std::string& action) {
        std::istringstream mots(action);
        std::string verbe;
        mots >> verbe;
        if (verbe == "partie") {
            return joue_partie();
        }
        const std::map<std::string, std::string> avant = ecran();
        t_.plateforme.questions.clear();
        agit(verbe, mots);
        std::vector<std::string> changes;
        for (const auto& [nom, etat] : ecran()) {
            if (avant.at(nom) != etat) {
                changes.push_back("  " + nom + " " + etat);
            }
        }
        for (const std::string& q : t_.plateforme.questions) {
            changes.push_back("  ? " + q);
        }
        if (pause_ >= 0) {
            changes.push_back("  pause " + std::to_string(pause_) + " ms");
        }
        return changes;
    }

  private:
    // Each action with its two numbers: a player and a direction, or a square.
    void agit(const std::string& verbe, std::istringstream& mots) {
        pause_ = -1;
        if (verbe == "attente") {
            pause_ = t_.plateforme.avance();
            return;
        }
        using Geste = void (*)(PartieTest&, int, int);
        static const std::map<std::string, Geste> actions{
            {"jouer", [](PartieTest& t, int, int) { t.jeu.jouer(); }},
            {"quitter", [](PartieTest& t, int, int) { t.jeu.quitter([] {}); }},
            {"niveau", [](PartieTest& t, int j, int) { t.jeu.change_niveau(j); }},
            {"deplacement", [](PartieTest& t, int, int) { t.jeu.change_deplacement(); }},
            {"pion", [](PartieTest& t, int j, int sens) { t.jeu.pion_suivant(j, sens); }},
            {"largeur", [](PartieTest& t, int sens, int) { t.jeu.change_largeur(sens); }},
            {"hauteur", [](PartieTest& t, int sens, int) { t.jeu.change_hauteur(sens); }},
            {"mur", [](PartieTest& t, int sens, int) { t.jeu.mur_suivant(sens); }},
            {"clic", [](PartieTest& t, int x, int y) { t.clic(x, y); }},
            {"aide", [](PartieTest& t, int k, int) { t.jeu.bascule_aide(static_cast<Aide>(k)); }},
            {"presse_aide", [](PartieTest& t, int, int) { t.jeu.presse_aide(); }},
            {"presse_abandon", [](PartieTest& t, int, int) { t.jeu.presse_abandon(); }},
            {"minuterie", [](PartieTest& t, int, int) { t.jeu.relache_bouton(); }},
            {"retour", [](PartieTest& t, int, int) { t.jeu.retour_au_jeu(); }},
            {"oui", [](PartieTest& t, int, int) { t.plateforme.reponses.push_back(true); }},
            {"non", [](PartieTest& t, int, int) { t.plateforme.reponses.push_back(false); }},
            {"pas_a_pas", [](PartieTest& t, int, int) { t.plateforme.pas_a_pas = true; }}};
        int a = 0, b = 0;
        mots >> a >> b;
        actions.at(verbe)(t_, a, b);
    }

    // Clicks the first square the phase accepts until a question ends the game (or a bound that
    // no game on a 12 x 12 board reaches), telling each click and what it changed.
    std::vector<std::string> joue_partie() {
        std::vector<std::string> changes;
        t_.plateforme.questions.clear();
        for (int n = 0; n < 300 && t_.plateforme.questions.empty() && !t_.ecran().options.visible;
             ++n) {
            const Case c = t_.case_acceptee();
            const std::string clic = "clic " + std::to_string(c.x) + " " + std::to_string(c.y);
            changes.push_back("» " + clic);
            const std::vector<std::string> lignes = joue(clic);
            changes.insert(changes.end(), lignes.begin(), lignes.end());
        }
        return changes;
    }

    // A hidden element shows nothing: its place and picture only count once it shows.
    static std::string etat(const Element& e) {
        if (!e.visible) {
            return "cache";
        }
        const std::string s = std::to_string(e.left) + "," + std::to_string(e.top) + " " +
                              nom_image(e.image) + (e.texte.empty() ? "" : " \"" + e.texte + "\"");
        return e.actif ? s : s + " inactif";
    }

    static std::string etat(const Ligne& l) {
        return !l.visible ? "cache"
                          : std::to_string(l.x1) + "," + std::to_string(l.y1) + "-" +
                                std::to_string(l.x2) + "," + std::to_string(l.y2);
    }

    template <typename T, std::size_t N>
    static void serie(std::map<std::string, std::string>& e, const std::string& nom,
                      const std::array<T, N>& elements, std::size_t debut = 0) {
        const std::size_t chiffres = std::to_string(N - 1).size();
        for (std::size_t k = debut; k < N; ++k) {
            const std::string indice = std::to_string(k);
            e[nom + "[" + std::string(chiffres - indice.size(), '0') + indice + "]"] =
                etat(elements[k]);
        }
    }

    // Every element a player can see, by what it shows.
    std::map<std::string, std::string> ecran() const {
        const Ecran& f = t_.ecran();
        std::map<std::string, std::string> e{{"ecran_options", etat(f.options)},
                                             {"panneau_jeu", etat(f.panneau_jeu)},
                                             {"panneau_aide", etat(f.panneau_aide)},
                                             {"case_conseillee", etat(f.case_conseillee)},
                                             {"plaque_joueur", etat(f.plaque_joueur)},
                                             {"nom_au_trait", etat(f.nom_au_trait)},
                                             {"signe", etat(f.signe)},
                                             {"plaque_deplacement", etat(f.plaque_deplacement)},
                                             {"bouton_aide", etat(f.bouton_aide)},
                                             {"bouton_abandon", etat(f.bouton_abandon)},
                                             {"minuterie", f.minuterie ? "armee" : "arretee"},
                                             {"choix_mur", etat(f.choix_mur)},
                                             {"image_signe", etat(f.image_signe)},
                                             {"deplacement", etat(f.deplacement)},
                                             {"largeur", etat(f.texte_largeur)},
                                             {"hauteur", etat(f.texte_hauteur)}};
        serie(e, "ligne_verticale", f.lignes_verticales);
        serie(e, "ligne_horizontale", f.lignes_horizontales);
        serie(e, "numero_colonne", f.numeros_colonnes);
        serie(e, "numero_ligne", f.numeros_lignes);
        serie(e, "mur", f.murs, 1);
        serie(e, "pion", f.pions);
        serie(e, "case_accessible", f.cases_accessibles);
        serie(e, "interrupteur_aide", f.interrupteurs_aide);
        serie(e, "choix_pion", f.choix_pion);
        serie(e, "nom", f.noms);
        serie(e, "niveau", f.niveaux);
        return e;
    }

    PartieTest t_;
    int pause_ = -1; // the length of the pause an `attente` let end, -1 for none
};

} // namespace tessor
