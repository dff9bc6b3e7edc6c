#include "partenaire_etat.h"

namespace tessor::analyse {

Voisins voisins_libres(const Regles& regles, const Tableau& tableau, Case c) {
    Voisins v;
    for (Decalage d : regles.decalages()) {
        const Case cible = decale(c, d);
        if (tableau.libre(cible)) {
            v.cases[v.nombre++] = cible;
        }
    }
    return v;
}

namespace {
// Adds the free squares one move from `c` not taken yet.
void ajoute_voisins(const Regles& regles, const Tableau& tableau, Case c,
                    std::array<bool, NB_CELLULES>& pris, std::vector<Case>& liste) {
    const Voisins v = voisins_libres(regles, tableau, c);
    for (int k = 0; k < v.nombre; ++k) {
        const Case n = v.cases[k];
        if (!pris[indice(n.x, n.y)]) {
            pris[indice(n.x, n.y)] = true;
            liste.push_back(n);
        }
    }
}

std::vector<Case> murs(const Regles& regles, const EtatPartenaire& etat, bool proches) {
    const Tableau& t = etat.tableau;
    std::array<bool, NB_CELLULES> pris{};
    std::vector<Case> liste;
    ajoute_voisins(regles, t, etat.lui(), pris, liste);
    const std::size_t premiers = liste.size();
    for (std::size_t k = 0; k < premiers; ++k) {
        ajoute_voisins(regles, t, liste[k], pris, liste);
    }
    if (proches && !liste.empty()) {
        return liste;
    }
    for (int16 x = PREMIERE_CASE; x <= regles.derniere_colonne(); ++x) {
        for (int16 y = PREMIERE_CASE; y <= regles.derniere_ligne(); ++y) {
            if (t.libre(x, y) && !pris[indice(x, y)]) {
                liste.push_back({x, y});
            }
        }
    }
    return liste;
}
} // namespace

std::vector<Case> actions(const Regles& regles, const EtatPartenaire& etat, bool proches) {
    if (etat.mur) {
        return murs(regles, etat, proches);
    }
    const Voisins v = voisins_libres(regles, etat.tableau, etat.moi());
    return {v.cases.begin(), v.cases.begin() + v.nombre};
}

Issue joue_action(const Regles& regles, EtatPartenaire& etat, Case c) {
    Tableau& t = etat.tableau;
    if (!etat.mur) {
        t[etat.moi()] = VRAI;
        t[c] = FAUX;
        etat.pions[etat.joueur] = c;
        etat.mur = true;
        return Issue::en_cours;
    }
    t[c] = FAUX;
    const bool moi_bloque = regles.est_bloque(etat.moi(), t);
    const bool lui_bloque = regles.est_bloque(etat.lui(), t);
    etat.mur = false;
    etat.joueur = 1 - etat.joueur;
    if (moi_bloque || lui_bloque) {
        return moi_bloque && lui_bloque ? Issue::nul : moi_bloque ? Issue::perd : Issue::gagne;
    }
    return Issue::en_cours;
}

} // namespace tessor::analyse
