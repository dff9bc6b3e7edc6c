// Ordi 5 and the solver: the solver against a plain minimax written over the game's own rules,
// and the search's choices on positions whose answer is known.
#include "ai/recherche/chercheur.h"
#include "ai/recherche/recherche.h"
#include "ai/recherche/solveur.h"
#include "plateau_test.h"

#include <QtTest>

#include <algorithm>
#include <random>
#include <set>

using namespace tessor;

namespace {

std::vector<Case> cases_libres(const Regles& r, const Tableau& t) {
    std::vector<Case> libres;
    for (int16 x = 3; x <= r.largeur + 2; ++x) {
        for (int16 y = 3; y <= r.hauteur + 2; ++y) {
            if (t.libre(x, y)) {
                libres.push_back({x, y});
            }
        }
    }
    return libres;
}

// The end test after a turn or a placement, for the player who has just played at `moi`.
int fin(const Regles& r, const Tableau& t, Case moi, Case lui, bool& finie) {
    const bool b_lui = r.est_bloque(lui, t);
    const bool b_moi = r.est_bloque(moi, t);
    finie = b_lui || b_moi;
    return b_lui ? (b_moi ? 0 : 1) : (b_moi ? -1 : 0);
}

// 1 win, 0 draw, -1 loss for the pawn `moi` on turn: every move, then every wall.
int minimax(const Regles& r, Tableau& t, Case moi, Case lui) {
    int meilleure = -1;
    for (Decalage d : r.decalages()) {
        const Case cible = decale(moi, d);
        if (!r.dep_valide(cible, moi, t)) {
            continue;
        }
        t[moi] = VRAI;
        t[cible] = FAUX;
        for (Case w : cases_libres(r, t)) {
            t[w] = FAUX;
            bool finie = false;
            const int v = fin(r, t, cible, lui, finie);
            meilleure = std::max(meilleure, finie ? v : -minimax(r, t, lui, cible));
            t[w] = VRAI;
        }
        t[cible] = VRAI;
        t[moi] = FAUX;
    }
    return meilleure;
}

// The first placer's value on an empty board; the player not yet placed is not tested.
int minimax_placements(const Regles& r, Tableau t) {
    int meilleure = -1;
    for (Case a : cases_libres(r, t)) {
        t[a] = FAUX;
        int pire = r.est_bloque(a, t) ? -1 : 1;
        for (Case b : pire < 0 ? std::vector<Case>{} : cases_libres(r, t)) {
            t[b] = FAUX;
            bool finie = false;
            const int v = -fin(r, t, b, a, finie);
            pire = std::min(pire, finie ? v : minimax(r, t, a, b));
            t[b] = VRAI;
        }
        t[a] = VRAI;
        meilleure = std::max(meilleure, pire);
    }
    return meilleure;
}

struct Cas {
    Tableau tableau;
    Case moi;
    Case lui;
};

// A position a game can reach: about `libres` free squares and two pawns that can both move. With
// `miroir`, the walls go in pairs mirrored across the board's middle column, so the solver meets
// the positions a symmetry maps onto each other.
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

int valeur(Verdict v) {
    return static_cast<int>(v);
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

// The pawn at `moi` has a turn that ends the game at once in its favour.
bool gagne_en_un(const Regles& r, const Tableau& t, Case moi, Case lui) {
    bool gagne = false;
    pour_chaque_tour(r, t, moi, [&](Case cible, Case, const Tableau& apres) {
        bool finie = false;
        gagne = gagne || fin(r, apres, cible, lui, finie) == 1;
    });
    return gagne;
}

// The turn neither loses at once nor gives the opponent a win at once.
bool tour_sur(const Regles& r, const Tableau& apres, Case cible, Case lui) {
    bool finie = false;
    const int v = fin(r, apres, cible, lui, finie);
    return finie ? v >= 0 : !gagne_en_un(r, apres, lui, cible);
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

} // namespace

class TestRecherche : public QObject {
    Q_OBJECT

  private slots:
    void solver_agrees_with_plain_minimax_data() {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("libres");
        QTest::addColumn<bool>("cavalier");
        for (bool cavalier : {false, true}) {
            const char* mode = cavalier ? "knight" : "king";
            QTest::newRow(qPrintable(QString("3 x 3 %1").arg(mode))) << 3 << 3 << 6 << cavalier;
            QTest::newRow(qPrintable(QString("3 x 4 %1").arg(mode))) << 3 << 4 << 7 << cavalier;
            QTest::newRow(qPrintable(QString("4 x 4 %1").arg(mode))) << 4 << 4 << 7 << cavalier;
        }
    }
    // Random positions, whose mirror images share the solver's table, and the placements on the
    // 3 x 3 knight board, where the centre loses at once (the plain minimax takes too long on the
    // others).
    void solver_agrees_with_plain_minimax() {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(int, libres);
        QFETCH(bool, cavalier);
        std::mt19937 hasard(static_cast<unsigned>(largeur * 100 + hauteur * 10 + cavalier));
        const Regles r = regles(largeur, hauteur, cavalier);
        for (int k = 0; k < (largeur * hauteur <= 12 ? 150 : 25); ++k) {
            Cas c = position_au_hasard(hasard, r, libres - k % 3, k % 2 == 1);
            const Resolution s = resout(r, c.tableau, c.moi, c.lui);
            QCOMPARE(s.statut, Statut::resolu);
            QCOMPARE(valeur(s.valeur), minimax(r, c.tableau, c.moi, c.lui));
            // The best turn keeps the value: played, it leaves the opponent the opposite value.
            Tableau apres = apres_tour(c.tableau, c.moi, s.deplacement, s.deplacement);
            QVERIFY(r.dep_valide(s.deplacement, c.moi, c.tableau));
            QVERIFY(apres.libre(s.mur));
            apres[s.mur] = FAUX;
            bool finie = false;
            const int v = fin(r, apres, s.deplacement, c.lui, finie);
            QCOMPARE(finie ? v : -minimax(r, apres, c.lui, s.deplacement), valeur(s.valeur));
        }
        if (cavalier && largeur * hauteur == 9) {
            const ResolutionPlacement p = resout_placements(r, plateau_vide(largeur, hauteur));
            QCOMPARE(valeur(p.valeur), minimax_placements(r, plateau_vide(largeur, hauteur)));
        }
    }

    // A draw that the player not on turn holds only by spending a wall on a square no pawn can
    // reach: the solver tries such walls as one, and must try one.
    void solver_spends_a_wall_where_no_pawn_goes() {
        const Tableau t = plateau({".##.", "#...", "###.", ".###"});
        const Resolution s = resout(regles(4, 4, false), t, {5, 3}, {5, 5});
        QCOMPARE(s.valeur, Verdict::nul);
    }

    // Against walks along every path, on random positions of both sizes and movements: the room
    // three moves around each pawn, the term that tells a pocket from the open, and the walls
    // tried away from the end against the other pawn: its squares one and two moves away, the
    // narrow passages three moves away (two ways out at most for a king, one for a knight),
    // counted through the game's rules, and the first free square in board order that is more than
    // two moves from both, as the one wall far away.
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

    // Positions above the solver's reach on 6 x 6, where the search decides alone: a win at
    // once is always taken and reported as proven, a turn that hands the opponent a win at once
    // is never played when a safe one exists, and the same question gets the same answer.
    void search_takes_wins_and_avoids_losses() {
        for (bool cavalier : {false, true}) {
            const Regles r = regles(6, 6, cavalier);
            std::mt19937 hasard(cavalier ? 7u : 3u);
            int gains = 0;
            int pieges = 0;
            for (int k = 0; k < 300 && (gains < 8 || pieges < 8); ++k) {
                const Cas c = position_au_hasard(hasard, r, 19 + k % 10, false);
                const DecisionTour d = decide_tour(r, c.tableau, c.moi, c.lui, 20000);
                QVERIFY(r.dep_valide(d.deplacement, c.moi, c.tableau));
                const Tableau apres = apres_tour(c.tableau, c.moi, d.deplacement, d.mur);
                QVERIFY(c.tableau.libre(d.mur) || d.mur == c.moi);
                if (gagne_en_un(r, c.tableau, c.moi, c.lui)) {
                    ++gains;
                    bool finie = false;
                    QCOMPARE(fin(r, apres, d.deplacement, c.lui, finie), 1);
                    QVERIFY(d.valeur >= SEUIL_PROUVE);
                    continue;
                }
                int surs = 0;
                int tours = 0;
                pour_chaque_tour(r, c.tableau, c.moi, [&](Case cible, Case, const Tableau& t) {
                    ++tours;
                    surs += tour_sur(r, t, cible, c.lui) ? 1 : 0;
                });
                if (surs > 0 && surs < tours) {
                    ++pieges;
                    QVERIFY(tour_sur(r, apres, d.deplacement, c.lui));
                }
                const DecisionTour encore = decide_tour(r, c.tableau, c.moi, c.lui, 20000);
                QVERIFY(encore.deplacement == d.deplacement && encore.mur == d.mur &&
                        encore.valeur == d.valeur && encore.noeuds == d.noeuds);
            }
            QVERIFY(gains >= 8 && pieges >= 8);
        }
    }
};

QTEST_APPLESS_MAIN(TestRecherche)
#include "test_recherche.moc"
