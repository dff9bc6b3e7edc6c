// The two hints on screen: the light grey squares where the pawn on turn can go and the dark red
// square the computer would choose, for both movement rules, for a human and for a computer on
// turn, and the switches that follow the player on turn.
#include "fenetre_test.h"

#include <optional>

using namespace tessor;
using namespace tessor::test;

namespace {

QPoint case_de(Form1& f, QWidget* w) {
    return {3 + (w->x() - 1 - f.jeu().origine_x) / 33, 3 + (w->y() - 1 - f.jeu().origine_y) / 33};
}

Cases cases_grises(Form1& f) {
    Cases cases;
    for (int k = 0; k < 8; ++k) {
        QWidget* cible = controle(f, "cible2", k);
        if (cible->isVisible()) {
            cases << case_de(f, cible);
        }
    }
    return cases;
}

std::optional<QPoint> case_rouge(Form1& f) {
    QWidget* aidepion = controle(f, QStringLiteral("aidepion"));
    if (!aidepion->isVisible()) {
        return std::nullopt;
    }
    return case_de(f, aidepion);
}

bool coche(Form1& f, int k) {
    return montre(f, "BoutonAide", k, "mur_plein");
}

void lance_6_x_6(Form1& f, bool cavalier) {
    if (cavalier) {
        clique_bouton(f, "Command1", 2);
    }
    clique_bouton(f, "Command3", 1);
}

// Opens the help panel, unless it is open already, and presses switch `k`.
void bascule(Form1& f, int k) {
    if (!controle(f, QStringLiteral("sspanel5"))->isVisible()) {
        presse_image(f, "Picture5");
    }
    clique_sur(f, controle(f, "BoutonAide", k));
}

// What the hints showed during the first pause of a computer turn.
struct Instantane {
    bool pris = false;
    Cases grises;
    Cases attendues;
    std::optional<QPoint> rouge;
    bool deux_coches = false;
};

} // namespace

class TestAidesFenetre : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    void regles_data() {
        QTest::addColumn<bool>("cavalier");
        QTest::addColumn<Cases>("depuis_le_coin");
        QTest::newRow("roi") << false << Cases{{4, 3}, {3, 4}, {4, 4}};
        QTest::newRow("cavalier") << true << Cases{{5, 4}, {4, 5}};
    }

    void l_aide_au_deplacement_d_un_humain_marque_les_cases_libres_data() { regles_data(); }
    void l_aide_au_deplacement_d_un_humain_marque_les_cases_libres() {
        QFETCH(bool, cavalier);
        QFETCH(Cases, depuis_le_coin);
        auto f = fenetre_montree();
        lance_6_x_6(*f, cavalier);
        clique_case(*f, 3, 3);
        clique_case(*f, 5, 5);
        bascule(*f, 0);
        QVERIFY(coche(*f, 0));
        QCOMPARE(cases_grises(*f), depuis_le_coin);
        QVERIFY(!case_rouge(*f));
    }

    void l_aide_a_la_decision_d_un_humain_marque_un_deplacement_possible_data() { regles_data(); }
    void l_aide_a_la_decision_d_un_humain_marque_un_deplacement_possible() {
        QFETCH(bool, cavalier);
        QFETCH(Cases, depuis_le_coin);
        auto f = fenetre_montree();
        lance_6_x_6(*f, cavalier);
        clique_case(*f, 3, 3);
        clique_case(*f, 5, 5);
        presse_image(*f, "Picture5");
        clique_sur(*f, controle(*f, "Label5", 1)); // the caption acts as its switch
        QVERIFY(coche(*f, 1));
        QVERIFY(case_rouge(*f));
        QVERIFY(depuis_le_coin.contains(*case_rouge(*f)));
        QVERIFY(cases_grises(*f).isEmpty());
        QCOMPARE(f->jeu().joueurs[0].position, (Case{3, 3}));
    }

    // The switches of a computer player are only ever set in its record; they show while its
    // turn runs, for its own pawn.
    void les_aides_d_un_ordinateur_au_trait_se_montrent_pendant_son_tour_data() { regles_data(); }
    void les_aides_d_un_ordinateur_au_trait_se_montrent_pendant_son_tour() {
        QFETCH(bool, cavalier);
        auto f = fenetre_montree();
        clique_bouton(*f, "Command1", 1); // player 2: "Ordi  1"
        lance_6_x_6(*f, cavalier);
        clique_case(*f, 3, 3);
        Jeu& j = f->jeu();
        QCOMPARE(j.joueur_courant, 0);
        QCOMPARE(j.phase, 1);
        j.joueurs[1].aide_dep = VRAI;
        j.joueurs[1].aide_choix = VRAI;
        Instantane vu;
        QTimer espion;
        espion.setInterval(0);
        connect(&espion, &QTimer::timeout, [&] {
            if (vu.pris || !j.occupe()) {
                return;
            }
            vu.pris = true;
            vu.grises = cases_grises(*f);
            vu.attendues = cases_libres_autour(j, j.joueurs[1].position);
            vu.rouge = case_rouge(*f);
            vu.deux_coches = coche(*f, 0) && coche(*f, 1);
        });
        espion.start();
        joue_tour(*f);
        QVERIFY(vu.pris);
        QVERIFY(!vu.attendues.isEmpty());
        QCOMPARE(vu.grises, vu.attendues);
        QVERIFY(vu.rouge);
        QVERIFY(vu.attendues.contains(*vu.rouge));
        QVERIFY(vu.deux_coches);
    }

    void les_interrupteurs_suivent_le_joueur_au_trait() {
        auto f = fenetre_montree();
        lance_6_x_6(*f, false);
        clique_case(*f, 3, 3);
        clique_case(*f, 8, 8);
        bascule(*f, 0);
        QCOMPARE(cases_grises(*f), (Cases{{4, 3}, {3, 4}, {4, 4}}));
        joue_tour(*f); // player 1 moves to (4, 3)
        QCOMPARE(f->jeu().joueur_courant, 1);
        QVERIFY(cases_grises(*f).isEmpty());
        QVERIFY(!coche(*f, 0));
        joue_tour(*f);
        QCOMPARE(f->jeu().joueur_courant, 0);
        QVERIFY(coche(*f, 0));
        const Case ici = f->jeu().joueurs[0].position;
        QCOMPARE(ici, (Case{4, 3}));
        QCOMPARE(cases_grises(*f), cases_libres_autour(f->jeu(), ici));
        QCOMPARE(cases_grises(*f).size(), 5);
    }

    void cocher_avant_que_les_deux_pions_soient_poses_ne_fait_rien() {
        auto f = fenetre_montree();
        lance_6_x_6(*f, false);
        for (int k = 0; k < 2; ++k) {
            bascule(*f, k);
            QVERIFY(!coche(*f, k));
        }
        clique_case(*f, 3, 3);
        for (int k = 0; k < 2; ++k) {
            bascule(*f, k);
            QVERIFY(!coche(*f, k));
        }
        QVERIFY(cases_grises(*f).isEmpty());
        QVERIFY(!case_rouge(*f));
        QCOMPARE(f->jeu().aide[0], FAUX);
        QCOMPARE(f->jeu().aide[1], FAUX);
    }

    void decocher_marche_toujours_et_cache_les_cases() {
        auto f = fenetre_montree();
        lance_6_x_6(*f, false);
        clique_case(*f, 3, 3);
        clique_case(*f, 8, 8);
        bascule(*f, 0);
        clique_sur(*f, controle(*f, "BoutonAide", 1));
        QVERIFY(!cases_grises(*f).isEmpty() && case_rouge(*f));
        clique_case(*f, 4, 4); // the move hides both hints; the wall is still to come
        QVERIFY(cases_grises(*f).isEmpty() && !case_rouge(*f));
        bascule(*f, 0);
        QVERIFY(!coche(*f, 0));
        bascule(*f, 0); // ticking during the wall half marks around the new square
        QCOMPARE(cases_grises(*f), cases_libres_autour(f->jeu(), Case{4, 4}));
        clique_sur(*f, controle(*f, "Label5", 0));
        QVERIFY(!coche(*f, 0));
        QVERIFY(cases_grises(*f).isEmpty());
        clique_sur(*f, controle(*f, "BoutonAide", 1));
        QVERIFY(!coche(*f, 1));
        QCOMPARE(f->jeu().aide[1], FAUX);
    }
};

QTEST_MAIN(TestAidesFenetre)
#include "test_aides_fenetre.moc"
