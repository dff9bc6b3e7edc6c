#include "enregistrement.h"

#include "partie.h"

namespace tessor {

namespace {
std::string ecrit_case(Case c) {
    return "[" + std::to_string(c.x) + ", " + std::to_string(c.y) + "]";
}

bool cote_valide(int16 cote) {
    return cote >= COTE_MIN && cote <= COTE_MAX;
}
} // namespace

std::string faute_de_decision(int16 niveau, int16 profondeur) {
    if (niveau >= 0 && niveau <= NIVEAU_MAX && profondeur >= 0 && profondeur <= PROFONDEUR_MAX) {
        return {};
    }
    return "niveau " + std::to_string(niveau) + " et profondeur " + std::to_string(profondeur) +
           " hors limites (0 à " + std::to_string(NIVEAU_MAX) + ", 0 à " +
           std::to_string(PROFONDEUR_MAX) + ")";
}

std::string faute_de_limites(const Enregistrement& e) {
    const Regles& r = e.regles;
    if (!cote_valide(r.largeur) || !cote_valide(r.hauteur)) {
        return "plateau de " + std::to_string(r.largeur) + " x " + std::to_string(r.hauteur) +
               " hors limites (côtés de " + std::to_string(COTE_MIN) + " à " +
               std::to_string(COTE_MAX) + ")";
    }
    for (int k = 0; k < 2; ++k) {
        const std::string joueur = "joueur " + std::to_string(k) + " : ";
        if (std::string faute = faute_de_decision(e.niveaux[k], e.profondeurs[k]); !faute.empty()) {
            return joueur + faute;
        }
        if (!r.sur_plateau(e.departs[k].x, e.departs[k].y)) {
            return joueur + "case de départ " + ecrit_case(e.departs[k]) + " hors du plateau";
        }
    }
    return {};
}

std::string decrit(const Action& a) {
    const char* quoi = a.genre == Evenement::Genre::pion_place     ? "placement"
                       : a.genre == Evenement::Genre::pion_deplace ? "déplacement"
                                                                   : "mur";
    const char* ou = a.genre == Evenement::Genre::pion_deplace ? " vers " : " sur ";
    return std::string(quoi) + " du joueur " + std::to_string(a.joueur) + ou + ecrit_case(a.lieu);
}

} // namespace tessor
