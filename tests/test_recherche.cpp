// Ordi 5 and the solver: the solver against a plain minimax written over the game's own rules,
// and the search's choices on positions whose answer is known.
#include "ai/modele_niveau.h"
#include "ai/recherche/chercheur.h"
#include "ai/recherche/connus.h"
#include "ai/recherche/departs.h"
#include "ai/recherche/graphe.h"
#include "ai/recherche/recherche.h"
#include "ai/recherche/reprise_texte.h"
#include "ai/recherche/solveur.h"
#include "plateau_test.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <atomic>
#include <future>
#include <iterator>
#include <mutex>
#include <random>
#include <set>
#include <system_error>
#include <thread>
#include <tuple>
#include <vector>

using namespace tessor;

namespace {

constexpr int EN_COURS = 2;

// The end test after a turn or a placement, for the player who has just played at `moi`: 1 won,
// 0 drawn, -1 lost, EN_COURS while neither pawn is blocked.
int fin(const Regles& r, const Tableau& t, Case moi, Case lui) {
    const bool b_lui = r.est_bloque(lui, t);
    const bool b_moi = r.est_bloque(moi, t);
    return b_lui || b_moi ? int{b_lui} - int{b_moi} : EN_COURS;
}

struct Cas {
    Tableau tableau;
    Case moi;
    Case lui;
};

// About `libres` free squares and two pawns that can both move; with `miroir`, walls in pairs
// mirrored across the middle column, so the solver meets positions its symmetries identify.
Cas position_au_hasard(std::mt19937& hasard, const Regles& r, int libres, bool miroir) {
    for (;;) {
        Cas c{plateau_vide(r.largeur, r.hauteur), {}, {}};
        std::vector<Case> cases = cases_libres(r, c.tableau);
        std::shuffle(cases.begin(), cases.end(), hasard);
        c.moi = cases[0];
        c.lui = cases[1];
        for (std::size_t k = 2;
             k < cases.size() && static_cast<int>(cases_libres(r, c.tableau).size()) > libres + 2;
             ++k) {
            const Case w = cases[k];
            const Case reflet{static_cast<int16>(r.largeur + 5 - w.x), w.y};
            if (miroir && (reflet == c.moi || reflet == c.lui)) {
                continue;
            }
            c.tableau[w] = FAUX;
            c.tableau[miroir ? reflet : w] = FAUX;
        }
        c.tableau[c.moi] = FAUX;
        c.tableau[c.lui] = FAUX;
        if (!r.est_bloque(c.moi, c.tableau) && !r.est_bloque(c.lui, c.tableau)) {
            return c;
        }
    }
}

// The position after the turn (cible, mur) of the pawn at `moi`.
Tableau apres_tour(Tableau t, Case moi, Case cible, Case mur) {
    t[moi] = VRAI;
    t[cible] = FAUX;
    t[mur] = FAUX;
    return t;
}

// Every turn of the pawn at `moi`, each with its position after it.
template <typename F> void pour_chaque_tour(const Regles& r, const Tableau& t, Case moi, F f) {
    for (Decalage d : r.decalages()) {
        const Case cible = decale(moi, d);
        if (r.dep_valide(cible, moi, t)) {
            // The board after the move alone: its wall on the square the pawn has just taken.
            for (Case w : cases_libres(r, apres_tour(t, moi, cible, cible))) {
                f(cible, w, apres_tour(t, moi, cible, w));
            }
        }
    }
}

// The value for the pawn now at `cible` of the turn that led to `apres`, by `suite` after it.
template <typename F>
int issue(const Regles& r, const Tableau& apres, Case cible, Case lui, F suite) {
    const int v = fin(r, apres, cible, lui);
    return v != EN_COURS ? v : -suite(r, apres, lui, cible);
}

// 1 win, 0 draw, -1 loss for the pawn `moi` on turn: every move, then every wall.
int minimax(const Regles& r, const Tableau& t, Case moi, Case lui) {
    int meilleure = -1;
    pour_chaque_tour(r, t, moi, [&](Case cible, Case, const Tableau& apres) {
        meilleure = std::max(meilleure, issue(r, apres, cible, lui, minimax));
    });
    return meilleure;
}

int resolu(const Regles& r, const Tableau& t, Case moi, Case lui) {
    return int(resout(r, t, moi, lui).valeur);
}

// The value of the turn (cible, mur) from `c` for its player, by `suite` after it; -2 if illegal.
template <typename F> int vaut(const Regles& r, const Cas& c, Case cible, Case mur, F suite) {
    if (!r.dep_valide(cible, c.moi, c.tableau) ||
        !apres_tour(c.tableau, c.moi, cible, cible).libre(mur)) {
        return -2;
    }
    return issue(r, apres_tour(c.tableau, c.moi, cible, mur), cible, c.lui, suite);
}

// The pawn at `moi` has a turn that ends the game at once in its favour.
bool gagne_en_un(const Regles& r, const Tableau& t, Case moi, Case lui) {
    bool gagne = false;
    pour_chaque_tour(r, t, moi, [&](Case cible, Case, const Tableau& apres) {
        gagne = gagne || fin(r, apres, cible, lui) == 1;
    });
    return gagne;
}

int negamax_simple(const Regles& r, const Voisinage& g, const Tableau& t, Case moi, Case lui,
                   int profondeur, int ply, ModeleAdverse* modele);

// The value of the turn that led to `apres`, as the search scores it (a win: VICTOIRE - turns).
int valeur_du_tour(const Regles& r, const Voisinage& g, const Tableau& apres, Case cible, Case lui,
                   int profondeur, int ply, ModeleAdverse* modele) {
    const int v = fin(r, apres, cible, lui);
    return v != EN_COURS
               ? v * (VICTOIRE - (ply + 1))
               : -negamax_simple(r, g, apres, lui, cible, profondeur - 1, ply + 1, modele);
}

// Every turn with the walls the search tries, then its evaluation; a win at once first. With
// `modele`, the opponent (odd plies) plays the model's turns, even past a win.
int negamax_simple(const Regles& r, const Voisinage& g, const Tableau& t, Case moi, Case lui,
                   int profondeur, int ply, ModeleAdverse* modele) {
    const Position p{g.libres(t), g.indice(moi), g.indice(lui)};
    const bool modelise = modele != nullptr && ply % 2 == 1;
    if (!modelise && gagne_en_un(r, t, moi, lui)) {
        return VICTOIRE - (ply + 1);
    }
    if (profondeur == 0) {
        return evalue(g, p, poids_du_mode(r.cavalier));
    }
    int meilleure = -VICTOIRE;
    std::vector<Tour> tours;
    if (modelise) {
        modele->tours(p, tours);
    }
    pour_chaque_tour(r, t, moi, [&](Case cible, Case mur, const Tableau& apres) {
        const Tour tour{g.indice(cible), g.indice(mur)};
        const Bits sans_mur = g.libres(apres_tour(t, moi, cible, cible));
        if (modelise ? std::count(tours.begin(), tours.end(), tour) > 0
                     : murs_essayes(g, sans_mur, tour.deplacement, p.lui).contient(tour.mur)) {
            meilleure = std::max(meilleure,
                                 valeur_du_tour(r, g, apres, cible, lui, profondeur, ply, modele));
        }
    });
    return meilleure;
}

// Every free square the pawn at `c` reaches in at most `coups` moves, path by path.
void atteint(const Regles& r, const Tableau& t, Case c, int coups, std::set<int>& cases) {
    for (Decalage d : r.decalages()) {
        const Case s = decale(c, d);
        if (coups > 0 && t.libre(s)) {
            cases.insert(s.x * 100 + s.y);
            atteint(r, t, s, coups - 1, cases);
        }
    }
}

// The value for the first placer of its pawn at `a` (the plain way: every reply square, the end
// test after each placement, then the minimax), and the best over every square.
int minimax_placement(const Regles& r, Tableau t, Case a) {
    t[a] = FAUX;
    if (r.est_bloque(a, t)) {
        return -1;
    }
    int pire = 1;
    for (Case b : cases_libres(r, t)) {
        pire = std::min(pire, -issue(r, apres_tour(t, b, b, b), b, a, minimax));
    }
    return pire;
}

// Stores `gardees` in `table`, each with what `connu_de` draws from it, then looks them up, and
// `autres`, none of them stored: a form found gives back its own, and none of `autres` is found.
// Returns how many of `gardees` were found.
int garde_et_cherche(Connus& table, const std::vector<Forme>& gardees,
                     const std::vector<Forme>& autres) {
    const auto connu_de = [](const Forme& f) {
        const int bas = static_cast<int>(f.vivants % 3) - 1;
        return std::array{bas, std::max(bas, static_cast<int>(f.vivants / 3 % 3) - 1),
                          static_cast<int>(f.vivants / 9 % 38), f.morts};
    };
    for (const Forme& f : gardees) {
        const auto [bas, haut, coup, mur] = connu_de(f);
        table.range(f, Connu{bas, haut, coup, mur}, 1);
    }
    int trouvees = 0;
    Connu c;
    for (const Forme& f : gardees) {
        if (table.cherche(f, c)) {
            ++trouvees;
            if (std::array{c.bas, c.haut, c.coup, c.mur} != connu_de(f)) {
                return -1;
            }
        }
    }
    const auto trouvee = [&](const Forme& f) { return table.cherche(f, c); };
    return std::none_of(autres.begin(), autres.end(), trouvee) ? trouvees : -1;
}

// A run of the placements that keeps what it reports in `dans`.
ReprisePlacements garde(std::vector<EtatPlacements>& dans) {
    return {{}, [&dans](const EtatPlacements& e) { dans.push_back(e); }};
}

// Answers the placements' questions with `script`, in an order a test chooses.
struct DepartsScriptes : Departs {
    using Departs::Departs;
    using Departs::note_chemin;
    std::function<std::optional<int>(const Avancee&)> script;
    std::optional<int> cherche(Solveur&, const Avancee& tache) override { return script(tache); }
};

} // namespace

class TestRecherche : public QObject {
    Q_OBJECT

  private slots:
    // Random positions, mirrored ones sharing the solver's table; its best turn keeps the value.
    // The boards solved from the placements in docs/resolution.md (up to 6 x 6) are checked with
    // few free squares, where the plain minimax still ends.
    void solver_agrees_with_plain_minimax() {
        constexpr std::tuple<int, int, int> PLATEAUX_RESOLUS[] = {
            {3, 3, 6}, {3, 4, 7}, {4, 4, 7}, {5, 5, 6}, {4, 6, 6}, {5, 6, 6}, {6, 6, 6}};
        for (bool cavalier : {false, true}) {
            for (const auto& [largeur, hauteur, libres] : PLATEAUX_RESOLUS) {
                std::mt19937 hasard(static_cast<unsigned>(largeur * 100 + hauteur * 10 + cavalier));
                const Regles r = regles(largeur, hauteur, cavalier);
                for (int k = 0; k < (largeur * hauteur <= 12 ? 150 : 25); ++k) {
                    Cas c = position_au_hasard(hasard, r, libres - k % 3, k % 2 == 1);
                    const Resolution s = resout(r, c.tableau, c.moi, c.lui);
                    QCOMPARE(s.statut, Statut::resolu);
                    QCOMPARE(int(s.valeur), minimax(r, c.tableau, c.moi, c.lui));
                    QCOMPARE(vaut(r, c, s.deplacement, s.mur, minimax), int(s.valeur));
                }
            }
        }
    }

    // A node limit that lets the search end makes the table small (2^10 entries for 600
    // nodes): positions crowd out one another and the turns kept meet positions whose walls
    // no pawn reaches differ, and the values stay the minimax's, whichever entries give way.
    void small_table_keeps_the_values() {
        std::mt19937 hasard(11);
        int finies = 0;
        for (int k = 0; k < 40; ++k) {
            const Regles r = regles(4, 4, k % 2 == 1);
            Cas c = position_au_hasard(hasard, r, 7, k % 3 == 0);
            const auto regle = k % 4 < 2 ? Remplacement::par_libres : Remplacement::par_noeuds;
            const TableSolveur choix{BITS_TABLE_REQUETES, regle, k % 3 == 1 ? 4 : -1, 10, {}};
            const Resolution s = resout(r, c.tableau, c.moi, c.lui, 600, nullptr, choix);
            if (s.statut == Statut::resolu) {
                ++finies;
                QCOMPARE(int(s.valeur), minimax(r, c.tableau, c.moi, c.lui));
            }
        }
        QVERIFY(finies >= 20);
    }

    // A file left by another board (3 x 4 with knight jumps, whose first player loses where
    // kings draw) is emptied before a table uses it; a table kept in a file serves the next
    // solve of the same board, which ends as the first with a small part of its nodes; a file
    // that cannot be made is refused.
    void table_in_a_file_serves_the_next_run() {
        QTemporaryDir dossier;
        TableSolveur choix;
        choix.fichier = dossier.filePath("table").toStdString();
        const Tableau t = plateau_vide(3, 4);
        QCOMPARE(resout_placements(regles(3, 4, true), t, 0, nullptr, 1, choix).valeur,
                 Verdict::perd);
        const ResolutionPlacement premiere =
            resout_placements(regles(3, 4, false), t, 0, nullptr, 1, choix);
        const ResolutionPlacement seconde =
            resout_placements(regles(3, 4, false), t, 0, nullptr, 1, choix);
        QCOMPARE(premiere.valeur, Verdict::nul);
        QCOMPARE(seconde.valeur, Verdict::nul);
        QCOMPARE(seconde.depart, premiere.depart);
        QVERIFY(seconde.noeuds * 10 < premiere.noeuds);
        choix.fichier = dossier.filePath("absent/table").toStdString();
        QVERIFY_THROWS_EXCEPTION(std::system_error,
                                 resout_placements(regles(3, 4, false), t, 0, nullptr, 1, choix));
    }

    // A run taken up after any of its turns, from what it said then, goes on from the next turn
    // and ends as the whole run did.
    void resumed_run_ends_as_the_whole_one() {
        std::mt19937 hasard(23);
        for (int k = 0; k < 12; ++k) {
            const Regles r = regles(4, 4, k % 2 == 1);
            const Cas c = position_au_hasard(hasard, r, 8, k % 3 == 0);
            std::vector<Resolution> etapes;
            Reprise suivie;
            suivie.suivi = [&](int, const Resolution& jusque_la) { etapes.push_back(jusque_la); };
            const Resolution entiere = resout(r, c.tableau, c.moi, c.lui, 0, nullptr, {}, suivie);
            const auto tour = [](const Resolution& s) {
                return std::tuple(s.valeur, s.deplacement, s.mur);
            };
            for (int faits = 1; faits <= static_cast<int>(etapes.size()); ++faits) {
                std::vector<int> suivants;
                Reprise reprise{0, {}, [&](int n, const Resolution&) { suivants.push_back(n); }};
                QVERIFY(lit_reprise(
                    texte_reprise(faits, etapes[static_cast<std::size_t>(faits - 1)]), reprise));
                QVERIFY(tour(resout(r, c.tableau, c.moi, c.lui, 0, nullptr, {}, reprise)) ==
                        tour(entiere));
                QCOMPARE(suivants.size(), etapes.size() - static_cast<std::size_t>(faits));
                QVERIFY(suivants.empty() || suivants.front() == faits + 1);
            }
        }
    }

    // Forms of 38 squares (a 6 x 6 board and its pawns), twice as many as the smallest table
    // they allow holds, and their neighbours one field away; then every form of 7 squares, in a
    // table whose words keep only 11 bits of a key and whose buckets hold half of them, the
    // other half looked up.
    void table_never_takes_one_form_for_another() {
        std::mt19937_64 hasard(38);
        std::vector<Forme> formes(1 << 19);
        std::vector<Forme> voisines;
        for (Forme& f : formes) {
            const int moi = static_cast<int>(hasard() % CASES_MAX_FORME);
            const int lui = (moi + 1 + static_cast<int>(hasard() % 37)) % CASES_MAX_FORME;
            const Masque libres = hasard() & (bit(CASES_MAX_FORME) - 1) & ~bit(moi) & ~bit(lui);
            f = Forme{libres, static_cast<int>(hasard() % 37), moi, lui};
            voisines.insert(voisines.end(), {Forme{f.vivants ^ bit(f.morts), f.morts, moi, lui},
                                             Forme{f.vivants, f.morts ^ 1, moi, lui},
                                             Forme{f.vivants, f.morts, lui, moi}});
        }
        Connus grande(10, CASES_MAX_FORME);
        QVERIFY(garde_et_cherche(grande, formes, voisines) > 100000);

        std::array<std::vector<Forme>, 2> moities;
        for (int libres = 0; libres < 128; ++libres) {
            for (int morts = 0; morts < 8; ++morts) {
                for (int moi = 0; moi < 7; ++moi) {
                    for (int lui = 0; lui < 7; ++lui) {
                        moities[(libres + morts + moi + lui) % 2].push_back(
                            Forme{static_cast<Masque>(libres), morts, moi, lui});
                    }
                }
            }
        }
        Connus petite(17, 7);
        QVERIFY(garde_et_cherche(petite, moities[0], moities[1]) > 20000);
    }

    // The forms of at most the threshold's free squares share the small table, the others the
    // large one: of nine small forms in a small table of one bucket, one is left out.
    void small_forms_share_the_small_table() {
        Tables tables(Connus(12, 20), Connus(3, 20), 9);
        for (int morts = 0; morts < 17; ++morts) {
            tables.range(Forme{1, morts, 1, 2}, Connu{}, 1);
        }
        int perdues = 0;
        for (int morts = 0; morts < 17; ++morts) {
            Connu c;
            if (!tables.cherche(Forme{1, morts, 1, 2}, c)) {
                QVERIFY(morts < 9);
                ++perdues;
            }
        }
        QCOMPARE(perdues, 1);
    }

    // In a table of one bucket (eight entries), a ninth form takes the place of the entry with
    // the least work behind it, by the rule asked: the entries are such that the fewest free
    // squares and the fewest nodes are at opposite ends.
    void full_bucket_gives_up_the_least_work() {
        for (Remplacement regle : {Remplacement::par_libres, Remplacement::par_noeuds}) {
            Connus table(3, 10, regle);
            std::vector<Forme> formes;
            for (int k = 0; k < 9; ++k) {
                formes.push_back(Forme{1, k + 1, 0, 1});
                table.range(formes.back(), Connu{}, std::uint64_t{1} << (40 - 4 * k));
            }
            const int remplacee = regle == Remplacement::par_libres ? 0 : 7;
            for (int k = 0; k < 9; ++k) {
                Connu c;
                QCOMPARE(table.cherche(formes[static_cast<std::size_t>(k)], c), k != remplacee);
            }
        }
    }

    // From the placements, on one thread or several sharing the first squares: the value is the
    // plain minimax's, and the square is the first in board order (rows, then columns) that
    // keeps it, on boards the first player wins, draws and loses.
    void placements_agree_with_plain_minimax_on_any_threads() {
        std::array<int, 3> vus{};
        std::mt19937 hasard(7);
        for (int k = 0; k < 60; ++k) {
            const Regles r = regles(3 + k % 2, 4, k % 3 == 0);
            const Cas c = position_au_hasard(hasard, r, 4 + k % 3, k % 4 == 1);
            Tableau t = c.tableau;
            t[c.moi] = VRAI;
            t[c.lui] = VRAI;
            Case premiere{};
            int meilleure = -2;
            for (int16 y = 3; y <= r.hauteur + 2; ++y) {
                for (int16 x = 3; x <= r.largeur + 2; ++x) {
                    const int v = t.libre(x, y) ? minimax_placement(r, t, {x, y}) : -2;
                    premiere = v > meilleure ? Case{x, y} : premiere;
                    meilleure = std::max(meilleure, v);
                }
            }
            ++vus[static_cast<std::size_t>(meilleure + 1)];
            for (int fils : {1, 2, 3}) {
                const ResolutionPlacement s = resout_placements(r, t, 0, nullptr, fils);
                QCOMPARE(int(s.valeur), meilleure);
                QCOMPARE(s.depart, premiere);
            }
        }
        QVERIFY(vus[0] >= 5 && vus[1] >= 5 && vus[2] >= 5);
    }

    // A whole board's solve taken up from its reports (some forty of each board's hundreds), after
    // a question or within one at any of the plies that report, ends as the whole one, on one
    // thread or two. On one it then reports exactly what the whole run reported after that
    // report, and from the last report it searches no node.
    void resumed_placements_end_as_the_whole_one() {
        std::mt19937 hasard(29);
        std::set<std::size_t> paliers;
        int coupees = 0;
        int plus_tard = 0;
        int au_milieu = 0;
        for (int k = 0; k < 8; ++k) {
            const Regles r = regles(3 + k % 2, 4, k % 3 == 0);
            const Cas c = position_au_hasard(hasard, r, 6 + k % 3, false);
            Tableau t = c.tableau;
            t[c.moi] = t[c.lui] = VRAI;
            std::vector<EtatPlacements> etapes;
            const ResolutionPlacement entiere =
                resout_placements(r, t, 0, nullptr, 1, {}, garde(etapes));
            for (std::size_t n = 0; n < etapes.size(); ++n) {
                for (const Avancee& a : etapes[n].en_cours) {
                    paliers.insert(a.chemin.size());
                }
                for (int fils = 1; fils <= 2 && n % (etapes.size() / 40 + 1) == 0; ++fils) {
                    std::vector<EtatPlacements> suivantes;
                    ReprisePlacements reprise = garde(suivantes);
                    const EtatPlacements& e = etapes[n]; // through the text a run prints
                    QVERIFY(lit_etat(texte_reponses(e), texte_en_cours(e), reprise.etat));
                    QCOMPARE(reprise.etat, e);
                    const ResolutionPlacement p =
                        resout_placements(r, t, 0, nullptr, fils, {}, reprise);
                    QCOMPARE(p.valeur, entiere.valeur);
                    QCOMPARE(p.depart, entiere.depart);
                    QVERIFY(fils == 2 || suivantes == std::vector<EtatPlacements>(
                                                          etapes.begin() + n + 1, etapes.end()));
                }
            }
            QVERIFY(etapes.size() >= 4);
            QCOMPARE(resout_placements(r, t, 0, nullptr, 1, {}, {etapes.back(), {}}).noeuds, 0u);
            // A turn left in the middle below a settled one is taken up first.
            for (std::size_t n = 0; n + 1 < etapes.size(); ++n) {
                const std::vector<Avancee>& avant = etapes[n].en_cours;
                const std::vector<Avancee>& apres = etapes[n + 1].en_cours;
                if (avant.size() != 1 || apres.size() != 1 || apres[0].chemin.size() < 2 ||
                    !(avant[0].chemin[0] == apres[0].chemin[0]) || avant[0].chemin[0].faits == 0 ||
                    n % 20 != 0) {
                    continue;
                }
                std::vector<EtatPlacements> suite;
                ReprisePlacements reprise = garde(suite);
                reprise.etat = etapes[n];
                const Etape e = avant[0].chemin[0];
                reprise.etat.en_cours.push_back({avant[0].question, {{e.faits + 2, e.meilleure}}});
                resout_placements(r, t, 0, nullptr, 1, {}, reprise);
                QVERIFY(!suite.empty());
                QCOMPARE(suite.front().en_cours.back(), apres[0]);
                ++au_milieu;
            }
            // A question left in the middle that the run takes up only later is handed on as it
            // was until then.
            const std::vector<Avancee>& premiere = etapes[0].en_cours;
            const auto tard = std::find_if(etapes.rbegin(), etapes.rend(), [&](const auto& e) {
                return !premiere.empty() && !e.en_cours.empty() &&
                       e.en_cours[0].question != premiere[0].question;
            });
            if (tard != etapes.rend()) {
                ++plus_tard;
                std::vector<EtatPlacements> apres;
                ReprisePlacements deux = garde(apres);
                deux.etat = etapes[0];
                deux.etat.en_cours.push_back(tard->en_cours[0]);
                deux.etat.en_cours.push_back({1000000, {{1, 0}}}); // not a question of the board
                QCOMPARE(resout_placements(r, t, 0, nullptr, 1, {}, deux).valeur, entiere.valeur);
                const std::vector<Avancee>& suite = apres.front().en_cours;
                QCOMPARE(std::count(suite.begin(), suite.end(), tard->en_cours[0]), 1);
                QVERIFY(std::none_of(suite.begin(), suite.end(),
                                     [](const Avancee& a) { return a.question == 1000000; }));
            }
            if (entiere.noeuds < 2) {
                continue; // settled within the plies that report: no node to stop at
            }
            ++coupees;
            std::vector<EtatPlacements> coupee; // a run stopped within a turn does not report it
            QCOMPARE(
                resout_placements(r, t, entiere.noeuds / 2, nullptr, 1, {}, garde(coupee)).statut,
                Statut::interrompu);
            QVERIFY(coupee.size() < etapes.size() &&
                    (coupee.empty() || coupee.back() == etapes[coupee.size() - 1]));
        }
        QVERIFY(coupees >= 3 && plus_tard >= 3 && paliers == (std::set<std::size_t>{1, 2, 3}));
        QVERIFY(au_milieu >= 3);
    }

    // On two threads a question that refutes turn after turn is shared out: its lines then hold
    // several of its turns in the middle, and a run taken up from them on one thread gives the
    // answers of the whole one.
    void threads_share_a_question_and_its_lines_take_it_up() {
        const Regles r = regles(4, 4, false);
        std::vector<EtatPlacements> a_un;
        std::vector<EtatPlacements> a_deux;
        const ResolutionPlacement entiere =
            resout_placements(r, plateau_vide(4, 4), 0, nullptr, 1, {}, garde(a_un));
        QCOMPARE(resout_placements(r, plateau_vide(4, 4), 0, nullptr, 2, {}, garde(a_deux)).valeur,
                 entiere.valeur);
        for (const EtatPlacements& e : a_deux) { // every line can be read back
            EtatPlacements lu;
            QVERIFY(lit_etat(texte_reponses(e), texte_en_cours(e), lu));
        }
        std::vector<EtatPlacements> partagees;
        std::copy_if(
            a_deux.begin(), a_deux.end(), std::back_inserter(partagees), [](const auto& e) {
                std::set<int> vues; // two turns of one question under way below the first ply
                return !std::all_of(e.en_cours.begin(), e.en_cours.end(), [&](const Avancee& a) {
                    return a.chemin.size() < 2 || vues.insert(a.question).second;
                });
            });
        for (std::size_t n = 0; n < partagees.size(); n += partagees.size() / 8 + 1) {
            std::vector<EtatPlacements> suite;
            ReprisePlacements reprise = garde(suite);
            const EtatPlacements& e = partagees[n];
            reprise.etat = e;
            QCOMPARE(resout_placements(r, plateau_vide(4, 4), 0, nullptr, 1, {}, reprise).depart,
                     entiere.depart);
            const EtatPlacements& fin = suite.empty() ? e : suite.back();
            for (std::size_t q = 0; q < a_un.back().reponses.size(); ++q) {
                const std::int8_t v = fin.reponses[q];
                QVERIFY(v == REPONSE_INCONNUE || v == a_un.back().reponses[q] ||
                        a_un.back().reponses[q] == REPONSE_INCONNUE);
            }
        }
        QVERIFY(!partagees.empty());
    }

    // A turn that comes back after another turn answered its question is ignored. On 3 x 3 (48
    // questions; a 49th in the line is dropped) the corner's 0 to 15 say yes but 0 and 15: turn 2
    // of 0 says yes while turn 1 waits, then 1 comes back refuted; 15 says no once that late thread
    // is in it. Counting question 0 twice would settle the corner, a draw, as a win before that no.
    void a_late_turn_does_not_answer_its_question_again() {
        const Graphe g(regles(3, 3, false), plateau_vide(3, 3), {});
        ReprisePlacements reprise;
        QVERIFY(lit_etat(".++++++++++++++." + std::string(32, '-') + '.', "0 1 -1; 0 2 -1; 48 1 -1",
                         reprise.etat));
        std::promise<void> signaux[2]; // question 0 answered; the late thread in question 15
        std::shared_future<void> attentes[] = {signaux[0].get_future(), signaux[1].get_future()};
        std::once_flag une_fois[2];
        reprise.suivi = [&](const EtatPlacements& e) {
            if (e.reponses[0] != REPONSE_INCONNUE) {
                std::call_once(une_fois[0], [&] { signaux[0].set_value(); });
            }
        };
        DepartsScriptes d(g, reprise);
        d.script = [&](const Avancee& t) -> std::optional<int> {
            static thread_local bool tardif = false;
            const int tour = t.chemin[0].faits;
            if (t.question == 0) {
                tardif = tour == 1;
                return tardif ? (attentes[0].wait(), -1) : 0;
            }
            if (tardif) {
                std::call_once(une_fois[1], [&] { signaux[1].set_value(); });
            }
            return tour == 0 ? std::optional<int>(0) : (attentes[1].wait(), std::nullopt);
        };
        const auto fil = [&] {
            Tables table(Connus(10, g.taille()));
            Solveur s(g, table, 0, {nullptr, nullptr});
            d.evalue(s);
        };
        std::thread autre(fil);
        fil();
        autre.join();
        QCOMPARE(d.valeur(0), 0);
    }

    // Once a turn being searched has held against Partage::TENUES replies, a free thread takes
    // the next question rather than that question's next turn. On 3 x 3 the corner's first
    // question has its first turn refuted and its second holding when the other thread comes in.
    void a_turn_that_holds_sends_a_free_thread_to_the_next_question() {
        const Graphe g(regles(3, 3, false), plateau_vide(3, 3), {});
        ReprisePlacements reprise;
        QVERIFY(lit_etat(".." + std::string(14, '+') + std::string(32, '-'), "", reprise.etat));
        reprise.suivi = [](const EtatPlacements&) {};
        std::promise<void> tient;
        std::promise<Avancee> prise; // the other thread's first search
        std::shared_future<Avancee> premiere = prise.get_future();
        std::once_flag une_fois;
        DepartsScriptes d(g, reprise);
        d.script = [&](const Avancee& t) -> std::optional<int> {
            const int tour = t.chemin[0].faits;
            if (t.question == 0 && tour < 2) {
                if (tour == 0) {
                    return -1;
                }
                d.note_chemin(t, {t.chemin[0], {Partage::TENUES, 0}});
                tient.set_value();
                premiere.wait();
                return 0;
            }
            std::call_once(une_fois, [&] { prise.set_value(t); });
            return t.question == 1 && tour == 0 ? std::optional<int>(1) : std::nullopt;
        };
        const auto fil = [&] {
            Tables table(Connus(10, g.taille()));
            Solveur s(g, table, 0, {nullptr, nullptr});
            d.evalue(s);
        };
        std::thread premier(fil);
        tient.get_future().wait();
        fil();
        premier.join();
        QCOMPARE(premiere.get(), (Avancee{1, {{0, REPONSE_INCONNUE}}}));
        QCOMPARE(d.valeur(0), 1);
    }

    // The lines of a long run read back as printed, blanks after the last number and a ply whose
    // first turn is being searched included; anything else is refused.
    void run_lines_read_only_what_runs_print() {
        EtatPlacements e;
        QVERIFY(lit_etat(".-0+", "0 4 -1 0 -2 ; 7 1 1", e));
        QCOMPARE(texte_reponses(e) + texte_en_cours(e), std::string(".-0+0 4 -1 0 -2; 7 1 1"));
        for (const std::string& faux :
             {std::string("x"), std::string(".-0+1"), std::string(1, 0)}) {
            EtatPlacements f;
            QVERIFY2(!lit_etat(faux, "", f), faux.c_str());
        }
        for (const char* faux : {"0", "0 4", "0 4 -1 0", "0 0 -1", "0 3 -2", "-1 4 -1", "0 4 2",
                                 "0 4 -3", "0 4 -1; ", "0 4 -1x", "0 99999999999 1"}) {
            EtatPlacements f;
            QVERIFY2(!lit_etat("", faux, f), faux);
        }
        Reprise r;
        QVERIFY(lit_reprise("5 -1 6 3 3 3 ", r));
        QCOMPARE(texte_reprise(r.faits, r.jusque_la), std::string("5 -1 6 3 3 3"));
        for (const char* faux :
             {"", "0 -1 6 3 3 3", "5 2 6 3 3 3", "5 -2 6 3 3 3", "5 -1 6 3 3", "5 -1 6 3 3 3 3",
              "5 -1 6 3 3 x", "5 -1 6 3 -3 3", "5 -1 6 3 3 25"}) {
            QVERIFY2(!lit_reprise(faux, r), faux);
        }
    }

    // The search's set of squares, over its three words: one square or none is "at most one",
    // two are not, and the lowest is the first.
    void a_set_tells_one_square_from_two() {
        QVERIFY(Bits{}.au_plus_un());
        for (Indice i = 0; i < NB_INDICES; ++i) {
            for (Indice j = i; j < NB_INDICES; j += 7) {
                Bits b = singleton(i);
                b.ajoute(j);
                QCOMPARE(b.au_plus_un(), i == j);
                QCOMPARE(b.premier(), i);
            }
        }
    }

    // Against walks along every path: the room three moves around each pawn, and the walls tried
    // away from the end: the other pawn's squares one and two moves away, the narrow passages
    // three moves away (at most two ways out for a king, one for a knight) and the first free
    // square in board order more than two moves from both pawns, as the one wall far away.
    void room_and_walls_tried_follow_the_paths() {
        const Poids seule{0, 0, 1, 0, 0, 0};
        std::mt19937 hasard(5);
        for (bool cavalier : {false, true}) {
            for (int taille : {6, 12}) {
                const Regles r = regles(taille, taille, cavalier);
                const Voisinage g(r);
                for (int k = 0; k < 20; ++k) {
                    const Cas c = position_au_hasard(hasard, r, taille * taille / 2 + k, false);
                    const Position p{g.libres(c.tableau), g.indice(c.moi), g.indice(c.lui)};
                    std::set<int> moi, deux, lui;
                    atteint(r, c.tableau, c.moi, 3, moi);
                    atteint(r, c.tableau, c.lui, 2, deux);
                    atteint(r, c.tableau, c.lui, 3, lui);
                    QCOMPARE(evalue(g, p, seule),
                             static_cast<int>(moi.size()) - static_cast<int>(lui.size()));
                    const Bits murs = murs_essayes(g, p.libres, p.moi, p.lui);
                    std::set<int> pres; // two moves from either pawn, walls or not
                    atteint(r, plateau_vide(taille, taille), c.moi, 2, pres);
                    atteint(r, plateau_vide(taille, taille), c.lui, 2, pres);
                    Indice loin = NB_INDICES;
                    int autres = 0;
                    for (Case q : cases_libres(r, c.tableau)) {
                        // The game's count includes a king's own square.
                        const int issues = r.compte_case_dep(q.x, q.y, c.tableau) - !cavalier;
                        const int s = q.x * 100 + q.y;
                        const bool passage = lui.count(s) > 0 && issues <= 2 - cavalier;
                        QVERIFY(!(deux.count(s) > 0 || passage) || murs.contient(g.indice(q)));
                        autres += murs.contient(g.indice(q)) && !passage && deux.count(s) == 0;
                        loin = pres.count(s) > 0 ? loin : std::min(loin, g.indice(q));
                    }
                    QVERIFY(p.libres.compte() > LIBRES_TOUS_MURS ? autres <= 1 : murs == p.libres);
                    QVERIFY(loin == NB_INDICES || murs.contient(loin));
                }
            }
        }
    }

    // Deepened a turn at a time on one table, the search has the plain negamax's value at each
    // depth, and a turn that has it: three turns on small boards, where the table and the narrow
    // windows come into play, one above 24 free squares, where walls are left out.
    void search_agrees_with_plain_negamax() {
        std::mt19937 hasard(13);
        for (bool cavalier : {false, true}) {
            for (const auto& [taille, libres, profondeur] :
                 {std::tuple{5, 9, 3}, {5, 11, 3}, {6, 28, 1}}) {
                const Regles r = regles(taille, taille, cavalier);
                const Voisinage g(r);
                for (int k = 0; k < 12; ++k) {
                    const Cas c = position_au_hasard(hasard, r, libres + k % 3, false);
                    const Position p{g.libres(c.tableau), g.indice(c.moi), g.indice(c.lui)};
                    // Every other position against level 1, 2 or 3.
                    ModeleNiveau m(r, int16(1 + k / 2 % 3), int16(k / 2 % 3 * taille), 0);
                    ModeleAdverse* modele = k % 2 == 1 ? &m : nullptr;
                    Chercheur ch(g, poids_du_mode(cavalier), std::uint64_t{1} << 40, nullptr,
                                 modele);
                    for (int d = 1; d <= profondeur; ++d) {
                        const int v = negamax_simple(r, g, c.tableau, c.moi, c.lui, d, 0, modele);
                        const Resultat res = ch.racine(p, d, Tour{});
                        QCOMPARE(res.valeur, v);
                        const Case cible = Voisinage::case_de(res.tour.deplacement);
                        const Tableau apres =
                            apres_tour(c.tableau, c.moi, cible, Voisinage::case_de(res.tour.mur));
                        QCOMPARE(valeur_du_tour(r, g, apres, cible, c.lui, d, 0, modele), v);
                    }
                }
            }
        }
    }

    // Against a model, a first placement is worth the average over the model's start squares of
    // the positions it leaves, the first player on turn two plies down; the best, first of equals.
    void first_placement_averages_over_the_models_starts() {
        for (bool cavalier : {false, true}) {
            const Regles r = regles(5, 5, cavalier);
            const Voisinage g(r);
            const Tableau vide = plateau_vide(5, 5);
            ModeleNiveau m(r, 2, 5, 0);
            const DecisionPlacement p =
                decide_placement(r, vide, std::nullopt, 60000, nullptr, std::nullopt, &m);
            QVERIFY(p.profondeur >= 1); // the first player's turns searched
            std::pair<int, Case> meilleur{-VICTOIRE, {}};
            for (Bits poses = g.libres(vide); !poses.vide();) {
                const Case pose = Voisinage::case_de(poses.extrait());
                const Tableau t = apres_tour(vide, pose, pose, pose); // the pawn placed
                std::vector<Indice> departs;
                m.departs(g.libres(t), departs);
                int somme = 0;
                for (const Indice d : departs) {
                    const Case lui = Voisinage::case_de(d);
                    somme += negamax_simple(r, g, apres_tour(t, pose, pose, lui), pose, lui,
                                            p.profondeur, 2, &m);
                }
                const int v = somme / static_cast<int>(departs.size());
                meilleur = v > meilleur.first ? std::pair{v, pose} : meilleur;
            }
            QCOMPARE(std::pair(p.valeur, p.depart), meilleur);
        }
    }

    // From 12 free squares down the solver decides, when a quarter of the budget is enough: a win
    // is kept, proven at the depth of every free square; a draw is kept, at 0; a loss is proven.
    void decisions_near_the_end_follow_the_solver() {
        std::mt19937 hasard(11);
        for (bool cavalier : {false, true}) {
            const Regles r = regles(4, 4, cavalier);
            std::array<int, 4> vus{}; // losses, draws, wins, beyond the solver's quarter
            for (int k = 0; k < 60; ++k) {
                const Cas c = position_au_hasard(hasard, r, 8 + k % 5, false);
                const Resolution s = resout(r, c.tableau, c.moi, c.lui, BUDGET_DEFAUT / 4);
                if (s.statut != Statut::resolu) {
                    QCOMPARE(s.noeuds, BUDGET_DEFAUT / 4);
                    ++vus[3];
                    continue;
                }
                const int v = int(s.valeur);
                const DecisionTour d = decide_tour(r, c.tableau, c.moi, c.lui);
                ++vus[static_cast<std::size_t>(v + 1)];
                QVERIFY(vaut(r, c, d.deplacement, d.mur, resolu) >= v);
                const int libres = static_cast<int>(cases_libres(r, c.tableau).size());
                QVERIFY(v > 0   ? d.valeur == SEUIL_PROUVE && d.profondeur == libres
                        : v < 0 ? d.valeur <= -SEUIL_PROUVE
                                : d.valeur == 0);
            }
            QVERIFY(vus[0] >= 5 && vus[2] >= 5 && (cavalier || (vus[1] >= 5 && vus[3] >= 5)));
        }
        // 36 free squares, placed pawns aside: within the solver's reach, not within 1,000
        // nodes, which the threads share out; 37 are beyond it. A stop flag already raised stops
        // every thread.
        const Regles sept = regles(7, 6, true);
        Tableau grand = plateau_vide(7, 6);
        grand[Case{3, 3}] = grand[Case{4, 3}] = grand[Case{5, 3}] = grand[Case{6, 6}] =
            grand[Case{8, 7}] = FAUX;
        QCOMPARE(resout(sept, grand, {6, 6}, {8, 7}, 1000).statut, Statut::trop_grand);
        QCOMPARE(resout_placements(sept, grand, 1000).statut, Statut::trop_grand);
        grand[Case{6, 3}] = FAUX;
        QCOMPARE(resout(sept, grand, {6, 6}, {8, 7}, 1000).statut, Statut::interrompu);
        for (int fils : {1, 2}) {
            const ResolutionPlacement p = resout_placements(sept, grand, 1000, nullptr, fils);
            QCOMPARE(p.statut, Statut::interrompu);
            QVERIFY(p.noeuds <= 1000 + 2);
        }
        const std::atomic<bool> arret{true};
        QCOMPARE(resout_placements(regles(4, 4, false), plateau_vide(4, 4), 0, &arret, 2).statut,
                 Statut::interrompu);
        // Told to stop, a search against a model, whose choices are charged several nodes at
        // once, reads its flag within its first nodes, and still names a legal move.
        const Regles douze = regles(12, 12, false);
        ModeleNiveau ordi_3(douze, 3, douze.maxtaille(), 0);
        const Case moi{5, 5};
        const Case lui{11, 10};
        const Tableau t =
            apres_tour(apres_tour(plateau_vide(12, 12), moi, moi, moi), lui, lui, lui);
        const DecisionTour d =
            decide_tour(douze, t, moi, lui, BUDGET_CONTRE_MODELE, &arret, std::nullopt, &ordi_3);
        QVERIFY2(d.noeuds < 30, qPrintable(QString::number(d.noeuds)));
        QVERIFY(douze.dep_valide(d.deplacement, moi, t));
    }
};

QTEST_APPLESS_MAIN(TestRecherche)
#include "test_recherche.moc"
