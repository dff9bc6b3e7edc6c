// The computer's move: a victory test, then at levels 2 and 3 a contested-square test, then a
// choice from its own evaluation table (with, at level 3, the value of the wall that follows).
#include "ordinateur.h"

#include "game/arrondi.h"

#include <cmath>

namespace tessor {

namespace {
// Quotient of two table values, rounded to single precision before it meets its threshold.
float rapport(float a, float b) {
    return a / b;
}

// The place of `d`, an element of `decalages`, in their enumeration.
std::size_t place(const Decalages& decalages, const Decalage& d) {
    return static_cast<std::size_t>(&d - decalages.begin());
}
} // namespace

Case Ordinateur::choisit_deplacement(Case position, Case position_adverse, int16 profondeur,
                                     int16 niveau, const Tableau& tableau) {
    const int16 n = regles_.compte_case_dep(position_adverse.x, position_adverse.y, tableau);
    const bool proche = regles_.portee(position.x, position.y, position_adverse, 1);
    const bool voisin = regles_.portee(position.x, position.y, position_adverse, 2);
    if ((proche && n == 1) || (voisin && !proche && n == 2)) {
        if (const auto c = coup_gagnant(position, position_adverse, tableau)) {
            return *c;
        }
    }
    if (niveau == 2 || niveau == 3) {
        if (const auto c = case_disputee(position, position_adverse, profondeur, tableau)) {
            return *c;
        }
    }
    return deplacement_selon_table(position, position_adverse, profondeur, niveau, tableau);
}

// Steps onto one of the opponent's last escape squares, provided it leaves the computer room.
std::optional<Case> Ordinateur::coup_gagnant(Case position, Case position_adverse,
                                             const Tableau& tableau) const {
    for (Decalage d : regles_.decalages()) {
        const Case cible = decale(position, d);
        if (tableau.libre(cible) && regles_.portee(cible.x, cible.y, position_adverse, 1) &&
            regles_.compte_case_dep(cible.x, cible.y, tableau) >= 2) {
            return cible;
        }
    }
    return std::nullopt;
}

// Within two moves of the opponent, and unless its best move is worth twice its second: a
// square that both pawns could reach, the one best placed in both rankings, when it is worth
// nearly as much as the computer's best move.
std::optional<Case> Ordinateur::case_disputee(Case position, Case position_adverse,
                                              int16 profondeur, const Tableau& tableau) const {
    if (!regles_.portee(position.x, position.y, position_adverse, 2)) {
        return std::nullopt;
    }
    const Classement classement = classe(regles_.calcul_tab_dep(position, profondeur, tableau));
    const Classement classement_adverse =
        classe(regles_.calcul_tab_dep(position_adverse, profondeur, tableau));
    if (classement[2].valeur == 0.0f ||
        rapport(classement[1].valeur, classement[2].valeur) >= 2.0f) {
        return std::nullopt;
    }
    int meilleur = 0;
    int meilleure_cle = 0;
    for (int a = 1; a <= 8; ++a) {
        const Case cible = decale(position, classement[a].decalage);
        if (!tableau.libre(cible) || classement[a].valeur <= 0.0f) {
            continue;
        }
        for (int b = 1; b <= 8; ++b) {
            if (decale(position_adverse, classement_adverse[b].decalage) == cible &&
                (meilleur == 0 || a + b < meilleure_cle)) {
                meilleur = a;
                meilleure_cle = a + b;
            }
        }
    }
    if (meilleur != 0 && rapport(classement[1].valeur, classement[meilleur].valeur) < 1.2f) {
        return decale(position, classement[meilleur].decalage);
    }
    return std::nullopt;
}

Case Ordinateur::deplacement_selon_table(Case position, Case position_adverse, int16 profondeur,
                                         int16 niveau, const Tableau& tableau) {
    const TableauDep tableau_dep = regles_.calcul_tab_dep(position, profondeur, tableau);
    if (niveau == 3) {
        return deplacement_anticipe(position, position_adverse, classe(tableau_dep), tableau);
    }
    return decale(position, meilleur_decalage(tableau_dep));
}

// Selection in eight passes: highest value first, equal values in reverse enumeration order.
// The zero offset is never ranked.
Ordinateur::Classement Ordinateur::classe(const TableauDep& tableau_dep) const {
    Classement classement;
    const Decalages decalages = regles_.decalages();
    // Indexed by the offset's place in the enumeration, the king's being the longer.
    std::array<bool, DEP_ROI.size()> classe_deja{};
    float plafond = INFINITY;
    for (int k = 1; k <= 8; ++k) {
        const Decalage* choisi = nullptr;
        for (const Decalage& d : decalages) {
            const float v = tableau_dep(d.i, d.j);
            if ((d.i == 0 && d.j == 0) || classe_deja[place(decalages, d)] || v > plafond) {
                continue;
            }
            if (choisi == nullptr || v >= tableau_dep(choisi->i, choisi->j)) {
                choisi = &d;
            }
        }
        classe_deja[place(decalages, *choisi)] = true;
        classement[k] = {*choisi, tableau_dep(choisi->i, choisi->j)};
        plafond = classement[k].valeur;
    }
    return classement;
}

// Level 3: among the moves close to the best, the one whose value plus the value of the wall
// the computer would then put wins. Each move is tried on a copy of the board where the pawn
// has left its square for the move's. Rank 8 is never examined.
Case Ordinateur::deplacement_anticipe(Case position, Case position_adverse,
                                      const Classement& classement, const Tableau& tableau) {
    int meilleur = 1;
    float s = choisit_mur(position_adverse, decale(position, classement[1].decalage),
                          position_adverse, profondeur_courant_, tableau)
                  .score;
    for (int k = 2; k < 8; ++k) {
        if (classement[k].valeur <= 0.0f ||
            rapport(classement[1].valeur, classement[k].valeur) >= 1.5f) {
            break;
        }
        const Case cible = decale(position, classement[k].decalage);
        Tableau essai = tableau;
        essai[cible] = FAUX;
        essai[position] = VRAI;
        const float s2 =
            choisit_mur(position_adverse, cible, position_adverse, profondeur_courant_, essai)
                .score;
        if (classement[meilleur].valeur - classement[k].valeur < s2 - s && s < s2) {
            meilleur = k;
            s = s2;
        }
    }
    return decale(position, classement[meilleur].decalage);
}

// Best value of the table; among equal values each later one replaces the best with one chance
// in two (a draw for every equality, including with the zero offset's 0).
Decalage Ordinateur::meilleur_decalage(const TableauDep& tableau_dep) {
    Decalage meilleur{0, 0};
    for (Decalage d : regles_.decalages()) {
        if (d.i == 0 && d.j == 0) {
            continue;
        }
        const float v = tableau_dep(d.i, d.j);
        const float m = tableau_dep(meilleur.i, meilleur.j);
        if (v > m) {
            meilleur = d;
        } else if (v == m && arrondi_pair(2.0f * alea_.aleatoire()) == 1) {
            meilleur = d;
        }
    }
    return meilleur;
}

} // namespace tessor
