// The wall choice: block the square the opponent would most like to reach next.
#include "ordinateur.h"

#include "game/tirage.h"

#include <cmath>

namespace tessor {

ChoixMur Ordinateur::choisit_mur(Case depart, Case reference, Case position_adverse,
                                 int16 profondeur, const Tableau& tableau) {
    if (regles_.compte_case_dep(position_adverse.x, position_adverse.y, tableau) != 0) {
        const TableauDep tableau_dep =
            regles_.calcul_tab_dep(position_adverse, profondeur, tableau);
        const Decalage d = decalage_du_mur(depart, reference, tableau_dep);
        return {decale(depart, d), tableau_dep(d.i, d.j)};
    }
    Case case_mur = depart;
    tirage_case_libre(regles_, alea_, case_mur, tableau);
    return {case_mur, SCORE_AUCUN_DEP};
}

Decalage Ordinateur::decalage_du_mur(Case depart, Case reference, const TableauDep& tableau_dep) {
    // The tie list starts with the zero offset as a placeholder worth 0; the first positive
    // value replaces it. Nine places: the placeholder and eight equal offsets.
    std::array<Decalage, 9> liste_max{};
    int nb_max = 1;
    for (Decalage d : regles_.decalages()) {
        if (d.i == 0 && d.j == 0) {
            continue;
        }
        const float v = tableau_dep(d.i, d.j);
        const float max = tableau_dep(liste_max[0].i, liste_max[0].j);
        if (v > max) {
            liste_max[0] = d;
            nb_max = 1;
        } else if (v == max) {
            liste_max[nb_max++] = d;
        }
    }
    Decalage choisi = liste_max[0];
    if (nb_max > 1) {
        // Prefer, among equals, a square away from the reference square; one draw either way.
        std::array<Decalage, 9> liste_filtre{};
        int nb_filtre = 0;
        for (int k = 0; k < nb_max; ++k) {
            const Case cible = decale(depart, liste_max[k]);
            if (!regles_.portee(cible.x, cible.y, reference, 1)) {
                liste_filtre[nb_filtre++] = liste_max[k];
            }
        }
        const float r = alea_.aleatoire();
        if (nb_filtre >= 1) {
            choisi = liste_filtre[static_cast<int>(std::floor(r * static_cast<float>(nb_filtre)))];
        } else {
            choisi = liste_max[static_cast<int>(std::floor(r * static_cast<float>(nb_max)))];
        }
    }
    return choisi;
}

} // namespace tessor
