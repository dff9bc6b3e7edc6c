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

bool decision_valide(int16 niveau, int16 profondeur) {
    return niveau >= 0 && niveau <= NIVEAU_MAX && profondeur >= 0 && profondeur <= PROFONDEUR_MAX;
}

std::string faute_de_limites(const Enregistrement& e) {
    const Regles& r = e.regles;
    if (!cote_valide(r.largeur) || !cote_valide(r.hauteur)) {
        return "plateau de " + std::to_string(r.largeur) + " x " + std::to_string(r.hauteur) +
               " hors limites (côtés de " + std::to_string(COTE_MIN) + " à " +
               std::to_string(COTE_MAX) + ")";
    }
    for (int k = 0; k < 2; ++k) {
        const std::string joueur = "joueur " + std::to_string(k);
        if (!decision_valide(e.niveaux[k], e.profondeurs[k])) {
            return joueur + " : niveau " + std::to_string(e.niveaux[k]) + " et profondeur " +
                   std::to_string(e.profondeurs[k]) + " hors limites (0 à " +
                   std::to_string(NIVEAU_MAX) + ", 0 à " + std::to_string(PROFONDEUR_MAX) + ")";
        }
        if (!r.sur_plateau(e.departs[k].x, e.departs[k].y)) {
            return joueur + " : case de départ " + ecrit_case(e.departs[k]) + " hors du plateau";
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
