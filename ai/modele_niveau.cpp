#include "modele_niveau.h"

#include "game/hasard.h"
#include "ordinateur.h"

#include <algorithm>

namespace tessor {

namespace {
// A level draws a random number only to break a tie. The model answers the draws from a script,
// and follows every choice the level may make with a few scripts:
// - its move: ranking the moves, each tie with the best so far draws a coin, and the last tied
//   move whose coin came up wins. Coins that come up for the first j draws and not after, for
//   every j, give every move that can win.
// - its wall: a single draw picks one of up to nine equal squares; NB_TIRAGES numbers spread
//   over [0, 1) pick each of them.
// - its wall when its move leaves the other pawn blocked: a random free square, any of them.
// Once the level reseeds (for a random free square, which it draws until it finds one), the
// draws come from a generator, so that drawing always ends.
constexpr int NB_TIRAGES = 9;
constexpr float PILE = 0.5f; // a coin that comes up: 2 x 0.5 rounds to 1
constexpr float FACE = 0.1f;

class TirageScripte final : public Alea {
  public:
    // The first `avant` draws give `premier`, the others `ensuite`.
    TirageScripte(int avant, float premier, float ensuite)
        : avant_(avant), premier_(premier), ensuite_(ensuite) {}

    float aleatoire() override {
        if (reensemence_) {
            return hasard_.tirage();
        }
        return tirages_++ < avant_ ? premier_ : ensuite_;
    }
    // The clock of a model stands at midnight.
    void reensemence() override {
        reensemence_ = true;
        hasard_.reensemence(0);
    }
    int tirages() const { return tirages_; }

  private:
    int avant_;
    float premier_;
    float ensuite_;
    Hasard hasard_;
    bool reensemence_ = false;
    int tirages_ = 0;
};

// Several scripts often lead to one and the same choice: it is listed once.
template <typename T> void ajoute_une_fois(std::vector<T>& liste, const T& x) {
    if (std::find(liste.begin(), liste.end(), x) == liste.end()) {
        liste.push_back(x);
    }
}

Tableau tableau_de(const Voisinage& g, const Bits& libres) {
    Tableau t;
    g.regles().init_tableau(t);
    for (int16 x = PREMIERE_CASE; x <= g.regles().derniere_colonne(); ++x) {
        for (int16 y = PREMIERE_CASE; y <= g.regles().derniere_ligne(); ++y) {
            if (!libres.contient(g.indice({x, y}))) {
                t(x, y) = FAUX;
            }
        }
    }
    return t;
}
} // namespace

ModeleNiveau::ModeleNiveau(const Regles& regles, int16 niveau, int16 profondeur,
                           int16 profondeur_cible)
    : g_(regles), niveau_(niveau), profondeur_(profondeur), profondeur_cible_(profondeur_cible) {}

void ModeleNiveau::tours(const Position& p, std::vector<Tour>& tours) {
    tours.clear();
    const Tableau tableau = tableau_de(g_, p.libres);
    const Case moi = Voisinage::case_de(p.moi);
    const Case lui = Voisinage::case_de(p.lui);
    for (const Case arrivee : arrivees(tableau, moi, lui)) {
        Tableau apres = tableau;
        apres[moi] = VRAI;
        apres[arrivee] = FAUX;
        ajoute_murs(apres, arrivee, lui, tours);
    }
}

std::vector<Case> ModeleNiveau::arrivees(const Tableau& tableau, Case moi, Case lui) const {
    std::vector<Case> arrivees;
    int tirages = 0;
    for (int avant = 0; avant <= tirages; ++avant) {
        TirageScripte script(avant, PILE, FACE);
        const Case arrivee = Ordinateur(g_.regles(), script, profondeur_)
                                 .choisit_deplacement(moi, lui, profondeur_, niveau_, tableau);
        tirages = std::max(tirages, script.tirages());
        ajoute_une_fois(arrivees, arrivee);
    }
    return arrivees;
}

void ModeleNiveau::ajoute_murs(const Tableau& apres, Case arrivee, Case lui,
                               std::vector<Tour>& tours) const {
    if (g_.regles().est_bloque(lui, apres)) {
        // Its wall is then a random free square: any of them.
        for (Bits murs = g_.libres(apres); !murs.vide();) {
            tours.push_back({g_.indice(arrivee), murs.extrait()});
        }
        return;
    }
    for (int k = 0; k < NB_TIRAGES; ++k) {
        TirageScripte script(0, 0.0f, (static_cast<float>(k) + 0.5f) / NB_TIRAGES);
        const Case mur = Ordinateur(g_.regles(), script, profondeur_)
                             .choisit_mur(lui, arrivee, lui, profondeur_cible_, apres)
                             .case_mur;
        ajoute_une_fois(tours, Tour{g_.indice(arrivee), g_.indice(mur)});
        if (script.tirages() == 0) {
            break;
        }
    }
}

void ModeleNiveau::departs(const Bits& libres, std::vector<Indice>& departs) {
    departs.clear();
    const Tableau tableau = tableau_de(g_, libres);
    for (const Case tiree : zone_de_depart(g_.regles(), tableau)) {
        TirageScripte script(0, 0.0f, FACE);
        departs.push_back(g_.indice(Ordinateur(g_.regles(), script, profondeur_)
                                        .depart_pres_de(tiree, profondeur_, tableau)));
    }
}

} // namespace tessor
