#include "chercheur.h"

#include "game/clones.h"
#include "game/regles.h"

#include <algorithm>
#include <array>

namespace tessor {

namespace {
constexpr int INFINI = VICTOIRE + 1;
constexpr int PLY_MAX = 160;
constexpr int BITS_TABLE = 18;
// The stop flag is read once every this many nodes.
constexpr std::uint64_t PERIODE_ARRET = 256;

constexpr int RANG_TABLE = 1 << 30;
constexpr int RANG_TUEUR = 1 << 29;
constexpr int BONUS_ISSUE = 1 << 12;

int historique_indice(Tour t) {
    return t.deplacement * NB_INDICES + t.mur;
}

// Proven values are stored relative to the position, read back relative to the decision.
int vers_table(int v, int ply) {
    return v >= SEUIL_PROUVE ? v + ply : v <= -SEUIL_PROUVE ? v - ply : v;
}
int depuis_table(int v, int ply) {
    return v >= SEUIL_PROUVE ? v - ply : v <= -SEUIL_PROUVE ? v + ply : v;
}

// A free square far from both pawns, the first one in board order: a wall that changes nothing
// near them.
Indice mur_neutre(const Voisinage& g, const Bits& libres, Indice arrivee, Indice lui) {
    const Bits proches = g.voisins(arrivee) | g.voisins(lui);
    const Bits loin = sauf(libres, g.etend(proches) | proches);
    return loin.vide() ? -1 : loin.premier();
}

// The game's moves as shifts of the bit layout, where the next row starts LARGEUR_LIGNE bits
// further on; the king's step that stays on its square is left out.
template <std::size_t N>
constexpr std::array<int, 8> pas_des(const std::array<Decalage, N>& decalages) {
    std::array<int, 8> pas{};
    std::size_t n = 0;
    for (const Decalage d : decalages) {
        if (d.i != 0 || d.j != 0) {
            pas[n++] = d.j * LARGEUR_LIGNE + d.i;
        }
    }
    return pas;
}

// The squares with more than goulet_max free squares one move away, counted for all squares at
// once: each shift of the free set by a move adds one to the squares it covers, and au_moins[k]
// holds the squares with more than k of them.
Bits ouvertes(const Voisinage& g, const Bits& libres) {
    static constexpr std::array<int, 8> ROI = pas_des(DEP_ROI);
    static constexpr std::array<int, 8> CAVALIER = pas_des(DEP_CAVALIER);
    static_assert(goulet_max(false) < 3 && goulet_max(true) < 3, "three counters");
    const bool cavalier = g.regles().cavalier;
    const int max = goulet_max(cavalier);
    std::array<Bits, 3> au_moins{};
    for (const int pas : cavalier ? CAVALIER : ROI) {
        const Bits x = libres.decale(pas);
        for (int k = max; k > 0; --k) {
            au_moins[k] |= au_moins[k - 1] & x;
        }
        au_moins[0] |= x;
    }
    return au_moins[max];
}

// The narrow passages one move beyond `proches`.
Bits goulets(const Voisinage& g, const Bits& libres, const Bits& proches) {
    return sauf(g.etend(proches) & libres, proches | ouvertes(g, libres));
}
} // namespace

TESSOR_CLONES Bits murs_essayes(const Voisinage& g, const Bits& libres, Indice arrivee,
                                Indice lui) {
    if (libres.compte() <= LIBRES_TOUS_MURS) {
        return libres;
    }
    const Bits issues = g.voisins(lui) & libres;
    Bits murs = issues | (g.etend(issues) & libres);
    murs |= goulets(g, libres, murs);
    const Indice neutre = mur_neutre(g, libres, arrivee, lui);
    if (neutre >= 0) {
        murs.ajoute(neutre);
    }
    return murs.vide() ? libres : murs;
}

Chercheur::Chercheur(const Voisinage& g, const Poids& poids, std::uint64_t budget,
                     const std::atomic<bool>* arret, ModeleAdverse* modele)
    : g_(g), poids_(poids), budget_(budget), arret_(arret), modele_(modele), table_(BITS_TABLE),
      historique_(NB_INDICES * NB_INDICES, 0), tueurs_(PLY_MAX), listes_(PLY_MAX) {}

// The stop flag is read once every PERIODE_ARRET nodes. The count also moves by the nodes a
// model's choice is charged, so the reading is due once the count reaches the next period, not
// only when it lands on one.
bool Chercheur::compte_noeud() {
    ++noeuds_;
    if (noeuds_ >= prochain_controle_) {
        prochain_controle_ = noeuds_ + PERIODE_ARRET;
        interrompu_ = interrompu_ || (arret_ != nullptr && arret_->load());
    }
    interrompu_ = interrompu_ || noeuds_ >= budget_;
    return !interrompu_;
}

void Chercheur::genere(const Position& p, Tour prefere, int ply, std::vector<Coup>& coups) const {
    coups.clear();
    const auto& tueurs = tueurs_[static_cast<std::size_t>(ply)];
    Bits cibles = g_.voisins(p.moi) & p.libres;
    while (!cibles.vide()) {
        const Indice m = cibles.extrait();
        const Bits f = libres_apres_deplacement(p, m);
        const Bits issues = g_.voisins(p.lui) & f;
        Bits murs = murs_essayes(g_, f, m, p.lui);
        while (!murs.vide()) {
            const Tour t{m, murs.extrait()};
            int rang = historique_[static_cast<std::size_t>(historique_indice(t))];
            if (t == prefere) {
                rang = RANG_TABLE;
            } else if (t == tueurs[0] || t == tueurs[1]) {
                rang = RANG_TUEUR;
            } else if (issues.contient(t.mur)) {
                rang += BONUS_ISSUE;
            }
            coups.push_back({t, rang});
        }
    }
}

void Chercheur::genere_modele(const Position& p, std::vector<Coup>& coups) {
    noeuds_ += NOEUDS_MODELE;
    modele_->tours(p, tours_modele_);
    coups.clear();
    for (const Tour t : tours_modele_) {
        coups.push_back({t, 0});
    }
}

void Chercheur::note_coupure(Tour t, int profondeur, int ply) {
    auto& tueurs = tueurs_[static_cast<std::size_t>(ply)];
    if (!(tueurs[0] == t)) {
        tueurs[1] = tueurs[0];
        tueurs[0] = t;
    }
    int& h = historique_[static_cast<std::size_t>(historique_indice(t))];
    h = std::min(h + profondeur * profondeur, BONUS_ISSUE - 1);
}

int Chercheur::joue(const Position& p, std::uint64_t c, Tour t, int profondeur, int alpha, int beta,
                    int ply) {
    Bits f = libres_apres_deplacement(p, t.deplacement);
    f.retire(t.mur);
    const int fin = VICTOIRE - (ply + 1);
    switch (suite_du_tour(g_, f, t.deplacement, p.lui)) {
    case Suite::gagne:
        return fin;
    case Suite::perd:
        return -fin;
    case Suite::nul:
        return 0;
    case Suite::continue_:
        break;
    }
    const std::uint64_t cf = c ^ cle_pions(p.moi, p.lui) ^ cle_pions(p.lui, t.deplacement) ^
                             cle_libre(t.deplacement) ^ cle_libre(p.moi) ^ cle_libre(t.mur);
    return -negamax({f, p.lui, t.deplacement}, cf, profondeur - 1, -beta, -alpha, ply + 1, nullptr);
}

int Chercheur::negamax(const Position& p, std::uint64_t c, int profondeur, int alpha, int beta,
                       int ply, Tour* meilleur) {
    if (!compte_noeud()) {
        return 0;
    }
    // A modelled opponent plays what its model says, even when it misses a win.
    const Tour gagnant = modele_joue(ply) ? Tour{} : tour_gagnant(g_, p);
    if (gagnant.existe()) {
        if (meilleur != nullptr) {
            *meilleur = gagnant;
        }
        return VICTOIRE - (ply + 1);
    }
    if (profondeur <= 0 || ply + 1 >= PLY_MAX) {
        return evalue(g_, p, poids_);
    }
    Tour prefere = meilleur != nullptr ? *meilleur : Tour{};
    if (const std::optional<int> v =
            tranche_table(c, profondeur, alpha, beta, ply, meilleur != nullptr, prefere)) {
        return *v;
    }
    std::vector<Coup>& coups = listes_[static_cast<std::size_t>(ply)];
    if (modele_joue(ply)) {
        genere_modele(p, coups);
    } else {
        genere(p, prefere, ply, coups);
    }
    const Resultat r = essaie_tours(p, c, coups, profondeur, alpha, beta, ply, meilleur);
    if (interrompu_) {
        return r.valeur;
    }
    const Borne borne = r.valeur <= alpha  ? Borne::haute
                        : r.valeur >= beta ? Borne::basse
                                           : Borne::exacte;
    table_.range({c, r.tour, vers_table(r.valeur, ply), profondeur, borne});
    return r.valeur;
}

std::optional<int> Chercheur::tranche_table(std::uint64_t c, int profondeur, int alpha, int beta,
                                            int ply, bool decision, Tour& prefere) const {
    const Entree* e = table_.cherche(c);
    if (e == nullptr) {
        return std::nullopt;
    }
    if (!prefere.existe()) {
        prefere = e->meilleur;
    }
    const int v = depuis_table(e->valeur, ply);
    if (!decision && e->profondeur >= profondeur &&
        (e->borne == Borne::exacte || (e->borne == Borne::basse && v >= beta) ||
         (e->borne == Borne::haute && v <= alpha))) {
        return v;
    }
    return std::nullopt;
}

Resultat Chercheur::essaie_tours(const Position& p, std::uint64_t c, std::vector<Coup>& coups,
                                 int profondeur, int alpha, int beta, int ply, Tour* meilleur) {
    Resultat r{Tour{}, -INFINI};
    // Many nodes cut on the first turn, so it is brought to the front alone and the others sorted
    // only if it does not.
    const auto par_rang = [](const Coup& a, const Coup& b) { return a.rang > b.rang; };
    if (!coups.empty()) {
        const auto premier = std::min_element(coups.begin(), coups.end(), par_rang);
        std::rotate(coups.begin(), premier, premier + 1);
    }
    for (std::size_t k = 0; k < coups.size(); ++k) {
        if (k == 1) {
            std::stable_sort(coups.begin() + 1, coups.end(), par_rang);
        }
        const Tour t = coups[k].tour;
        int v;
        if (k == 0) {
            v = joue(p, c, t, profondeur, alpha, beta, ply);
        } else {
            v = joue(p, c, t, profondeur, alpha, alpha + 1, ply);
            if (v > alpha && v < beta && !interrompu_) {
                v = joue(p, c, t, profondeur, alpha, beta, ply);
            }
        }
        if (interrompu_) {
            return r;
        }
        if (v > r.valeur) {
            r = {t, v};
            if (meilleur != nullptr) {
                *meilleur = t;
            }
        }
        alpha = std::max(alpha, v);
        if (alpha >= beta) {
            note_coupure(t, profondeur, ply);
            break;
        }
    }
    return r;
}

int Chercheur::valeur(const Position& p, int profondeur, int alpha, int beta, int ply) {
    return negamax(p, cle(p), profondeur, alpha, beta, ply, nullptr);
}

Resultat Chercheur::racine(const Position& p, int profondeur, Tour premier) {
    Tour t = premier;
    const int v = negamax(p, cle(p), profondeur, -INFINI, INFINI, 0, &t);
    if (interrompu_ && t == premier) {
        return {premier, v};
    }
    return {t, v};
}

} // namespace tessor
