#include "recherche.h"

#include "chercheur.h"
#include "solveur.h"

#include <algorithm>

namespace tessor {

namespace {
// At most this many free squares, the decision first tries to solve the position exactly, with a
// quarter of its budget: on 6 x 6, such positions take a thousand nodes or so (median), a few
// hundred thousand at worst.
constexpr int LIBRES_EXACT = 12;
constexpr std::uint64_t PART_EXACTE = 4;

// Deepening stops at a proven result, or when the game cannot last that many more turns.
bool deepening_fini(int valeur, int profondeur, const Position& p) {
    return valeur >= SEUIL_PROUVE || valeur <= -SEUIL_PROUVE || profondeur > p.libres.compte();
}

// The first turn in board order: a move and the square it leaves as the wall.
Tour premier_tour(const Voisinage& g, const Position& p) {
    const Indice m = (g.voisins(p.moi) & p.libres).premier();
    return {m, p.moi};
}

constexpr int INFINI = VICTOIRE + 1;

// The end test after a placement, for the pawn just placed at `pose` against `autre`: the
// value of a finished game, or nothing when it goes on.
std::optional<int> fin_placement(const Voisinage& g, const Bits& libres, Indice pose,
                                 Indice autre) {
    const bool pose_bloque = (g.voisins(pose) & libres).vide();
    const bool autre_bloque = (g.voisins(autre) & libres).vide();
    if (autre_bloque) {
        return pose_bloque ? 0 : VICTOIRE - 1;
    }
    if (pose_bloque) {
        return -(VICTOIRE - 1);
    }
    return std::nullopt;
}

// The second placement at `pose` against the first pawn `premier`, who then moves first: its
// value for the second placer.
int valeur_second(Chercheur& c, const Voisinage& g, const Bits& libres, Indice premier, Indice pose,
                  int profondeur, int alpha, int beta) {
    Bits f = libres;
    f.retire(pose);
    if (const auto fin = fin_placement(g, f, pose, premier)) {
        return *fin;
    }
    return -c.valeur({f, premier, pose}, profondeur, -beta, -alpha, 1);
}

// The first placement at `pose`: the value for the first placer against the reply that is worst
// for it, as soon as that falls to `alpha`.
int valeur_premier(Chercheur& c, const Voisinage& g, const Bits& libres, Indice pose,
                   int profondeur, int alpha) {
    Bits f = libres;
    f.retire(pose);
    if ((g.voisins(pose) & f).vide()) {
        return -(VICTOIRE - 1);
    }
    int pire = INFINI;
    for (Bits reponses = f; !reponses.vide() && pire > alpha && !c.interrompu();) {
        const Indice r = reponses.extrait();
        pire = std::min(pire, -valeur_second(c, g, f, pose, r, profondeur, -pire, -alpha));
    }
    return pire;
}

// The first placement at `pose` against a model: the average over the opponent's start squares
// it gives, each as likely. The first player is then on turn two plies down, so that the model
// plays the odd plies. Without a start square (never with more than LIBRES_EXACT free squares)
// it is worth 0.
int valeur_moyenne(Chercheur& c, const Voisinage& g, const Bits& libres, Indice pose,
                   int profondeur, ModeleAdverse& modele) {
    Bits f = libres;
    f.retire(pose);
    std::vector<Indice> departs;
    modele.departs(f, departs);
    long long somme = 0;
    for (const Indice d : departs) {
        Bits apres = f;
        apres.retire(d);
        const auto fin = fin_placement(g, apres, d, pose);
        somme += fin ? -*fin : c.valeur({apres, pose, d}, profondeur, -INFINI, INFINI, 2);
    }
    return departs.empty() ? 0 : static_cast<int>(somme / static_cast<long long>(departs.size()));
}

// The search's turn, deepened until the budget runs out or the result is proven.
DecisionTour cherche(const Voisinage& g, const Position& p, std::uint64_t budget,
                     const std::atomic<bool>* arret, const Poids& poids, ModeleAdverse* modele) {
    DecisionTour d;
    Chercheur c(g, poids, budget, arret, modele);
    Tour meilleur = premier_tour(g, p);
    for (int profondeur = 1;; ++profondeur) {
        const Resultat r = c.racine(p, profondeur, meilleur);
        if (c.interrompu()) {
            meilleur = r.tour.existe() ? r.tour : meilleur;
            break;
        }
        meilleur = r.tour;
        d.valeur = r.valeur;
        d.profondeur = profondeur;
        if (deepening_fini(r.valeur, profondeur, p)) {
            break;
        }
    }
    d.deplacement = Voisinage::case_de(meilleur.deplacement);
    d.mur = Voisinage::case_de(meilleur.mur);
    d.noeuds = c.noeuds();
    return d;
}

// The turn does not end the game with the mover alone blocked, and the solver finds no win for
// the opponent after it within `limite` nodes; `noeuds` counts the nodes it took.
bool garde_le_nul(const Regles& regles, const Tableau& tableau, Case moi, Case lui,
                  const DecisionTour& d, std::uint64_t limite, const std::atomic<bool>* arret,
                  std::uint64_t& noeuds) {
    Tableau t = tableau;
    t[moi] = VRAI;
    t[d.deplacement] = FAUX;
    t[d.mur] = FAUX;
    const bool lui_bloque = regles.est_bloque(lui, t);
    const bool moi_bloque = regles.est_bloque(d.deplacement, t);
    if (lui_bloque || moi_bloque) {
        return lui_bloque;
    }
    const Resolution r = resout(regles, t, lui, d.deplacement, limite, arret);
    noeuds += r.noeuds;
    return r.statut == Statut::resolu && r.valeur != Verdict::gagne;
}

int valeur_exacte(Verdict v) {
    return v == Verdict::gagne ? SEUIL_PROUVE : v == Verdict::perd ? -SEUIL_PROUVE : 0;
}
} // namespace

DecisionTour decide_tour(const Regles& regles, const Tableau& tableau, Case moi, Case lui,
                         std::uint64_t budget, const std::atomic<bool>* arret,
                         std::optional<Poids> choix, ModeleAdverse* modele) {
    const Poids poids = choix.value_or(poids_du_mode(regles.cavalier));
    const Voisinage g(regles);
    const Position p{g.libres(tableau), g.indice(moi), g.indice(lui)};
    if (p.libres.compte() > LIBRES_EXACT) {
        return cherche(g, p, budget, arret, poids, modele);
    }
    const std::uint64_t part = budget / PART_EXACTE;
    const Resolution r = resout(regles, tableau, moi, lui, part, arret);
    const DecisionTour exacte{r.deplacement, r.mur, valeur_exacte(r.valeur), p.libres.compte(),
                              r.noeuds};
    if (r.statut == Statut::resolu && r.valeur == Verdict::gagne) {
        return exacte;
    }
    // A lost position is left to the search, which makes the loss as long as it can; a drawn one
    // too, for a turn that still tests the opponent, played when the solver finds that it keeps
    // the draw.
    DecisionTour d = cherche(g, p, budget - r.noeuds - part, arret, poids, modele);
    d.noeuds += r.noeuds;
    if (r.statut != Statut::resolu || r.valeur == Verdict::perd) {
        return d;
    }
    const bool garde = garde_le_nul(regles, tableau, moi, lui, d, part, arret, d.noeuds);
    return garde ? DecisionTour{d.deplacement, d.mur, 0, d.profondeur, d.noeuds}
                 : DecisionTour{exacte.deplacement, exacte.mur, 0, exacte.profondeur, d.noeuds};
}

DecisionPlacement decide_placement(const Regles& regles, const Tableau& tableau,
                                   std::optional<Case> lui, std::uint64_t budget,
                                   const std::atomic<bool>* arret, std::optional<Poids> choix,
                                   ModeleAdverse* modele) {
    const Poids poids = choix.value_or(poids_du_mode(regles.cavalier));
    const Voisinage g(regles);
    const Bits libres = g.libres(tableau);
    DecisionPlacement d;
    if (libres.vide()) {
        return d;
    }
    if (!lui && libres.compte() <= LIBRES_EXACT) {
        const ResolutionPlacement r =
            resout_placements(regles, tableau, budget / PART_EXACTE, arret);
        d.noeuds = r.noeuds;
        if (r.statut == Statut::resolu) {
            return {r.depart, valeur_exacte(r.valeur), libres.compte(), d.noeuds};
        }
    }
    Chercheur c(g, poids, budget - d.noeuds, arret, modele);
    Indice meilleur = libres.premier();
    for (int profondeur = 0; !c.interrompu(); ++profondeur) {
        int alpha = -INFINI;
        Indice choisi = meilleur;
        Bits candidats = libres;
        candidats.retire(meilleur);
        for (Indice pose = meilleur; pose >= 0 && !c.interrompu();
             pose = candidats.vide() ? -1 : candidats.extrait()) {
            const int v =
                lui ? valeur_second(c, g, libres, g.indice(*lui), pose, profondeur, alpha, INFINI)
                : modele ? valeur_moyenne(c, g, libres, pose, profondeur, *modele)
                         : valeur_premier(c, g, libres, pose, profondeur, alpha);
            if (!c.interrompu() && v > alpha) {
                alpha = v;
                choisi = pose;
            }
        }
        meilleur = choisi;
        if (!c.interrompu()) {
            d.valeur = alpha;
            d.profondeur = profondeur;
        }
        if (c.interrompu() || profondeur >= libres.compte() || alpha >= SEUIL_PROUVE) {
            break;
        }
    }
    d.depart = Voisinage::case_de(meilleur);
    d.noeuds += c.noeuds();
    return d;
}

} // namespace tessor
