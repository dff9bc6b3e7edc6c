#include "departs.h"

#include "parcours.h"

#include <algorithm>
#include <array>

namespace tessor {

namespace {

// Tells whether an `Avancee` is the search of the turn numbered `k` of the first ply.
auto du_tour(int k) {
    return [k](const Avancee& a) { return a.chemin[0].faits == k; };
}

} // namespace

Departs::Departs(const Graphe& g, const ReprisePlacements& reprise) : g_(g), suivi_(reprise.suivi) {
    for (int a = 0; a < g.taille(); ++a) {
        nb_ += g.canonique(a) ? 1 : 0;
    }
    departs_ = std::make_unique<Depart[]>(static_cast<std::size_t>(nb_));
    for (int a = 0, i = 0; a < g.taille(); ++a) {
        if (g.canonique(a)) {
            prepare(i++, a);
        }
    }
    partages_.resize(questions_.size());
    std::vector<std::int8_t>& reponses = etat_.reponses;
    reponses.assign(questions_.size(), REPONSE_INCONNUE);
    const std::size_t connues = std::min(reponses.size(), reprise.etat.reponses.size());
    std::copy_n(reprise.etat.reponses.begin(), connues, reponses.begin());
    // The turns left in the middle stay in the reports as they were until a thread takes
    // their question up again; those of a question the board does not have are dropped.
    for (const Avancee& a : reprise.etat.en_cours) {
        if (static_cast<std::size_t>(a.question) < questions_.size() && !a.chemin.empty()) {
            partages_[static_cast<std::size_t>(a.question)].a_refaire.push_back(a);
        }
    }
}

void Departs::evalue(Solveur& s) {
    std::unique_lock<std::mutex> garde(verrou_);
    Avancee tache;
    while (attend(garde, tache)) {
        garde.unlock();
        const std::optional<int> v = cherche(s, tache);
        garde.lock();
        --en_vol_;
        arrete_ = arrete_ || s.interrompu();
        if (!arrete_) {
            rend(tache, v);
        }
        attente_.notify_all();
    }
}

int Departs::meilleur() const {
    int meilleur = 0;
    for (int i = 1; i < nb_; ++i) {
        meilleur = valeur(i) > valeur(meilleur) ? i : meilleur;
    }
    return meilleur;
}

void Departs::prepare(int i, int a) {
    Depart& d = departs_[static_cast<std::size_t>(i)];
    d.carre = a;
    const Masque f = g_.tout() & ~bit(a);
    if ((g_.voisins(a) & f) == 0) {
        d.valeur = -1;
        return;
    }
    std::array<int, 64> reponses{};
    const int n = par_proximite(g_, f, a, f, reponses.data());
    d.reponses.assign(reponses.begin(), reponses.begin() + n);
    d.restantes = 2 * n;
    for (int seuil = 0; seuil <= 1; ++seuil) {
        for (int k = 0; k < n; ++k) {
            questions_.push_back({i, seuil, k});
        }
    }
}

bool Departs::attend(std::unique_lock<std::mutex>& garde, Avancee& tache) {
    while (!arrete_) {
        if (prend(tache)) {
            ++en_vol_;
            return true;
        }
        if (en_vol_ == 0) {
            return false;
        }
        attente_.wait(garde);
    }
    return false;
}

bool Departs::prend(Avancee& tache) {
    for (std::size_t n = 0; n < questions_.size(); ++n) {
        Partage& p = partages_[n];
        if (!p.finie && sans_objet(questions_[n])) {
            finit(n, std::nullopt);
        }
        if (!p.finie && (p.ouverte || ouvre(n)) && donne(n, tache)) {
            return true;
        }
    }
    return false;
}

bool Departs::sans_objet(const Question& q) const {
    return q.seuil <= plancher_de(q.depart) ||
           departs_[static_cast<std::size_t>(q.depart)].haut < q.seuil;
}

bool Departs::ouvre(std::size_t n) {
    Partage& p = partages_[n];
    const Question& q = questions_[n];
    p.ouverte = true;
    const std::optional<int> connue =
        etat_.reponses[n] != REPONSE_INCONNUE ? etat_.reponses[n] : fin_au_placement(q);
    if (connue) {
        finit(n, connue);
        return false;
    }
    std::sort(p.a_refaire.begin(), p.a_refaire.end(), [](const Avancee& x, const Avancee& y) {
        return x.chemin[0].faits < y.chemin[0].faits;
    });
    if (!p.a_refaire.empty()) {
        const Etape& dernier = p.a_refaire.back().chemin[0];
        p.distribues = dernier.faits + 1;
        p.meilleure = dernier.meilleure;
    }
    return true;
}

bool Departs::donne(std::size_t n, Avancee& tache) {
    Partage& p = partages_[n];
    if (tient(n)) {
        return false;
    }
    if (!p.a_refaire.empty()) {
        tache = p.a_refaire.front();
        p.a_refaire.erase(p.a_refaire.begin());
    } else if ((p.distribues == 0 || (suivi_ && p.meilleure != REPONSE_INCONNUE)) &&
               p.distribues < p.nombre) {
        tache = {static_cast<int>(n), {{p.distribues++, p.meilleure}}};
    } else {
        return false;
    }
    p.pris.push_back(tache);
    return true;
}

bool Departs::tient(std::size_t n) const {
    // The replies' values are the other player's, in the window (-seuil, 1 - seuil); one at
    // 1 - seuil refutes the turn, whose search then ends.
    const int refute = 1 - questions_[n].seuil;
    const std::vector<Avancee>& pris = partages_[n].pris;
    return std::any_of(pris.begin(), pris.end(), [refute](const Avancee& a) {
        return a.chemin.size() >= 2 && a.chemin[1].faits >= Partage::TENUES &&
               a.chemin[1].meilleure < refute;
    });
}

std::tuple<int, int, Masque> Departs::placements(const Question& q) const {
    const Depart& d = departs_[static_cast<std::size_t>(q.depart)];
    const int a = d.carre;
    const int b = d.reponses[static_cast<std::size_t>(q.reponse)];
    return {a, b, g_.tout() & ~bit(a) & ~bit(b)};
}

std::optional<int> Departs::fin_au_placement(const Question& q) const {
    const auto [a, b, f] = placements(q);
    const bool a_bloque = (g_.voisins(a) & f) == 0;
    const bool b_bloque = (g_.voisins(b) & f) == 0;
    if (!a_bloque && !b_bloque) {
        return std::nullopt;
    }
    return a_bloque ? (b_bloque ? 0 : -1) : 1;
}

std::optional<int> Departs::cherche(Solveur& s, const Avancee& tache) {
    const Question& q = questions_[static_cast<std::size_t>(tache.question)];
    const auto [a, b, f] = placements(q);
    if (!suivi_) {
        return s.valeur(f, a, b, q.seuil - 1, q.seuil);
    }
    Parcours parcours(g_, s, tache.chemin, [this, &tache](const std::vector<Etape>& chemin) {
        return note_chemin(tache, chemin);
    });
    return parcours.premier_tour(f, a, b, q.seuil - 1, q.seuil);
}

bool Departs::note_chemin(const Avancee& tache, const std::vector<Etape>& chemin) {
    const std::lock_guard<std::mutex> garde(verrou_);
    std::vector<Avancee>& pris = partages_[static_cast<std::size_t>(tache.question)].pris;
    const auto a = std::find_if(pris.begin(), pris.end(), du_tour(tache.chemin[0].faits));
    if (a == pris.end()) {
        return false;
    }
    a->chemin = chemin;
    rapporte();
    return true;
}

void Departs::rend(const Avancee& tache, std::optional<int> v) {
    const std::size_t n = static_cast<std::size_t>(tache.question);
    Partage& p = partages_[n];
    const int k = tache.chemin[0].faits;
    p.pris.erase(std::remove_if(p.pris.begin(), p.pris.end(), du_tour(k)), p.pris.end());
    if (p.finie) {
        return;
    }
    const int seuil = questions_[n].seuil;
    if (!suivi_) {
        finit(n, v);
        return;
    }
    if (!v) {
        p.nombre = std::min(p.nombre, k);
    } else {
        p.meilleure = static_cast<std::int8_t>(std::max<int>(p.meilleure, *v));
    }
    if (p.meilleure >= seuil) {
        finit(n, seuil);
    } else if (p.distribues >= p.nombre && p.pris.empty() && p.a_refaire.empty()) {
        finit(n, seuil - 1);
    }
    if (v || p.finie) {
        rapporte();
    }
}

void Departs::finit(std::size_t n, std::optional<int> v) {
    Partage& p = partages_[n];
    p.finie = true;
    p.pris.clear();
    p.a_refaire.clear();
    const Question& q = questions_[n];
    Depart& d = departs_[static_cast<std::size_t>(q.depart)];
    if (v) {
        etat_.reponses[n] = static_cast<std::int8_t>(*v);
        d.haut = std::min(d.haut, *v < q.seuil ? *v : 1);
    }
    if (--d.restantes == 0) {
        d.valeur = d.haut;
    }
}

void Departs::rapporte() {
    std::vector<Avancee>& en_cours = etat_.en_cours;
    en_cours.clear();
    for (std::size_t n = 0; n < partages_.size(); ++n) {
        const Partage& p = partages_[n];
        if (p.finie) {
            continue;
        }
        bool dernier_en_vue = false;
        for (const std::vector<Avancee>* liste : {&p.a_refaire, &p.pris}) {
            for (Avancee a : *liste) {
                dernier_en_vue = dernier_en_vue || a.chemin[0].faits == p.distribues - 1;
                en_cours.push_back(std::move(a));
            }
        }
        if (p.distribues > 0 && !dernier_en_vue) {
            en_cours.push_back({static_cast<int>(n), {{p.distribues, p.meilleure}}});
        }
    }
    suivi_(etat_);
}

int Departs::plancher_de(int i) const {
    int plancher = -1;
    for (int j = 0; j < i; ++j) {
        plancher = std::max(plancher, valeur(j));
    }
    return plancher;
}
} // namespace tessor
