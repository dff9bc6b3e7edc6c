// The computer's move: a victory test, then at levels 2 and 3 a contested-square test, then a
// choice from its own evaluation table (with, at level 3, the value of the wall that follows).
#include "ordinateur.h"

#include "game/arrondi.h"

#include <cmath>

namespace tessor {

namespace {
Case decale_rang(Case c, const dep_classe& rang) {
    return decale(c, Decalage{rang.i, rang.j});
}

// Quotient of two table values, rounded to single precision before it meets its threshold.
float rapport(float a, float b) {
    return a / b;
}

} // namespace

void Ordinateur::dep_ordi(Case& position, Case position_adverse, int16 maxtaille, int16 niveau,
                          Tableau& tableau) {
    const int16 n = regles_.compte_case_dep(position_adverse.x, position_adverse.y, tableau);
    const bool proche = regles_.portee(position.x, position.y, position_adverse, 1);
    const bool voisin = regles_.portee(position.x, position.y, position_adverse, 2);
    if (((proche && n == 1) || (voisin && !proche && n == 2)) &&
        coup_gagnant(position, position_adverse, tableau)) {
        return;
    }
    choix_dep_niveau(position, position_adverse, maxtaille, niveau, tableau);
}

// Steps onto one of the opponent's last escape squares, provided it leaves the computer room.
bool Ordinateur::coup_gagnant(Case& position, Case position_adverse, const Tableau& tableau) const {
    for (Decalage d : regles_.decalages()) {
        const Case cible = decale(position, d);
        if (tableau.libre(cible) && regles_.portee(cible.x, cible.y, position_adverse, 1) &&
            regles_.compte_case_dep(cible.x, cible.y, tableau) >= 2) {
            position = cible;
            return true;
        }
    }
    return false;
}

void Ordinateur::choix_dep_niveau(Case& position, Case position_adverse, int16 maxtaille,
                                  int16 niveau, Tableau& tableau) {
    if ((niveau == 2 || niveau == 3) &&
        regles_.portee(position.x, position.y, position_adverse, 2)) {
        TableauDep tableau_dep;
        TableauDep tableau_dep_adverse;
        regles_.calcul_tab_dep(position.x, position.y, tableau_dep, maxtaille, tableau);
        regles_.calcul_tab_dep(position_adverse.x, position_adverse.y, tableau_dep_adverse,
                               maxtaille, tableau);
        Classement classement;
        Classement classement_adverse;
        classe(classement, tableau_dep);
        classe(classement_adverse, tableau_dep_adverse);
        if (classement[2].valeur == 0.0f ||
            rapport(classement[1].valeur, classement[2].valeur) >= 2.0f) {
            choix_dep_tab(position, position_adverse, maxtaille, niveau, tableau);
        } else {
            test2_dep_ordi(position, position_adverse, classement, classement_adverse, maxtaille,
                           niveau, tableau);
        }
        return;
    }
    choix_dep_tab(position, position_adverse, maxtaille, niveau, tableau);
}

// Takes a square that both pawns could reach, the one best placed in both rankings, when it is
// worth nearly as much as the computer's best move.
void Ordinateur::test2_dep_ordi(Case& position, Case position_adverse, const Classement& classement,
                                const Classement& classement_adverse, int16 maxtaille, int16 niveau,
                                Tableau& tableau) {
    int meilleur = 0;
    int meilleure_cle = 0;
    for (int a = 1; a <= 8; ++a) {
        const Case cible = decale_rang(position, classement[a]);
        if (!tableau.libre(cible) || classement[a].valeur <= 0.0f) {
            continue;
        }
        for (int b = 1; b <= 8; ++b) {
            if (decale_rang(position_adverse, classement_adverse[b]) == cible &&
                (meilleur == 0 || a + b < meilleure_cle)) {
                meilleur = a;
                meilleure_cle = a + b;
            }
        }
    }
    if (meilleur != 0 && rapport(classement[1].valeur, classement[meilleur].valeur) < 1.2f) {
        position = decale_rang(position, classement[meilleur]);
        return;
    }
    choix_dep_tab(position, position_adverse, maxtaille, niveau, tableau);
}

void Ordinateur::choix_dep_tab(Case& position, Case position_adverse, int16 maxtaille, int16 niveau,
                               Tableau& tableau) {
    TableauDep tableau_dep;
    regles_.calcul_tab_dep(position.x, position.y, tableau_dep, maxtaille, tableau);
    if (niveau == 3) {
        Classement classement;
        classe(classement, tableau_dep);
        choix_dep_anticipe(position, position_adverse, classement, tableau);
    } else {
        choix_dep2(position.x, position.y, tableau_dep);
    }
}

// Selection in eight passes: highest value first, equal values in reverse enumeration order.
// The zero offset is never ranked.
void Ordinateur::classe(Classement& classement, const TableauDep& tableau_dep) const {
    std::array<bool, 25> classe_deja{};
    float plafond = INFINITY;
    for (int k = 1; k <= 8; ++k) {
        const Decalage* choisi = nullptr;
        for (const Decalage& d : regles_.decalages()) {
            const int n = (d.i + 2) * 5 + (d.j + 2);
            const float v = tableau_dep(d.i, d.j);
            if ((d.i == 0 && d.j == 0) || classe_deja[n] || v > plafond) {
                continue;
            }
            if (choisi == nullptr || v >= tableau_dep(choisi->i, choisi->j)) {
                choisi = &d;
            }
        }
        classe_deja[(choisi->i + 2) * 5 + (choisi->j + 2)] = true;
        classement[k] = {choisi->i, choisi->j, tableau_dep(choisi->i, choisi->j)};
        plafond = classement[k].valeur;
    }
}

// Level 3: among the moves close to the best, the one whose value plus the value of the wall
// the computer would then put wins. Rank 8 is never examined.
void Ordinateur::choix_dep_anticipe(Case& position, Case position_adverse,
                                    const Classement& classement, Tableau& tableau) {
    int meilleur = 1;
    float s = 0.0f;
    Case casenoir = position_adverse;
    place_casenoir(casenoir, decale_rang(position, classement[1]), position_adverse, s,
                   profondeur_courant_, tableau);
    for (int k = 2; k < 8; ++k) {
        if (classement[k].valeur <= 0.0f ||
            rapport(classement[1].valeur, classement[k].valeur) >= 1.5f) {
            break;
        }
        const Case cible = decale_rang(position, classement[k]);
        const int16 avant_cible = tableau[cible];
        const int16 avant_position = tableau[position];
        tableau[cible] = FAUX;
        tableau[position] = VRAI;
        float s2 = 0.0f;
        casenoir = position_adverse;
        place_casenoir(casenoir, cible, position_adverse, s2, profondeur_courant_, tableau);
        tableau[position] = avant_position;
        tableau[cible] = avant_cible;
        if (classement[meilleur].valeur - classement[k].valeur < s2 - s && s < s2) {
            meilleur = k;
            s = s2;
        }
    }
    position = decale_rang(position, classement[meilleur]);
}

// Best value of the table; among equal values each later one replaces the best with one chance
// in two (a draw for every equality, including with the zero offset's 0).
void Ordinateur::choix_dep2(int16& x, int16& y, const TableauDep& tableau_dep) {
    Decalage meilleur{0, 0};
    for (Decalage d : regles_.decalages()) {
        if (d.i == 0 && d.j == 0) {
            continue;
        }
        const float v = tableau_dep(d.i, d.j);
        const float m = tableau_dep(meilleur.i, meilleur.j);
        if (v > m) {
            meilleur = d;
        } else if (v == m && arrondi_pair(2.0f * plateforme_.aleatoire()) == 1) {
            meilleur = d;
        }
    }
    x = static_cast<int16>(x + meilleur.i);
    y = static_cast<int16>(y + meilleur.j);
}

} // namespace tessor
