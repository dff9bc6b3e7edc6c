// The main window during a game: the grid and numbers for each board size, the square under the
// pointer, which controls take a real click, the side panels, and the two hints.
#include "fenetre_test.h"

using namespace tessor;
using namespace tessor::test;

namespace {

int elements_du_plateau_visibles(Form1& f) {
    const QRegularExpression plateau(
        QStringLiteral("^(mur|ligne|lettre|dessinpion|cible2|aidepion)"));
    const QList<QWidget*> elements = f.findChildren<QWidget*>(plateau);
    return int(
        std::count_if(elements.begin(), elements.end(), [](QWidget* w) { return w->isVisible(); }));
}

QPoint case_survolee(Form1& f) {
    return {f.jeu().case_survol_x, f.jeu().case_survol_y};
}

QPoint case_de(Form1& f, QWidget* w) {
    return {3 + (w->x() - 1 - f.jeu().origine_x) / 33, 3 + (w->y() - 1 - f.jeu().origine_y) / 33};
}

Cases cases_grises(Form1& f) {
    Cases cases;
    for (int k = 0; k < 8; ++k) {
        if (QWidget* cible = controle(f, "cible2", k); cible->isVisible()) {
            cases << case_de(f, cible);
        }
    }
    return cases;
}

// The red square, or (0, 0) when it is hidden.
QPoint case_rouge(Form1& f) {
    QWidget* rouge = controle(f, QStringLiteral("aidepion"));
    return rouge->isVisible() ? case_de(f, rouge) : QPoint();
}

bool coche(Form1& f, int k) {
    return montre(f, "BoutonAide", k, "mur_plein");
}

// Opens the help panel, unless it is open already, and presses switch `k`.
void bascule(Form1& f, int k) {
    if (!visible(f, "sspanel5")) {
        presse_image(f, "Picture5");
    }
    clique_sur(f, controle(f, "BoutonAide", k));
}

// Checks that the origin, and every line and number, match a board of `taille` at `o`.
void verifie_grille(Form1& f, QSize taille, QPoint o) {
    QCOMPARE(QPoint(f.jeu().origine_x, f.jeu().origine_y), o);
    const int l = taille.width();
    const int h = taille.height();
    const auto vu = [&](const char* nom, int i) {
        QWidget* w = controle(f, nom, i);
        const auto* numero = qobject_cast<QLabel*>(w);
        return w->isVisible() ? std::make_pair(w->geometry(), numero ? numero->text() : QString())
                              : std::make_pair(QRect(), QString());
    };
    const auto si = [](bool montre, QRect r, QString t = {}) {
        return montre ? std::make_pair(r, t) : std::make_pair(QRect(), QString());
    };
    for (int i = 0; i < NB_LIGNES; ++i) {
        QCOMPARE(vu("lignevert", i), si(i <= l, {o.x() + 33 * i, o.y(), 1, 33 * h + 1}));
        QCOMPARE(vu("lignehori", i), si(i <= h, {o.x(), o.y() + 33 * i, 33 * l + 1, 1}));
    }
    for (int i = 0; i < NB_LETTRES; ++i) {
        const QString n = QStringLiteral(" %1").arg(i + 1);
        QCOMPARE(vu("lettrehaut", i), si(i < l, {o.x() + 33 * i, o.y() - 17, 33, 17}, n));
        QCOMPARE(vu("lettregauche", i), si(i < h, {o.x() - 36, o.y() + 33 * i + 14, 33, 17}, n));
    }
}

} // namespace

class TestFenetre : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    // At start only the options screen shows. Each row then plays games in turn on boards of
    // the given sizes (x, y: origin), each abandoned before the next.
    void the_grid_numbers_and_origin_follow_the_board_size_data() {
        QTest::addColumn<QList<QRect>>("parties");
        QTest::newRow("3 x 3") << QList<QRect>{{176, 177, 3, 3}};
        QTest::newRow("6 x 6") << QList<QRect>{{128, 129, 6, 6}};
        QTest::newRow("12 x 12") << QList<QRect>{{32, 33, 12, 12}};
        QTest::newRow("4 x 9") << QList<QRect>{{160, 81, 4, 9}};
        QTest::newRow("12 x 12, shrunk to 4 x 3, grown to 9 x 11")
            << QList<QRect>{{32, 33, 12, 12}, {160, 177, 4, 3}, {80, 49, 9, 11}};
    }
    void the_grid_numbers_and_origin_follow_the_board_size() {
        QFETCH(QList<QRect>, parties);
        auto f = fenetre_montree();
        QVERIFY(visible(*f, "Menu") && !visible(*f, "sspanel3") && !visible(*f, "sspanel5"));
        QCOMPARE(elements_du_plateau_visibles(*f), 0);
        enregistre(f->grab().toImage(), QStringLiteral("options"));
        for (const QRect& p : parties) {
            dimensionne(*f, p.width(), p.height(), true);
            verifie_grille(*f, p.size(), p.topLeft());
            abandonne(*f, true);
            QCOMPARE(elements_du_plateau_visibles(*f), 0);
        }
    }

    void the_square_under_the_pointer_at_the_board_edges() {
        auto f = fenetre_montree();
        clique_bouton(*f, "Command3", 1);
        const QPoint o(128, 129);
        const struct {
            QPoint pointeur;
            QPoint attendue;
        } cas[] = {{o + QPoint(40, 40), {4, 4}},        {o, {3, 3}},
                   {o + QPoint(33 * 6, 5), {-1, -1}},   {o + QPoint(33, 5), {4, 3}},
                   {o + QPoint(5, 33 * 6 - 1), {3, 8}}, {o + QPoint(-1, 5), {-1, -1}}};
        for (const auto& c : cas) {
            survole(*f, c.pointeur);
            QCOMPARE(case_survolee(*f), c.attendue);
        }
    }

    // The pointer over a pawn or a wall marker is not over the board: the square under the
    // pointer stays the last one seen, and a click there does nothing at all. Meanwhile the
    // game panel names the player on turn and what to do.
    void a_click_on_a_pawn_or_a_wall_marker_does_nothing() {
        auto f = fenetre_montree();
        clique_bouton(*f, "Command3", 1);
        auto* nom = controle<QLabel>(*f, QStringLiteral("Label7"));
        QVERIFY(montre(*f, "Picture2", 0, "panneau_placez_pion"));
        QVERIFY(montre(*f, "aff_joueur", 0, "plaque_joueur1") && nom->text() == "Joueur 1");
        clique_cases(*f, {{3, 3}});
        QVERIFY(montre(*f, "aff_joueur", 0, "plaque_joueur2") && nom->text() == "Joueur 2");
        clique_cases(*f, {{5, 5}});
        QVERIFY(montre(*f, "Picture2", 0, "panneau_deplacez_pion"));
        clique_cases(*f, {{4, 4}}); // player 1 moves
        QCOMPARE(f->jeu().phase, 2);
        for (QPoint occupee : {QPoint(4, 4), QPoint(5, 5)}) {
            survole(*f, centre_case(*f, 7, 7));
            clique_cases(*f, {occupee});
            QCOMPARE(case_survolee(*f), QPoint(7, 7));
            QCOMPARE(f->jeu().phase, 2);
            QCOMPARE(f->jeu().nb_murs, 0);
        }
        clique_cases(*f, {{8, 8}}); // the wall
        QVERIFY(controle(*f, "mur", 1)->isVisible());
        survole(*f, centre_case(*f, 6, 5));
        clique_cases(*f, {{8, 8}});
        QCOMPARE(case_survolee(*f), QPoint(6, 5));
        QCOMPARE(f->jeu().joueurs[1].position, (Case{5, 5}));
        QCOMPARE(f->jeu().phase, 1);
    }

    // The help panel replaces the game panel until "Retour" or a click on the board.
    void exactly_one_side_panel_shows_during_a_game() {
        auto f = fenetre_montree();
        dimensionne(*f, 7, 5, true);
        QVERIFY(visible(*f, "sspanel3") && !visible(*f, "sspanel5"));
        clique_cases(*f, {{4, 4}, {8, 6}});
        presse_image(*f, "Picture5");
        QVERIFY(!visible(*f, "sspanel3") && visible(*f, "sspanel5"));
        enregistre(f->grab().toImage(), QStringLiteral("aide"));
        clique_sur(*f, controle(*f, QStringLiteral("Command4")));
        QVERIFY(visible(*f, "sspanel3") && !visible(*f, "sspanel5"));
        presse_image(*f, "Picture5");
        clique_cases(*f, {{5, 5}});
        QCOMPARE(f->jeu().joueurs[0].position, (Case{5, 5}));
        QVERIFY(visible(*f, "sspanel3") && !visible(*f, "sspanel5"));
    }

    void hints_data() {
        QTest::addColumn<bool>("cavalier");
        QTest::addColumn<Cases>("depuis_le_coin");
        QTest::newRow("king") << false << Cases{{4, 3}, {3, 4}, {4, 4}};
        QTest::newRow("knight") << true << Cases{{5, 4}, {4, 5}};
    }

    // The move hint marks every free square in reach; the choice hint marks one of them in red
    // without moving the pawn; a click on a grey square acts on the square beneath.
    void the_hints_of_a_human_on_turn_data() { hints_data(); }
    void the_hints_of_a_human_on_turn() {
        QFETCH(bool, cavalier);
        QFETCH(Cases, depuis_le_coin);
        auto f = fenetre_montree();
        clique_bouton(*f, "Command1", 2, cavalier ? 1 : 0);
        clique_bouton(*f, "Command3", 1);
        clique_cases(*f, {{3, 3}, {5, 5}});
        bascule(*f, 0);
        QVERIFY(coche(*f, 0));
        QCOMPARE(cases_grises(*f), depuis_le_coin);
        QCOMPARE(case_rouge(*f), QPoint());
        bascule(*f, 0);
        clique_sur(*f, controle(*f, "Label5", 1)); // the caption acts as its switch
        QVERIFY(!coche(*f, 0) && coche(*f, 1));
        QVERIFY(cases_grises(*f).isEmpty() && depuis_le_coin.contains(case_rouge(*f)));
        QCOMPARE(f->jeu().joueurs[0].position, (Case{3, 3}));
        clique_sur(*f, controle(*f, "BoutonAide", 0));
        QWidget* cible = controle(*f, "cible2", 0);
        const QPoint visee = case_de(*f, cible);
        clique_a(*f, cible->geometry().center());
        QCOMPARE(f->jeu().joueurs[0].position, (Case{int16(visee.x()), int16(visee.y())}));
        QCOMPARE(controle(*f, "dessinpion", 0)->pos(), cible->pos());
    }

    // The switches of a computer player are only ever set in its record; they show while its
    // turn runs, for its own pawn.
    void the_hints_of_a_computer_show_during_its_turn_data() { hints_data(); }
    void the_hints_of_a_computer_show_during_its_turn() {
        QFETCH(bool, cavalier);
        auto f = fenetre_montree();
        clique_bouton(*f, "Command1", 1); // player 2: "Ordi  1"
        clique_bouton(*f, "Command1", 2, cavalier ? 1 : 0);
        clique_bouton(*f, "Command3", 1);
        clique_cases(*f, {{3, 3}});
        Jeu& j = f->jeu();
        j.joueurs[1].aide_dep = VRAI;
        j.joueurs[1].aide_choix = VRAI;
        bool vu = false;
        QTimer espion;
        connect(&espion, &QTimer::timeout, [&] {
            if (!vu && j.occupe()) {
                vu = true;
                const Cases attendues = cases_libres_autour(j, j.joueurs[1].position);
                QVERIFY(!attendues.isEmpty() && attendues.contains(case_rouge(*f)));
                QCOMPARE(cases_grises(*f), attendues);
                QVERIFY(coche(*f, 0) && coche(*f, 1));
            }
        });
        espion.start(0);
        joue_tour(*f);
        QVERIFY(vu);
    }

    // Ticking does nothing before both pawns stand; then a switch shows for whoever ticked it,
    // around the pawn on turn wherever it stands.
    void the_switches_follow_the_player_on_turn() {
        auto f = fenetre_montree();
        clique_bouton(*f, "Command3", 1);
        for (int pions = 0; pions < 2; ++pions) {
            bascule(*f, 0);
            bascule(*f, 1);
            QVERIFY(!coche(*f, 0) && !coche(*f, 1) && case_rouge(*f) == QPoint());
            clique_cases(*f, {pions == 0 ? QPoint(3, 3) : QPoint(8, 8)});
        }
        bascule(*f, 0);
        QCOMPARE(cases_grises(*f), (Cases{{4, 3}, {3, 4}, {4, 4}}));
        joue_tour(*f); // player 1 moves to (4, 3)
        QCOMPARE(f->jeu().joueur_courant, 1);
        QVERIFY(cases_grises(*f).isEmpty() && !coche(*f, 0));
        joue_tour(*f);
        QVERIFY(coche(*f, 0));
        QCOMPARE(f->jeu().joueurs[0].position, (Case{4, 3}));
        QCOMPARE(cases_grises(*f), cases_libres_autour(f->jeu(), Case{4, 3}));
        QCOMPARE(cases_grises(*f).size(), 5);
    }

    // Pixels: the grid lines show over the grey squares, and the red square over the grey.
    void the_grid_shows_over_the_hint_squares() {
        auto f = fenetre_montree();
        tape_nom(*f, 0, QStringLiteral("Zoé"));
        tape_nom(*f, 1, QStringLiteral("Bastien"));
        partie_avec_les_aides(*f);
        const QImage capture = f->grab().toImage();
        QWidget* rouge = controle(*f, QStringLiteral("aidepion"));
        QCOMPARE(capture.pixelColor(rouge->geometry().center()), QColor(0xC0, 0x00, 0x00));
        int grises = 0;
        for (int k = 0; k < 8; ++k) {
            const QRect r = controle(*f, "cible2", k)->geometry();
            if (controle(*f, "cible2", k)->isVisible() && r.topLeft() != rouge->pos()) {
                QCOMPARE(capture.pixelColor(r.center()), QColor(0xE0, 0xE0, 0xE0));
                QCOMPARE(capture.pixelColor(r.right(), r.center().y()), QColor(Qt::black));
                QCOMPARE(capture.pixelColor(r.center().x(), r.bottom()), QColor(Qt::black));
                ++grises;
            }
        }
        QVERIFY(grises > 0);
        QVERIFY(dessine(capture, controle(*f, "dessinpion", 1)->pos(), "pion_06_dauphin"));
        enregistre(capture, QStringLiteral("partie_6x6"));
    }

    // Back on the options screen after a game with both hints on, no hint square shows, nor in
    // the next game until a switch is ticked.
    void no_hint_square_outlives_its_game() {
        auto f = fenetre_montree();
        partie_avec_les_aides(*f);
        const auto cases_d_aide = [&] {
            return int(cases_grises(*f).size()) + !case_rouge(*f).isNull();
        };
        QCOMPARE(cases_d_aide(), 9);
        abandonne(*f, true);
        QVERIFY(visible(*f, "Menu"));
        QCOMPARE(cases_d_aide(), 0);
        clique_bouton(*f, "Command3", 1);
        clique_cases(*f, {{3, 3}, {5, 5}, {4, 4}, {8, 8}}); // player 2 to move
        QCOMPARE(cases_d_aide(), 0);
        clique_cases(*f, {{6, 6}, {7, 7}}); // player 1 to move
        QCOMPARE(cases_d_aide(), 0);
        bascule(*f, 0);
        QCOMPARE(cases_d_aide(), 8);
    }

    void a_12_x_12_knight_game_shows_its_walls() {
        auto f = fenetre_montree();
        tape_nom(*f, 0, QStringLiteral("Capucine"));
        tape_nom(*f, 1, QStringLiteral("Ordinateur"));
        clique_bouton(*f, "Command1", 1, 2);
        clique_bouton(*f, "Command1", 2);
        clique_bouton(*f, "Command2", 8, 3); // walls: castles
        dimensionne(*f, 12, 12, true);
        clique_cases(*f, {{8, 8}});
        for (int tour = 0; tour < 6; ++tour) {
            joue_tour(*f);
        }
        QCOMPARE(f->jeu().nb_murs, 12);
        const QImage capture = f->grab().toImage();
        for (int k = 1; k <= 12; ++k) {
            QVERIFY(dessine(capture, controle(*f, "mur", k)->pos(), "mur_03_chateau"));
        }
        enregistre(capture, QStringLiteral("partie_12x12_cavalier"));
    }

    // Two computers play to the end; the sign shows when the replay question opens.
    void a_game_between_computers_ends_with_its_sign_data() {
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<QPoint>("niveaux");
        QTest::addColumn<QString>("panneau");
        QTest::newRow("won") << QSize(7, 7) << QPoint(2, 1) << "gagne";
        QTest::newRow("drawn") << QSize(6, 6) << QPoint(3, 1) << "match_nul";
    }
    void a_game_between_computers_ends_with_its_sign() {
        QFETCH(QSize, taille);
        QFETCH(QPoint, niveaux);
        QFETCH(QString, panneau);
        auto f = fenetre_montree();
        QImage capture;
        bool signe = false;
        Repondeur r;
        r.a_l_ouverture = [&] {
            capture = f->grab().toImage();
            signe = montre(*f, "Picture2", 0, qPrintable(QLatin1String("panneau_") + panneau));
        };
        clique_bouton(*f, "Command1", 0, niveaux.x());
        clique_bouton(*f, "Command1", 1, niveaux.y());
        dimensionne(*f, taille.width(), taille.height(), true);
        QCOMPARE(r.questions, QStringList{QStringLiteral("Voulez-vous rejouer?")});
        QVERIFY(signe);
        enregistre(capture, panneau);
    }
};

QTEST_MAIN(TestFenetre)
#include "test_fenetre.moc"
