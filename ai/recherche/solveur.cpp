#include "solveur.h"

#include "departs.h"
#include "graphe.h"
#include "solveur_moteur.h"

#include <algorithm>
#include <numeric>
#include <thread>
#include <utility>
#include <vector>

namespace tessor {

namespace {

// Enough entries for the board (2^bits_max of 8 bytes above 20 squares), and no more than twice
// the node limit, unless the table needs more to name the board's positions.
Tables table_pour(const Graphe& g, std::uint64_t noeuds_max, const TableSolveur& choix) {
    const int taille = g.taille();
    int bits = taille <= 12 ? 17 : taille <= 16 ? 22 : taille <= 20 ? 24 : choix.bits_max;
    while (noeuds_max != 0 && bits > 10 && (std::uint64_t{1} << (bits - 1)) > noeuds_max) {
        --bits;
    }
    Connus grande = choix.fichier.empty()
                        ? Connus(bits, taille, choix.remplacement)
                        : Connus(bits, taille, choix.remplacement, choix.fichier, g.empreinte());
    if (choix.seuil_petite < 0) {
        return Tables(std::move(grande));
    }
    return Tables(std::move(grande), Connus(choix.bits_petite, taille, choix.remplacement),
                  choix.seuil_petite);
}

Verdict verdict(int v) {
    return v > 0 ? Verdict::gagne : v < 0 ? Verdict::perd : Verdict::nul;
}

int libres_du_plateau(const Regles& regles, const Tableau& tableau) {
    int n = 0;
    for (int x = PREMIERE_CASE; x <= regles.derniere_colonne(); ++x) {
        for (int y = PREMIERE_CASE; y <= regles.derniere_ligne(); ++y) {
            n += tableau.libre(x, y) ? 1 : 0;
        }
    }
    return n;
}

// Notes in `r` that the solver stopped before the end, with the nodes it visited; true if so.
bool note_interruption(const Solveur& s, Resolution& r) {
    if (!s.interrompu()) {
        return false;
    }
    r.statut = Statut::interrompu;
    r.noeuds = s.noeuds();
    return true;
}

// Where a run starts: the best value among the turns an earlier run settled, with its turn in
// `r`; or, from the first turn, -2, below every value.
int reprend(const Reprise& reprise, Resolution& r) {
    if (reprise.faits <= 0) {
        return -2;
    }
    r.deplacement = reprise.jusque_la.deplacement;
    r.mur = reprise.jusque_la.mur;
    return static_cast<int>(reprise.jusque_la.valeur);
}

} // namespace

Resolution resout(const Regles& regles, const Tableau& tableau, Case moi, Case lui,
                  std::uint64_t noeuds_max, const std::atomic<bool>* arret,
                  const TableSolveur& choix, const Reprise& reprise) {
    Resolution r;
    r.libres = libres_du_plateau(regles, tableau);
    if (r.libres > LIBRES_MAX_SOLVEUR) {
        r.statut = Statut::trop_grand;
        return r;
    }
    const Graphe g(regles, tableau, {moi, lui});
    const int a = g.numero(moi);
    const int b = g.numero(lui);
    const Masque f = g.tout() & ~bit(a) & ~bit(b);
    Tables table = table_pour(g, noeuds_max, choix);
    Solveur s(g, table, noeuds_max, {arret, nullptr});
    int meilleure = reprend(reprise, r);
    int faits = 0;
    for (Masque cibles = g.voisins(a) & f; cibles != 0 && meilleure < 1;) {
        const int m = extrait(cibles);
        for (Masque murs = (f & ~bit(m)) | bit(a); murs != 0 && meilleure < 1;) {
            const int w = extrait(murs);
            if (faits++ < reprise.faits) {
                continue;
            }
            const int v = s.tour(f, a, b, m, w, std::max(meilleure, -1), 1);
            if (note_interruption(s, r)) {
                return r;
            }
            if (v > meilleure) {
                meilleure = v;
                r.deplacement = g.case_de(m);
                r.mur = g.case_de(w);
            }
            if (reprise.suivi) {
                r.valeur = verdict(meilleure);
                r.noeuds = s.noeuds();
                reprise.suivi(faits, r);
            }
        }
    }
    r.valeur = verdict(meilleure);
    r.noeuds = s.noeuds();
    return r;
}

ResolutionPlacement resout_placements(const Regles& regles, const Tableau& tableau,
                                      std::uint64_t noeuds_max, const std::atomic<bool>* arret,
                                      int fils, const TableSolveur& choix,
                                      const ReprisePlacements& reprise) {
    ResolutionPlacement r;
    r.libres = libres_du_plateau(regles, tableau);
    if (r.libres > LIBRES_MAX_SOLVEUR) {
        r.statut = Statut::trop_grand;
        return r;
    }
    const Graphe g(regles, tableau, {});
    Tables table = table_pour(g, noeuds_max, choix);
    Departs d(g, reprise);
    const std::uint64_t part = noeuds_max == 0 ? 0 : (noeuds_max + fils - 1) / fils;
    std::vector<std::thread> aides;
    std::vector<std::uint64_t> noeuds(static_cast<std::size_t>(fils));
    std::atomic<bool> abandon{false};
    const auto travail = [&](int t) {
        Solveur s(g, table, part, {arret, &abandon});
        d.evalue(s);
        abandon = abandon || s.interrompu();
        noeuds[static_cast<std::size_t>(t)] = s.noeuds();
    };
    for (int t = 1; t < fils; ++t) {
        aides.emplace_back(travail, t);
    }
    travail(0);
    for (std::thread& t : aides) {
        t.join();
    }
    r.noeuds = std::accumulate(noeuds.begin(), noeuds.end(), std::uint64_t{0});
    if (abandon) {
        r.statut = Statut::interrompu;
        return r;
    }
    const int depart = d.meilleur();
    r.depart = g.case_de(d.carre(depart));
    r.valeur = verdict(d.valeur(depart));
    return r;
}

} // namespace tessor
