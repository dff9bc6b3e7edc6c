// The board in the main window: the grid and numbers for each board size, the square under the
// pointer and what takes a click, the pixels of the hints, walls, pawns and signs, the hints left
// after a game, and closing the window during a computer game.
#include "fenetre_test.h"

#include <QAction>
#include <QClipboard>

using namespace tessor;
using namespace tessor::test;

namespace {

QPoint case_de(FenetrePrincipale& f, QWidget* w) {
    const Controleur& j = f.controleur();
    return {3 + (w->x() - 1 - j.geometrie().origine_x()) / 33,
            3 + (w->y() - 1 - j.geometrie().origine_y()) / 33};
}

// The squares of the hint squares shown: the grey ones, then the red one.
QList<QPoint> cases_d_aide(FenetrePrincipale& f) {
    QList<QPoint> cases;
    for (int k = 0; k <= 8; ++k) {
        QWidget* w = k < 8 ? controle(f, "case_accessible", k) : controle(f, "case_conseillee");
        if (w->isVisible()) {
            cases << case_de(f, w);
        }
    }
    return cases;
}

// Sets the board size with the steppers.
void dimensionne(FenetrePrincipale& f, int largeur, int hauteur) {
    const int dl = largeur - f.controleur().partie().regles().largeur;
    const int dh = hauteur - f.controleur().partie().regles().hauteur;
    clique(f, dl > 0 ? "largeur_plus" : "largeur_moins", std::abs(dl));
    clique(f, dh > 0 ? "hauteur_plus" : "hauteur_moins", std::abs(dh));
}

// Checks that the origin, and every line and number, match a board of `taille` at `o`.
void verifie_grille(FenetrePrincipale& f, QSize taille, QPoint o) {
    QCOMPARE(QPoint(f.controleur().geometrie().origine_x(), f.controleur().geometrie().origine_y()),
             o);
    const auto vu = [&](const char* nom, int i) {
        QWidget* w = controle(f, nom, i);
        return w->isVisible() ? std::make_pair(w->geometry(), w->property("text").toString())
                              : std::make_pair(QRect(), QString());
    };
    const auto si = [](bool montre, QRect r, QString t = {}) {
        return montre ? std::make_pair(r, t) : std::make_pair(QRect(), QString());
    };
    const int l = taille.width();
    const int h = taille.height();
    for (int i = 0; i < NB_LIGNES; ++i) {
        QCOMPARE(vu("ligne_verticale", i), si(i <= l, {o.x() + 33 * i, o.y(), 1, 33 * h + 1}));
        QCOMPARE(vu("ligne_horizontale", i), si(i <= h, {o.x(), o.y() + 33 * i, 33 * l + 1, 1}));
    }
    for (int i = 0; i < NB_NUMEROS; ++i) {
        const QString n = QStringLiteral(" %1").arg(i + 1);
        QCOMPARE(vu("numero_colonne", i), si(i < l, {o.x() + 33 * i, o.y() - 17, 33, 17}, n));
        QCOMPARE(vu("numero_ligne", i), si(i < h, {o.x() - 36, o.y() + 33 * i + 14, 33, 17}, n));
    }
}

} // namespace

class TestFenetre : public QObject {
    Q_OBJECT

  private slots:
    // Games in turn on boards of each size (x, y: origin), each abandoned before the next.
    void the_grid_numbers_and_origin_follow_the_board_size() {
        auto f = fenetre_montree();
        enregistre(f->grab().toImage(), QStringLiteral("options"));
        for (const QRect& p :
             {QRect(32, 33, 12, 12), QRect(176, 177, 3, 3), QRect(160, 81, 4, 9)}) {
            dimensionne(*f, p.width(), p.height());
            clique(*f, "jouer");
            verifie_grille(*f, p.size(), p.topLeft());
            abandonne(*f);
        }
    }

    // On a 6 x 6 board at (128, 129): the square under the pointer, at the edges too. Pawns and
    // wall markers take the pointer: over them that square stays the last one seen and a click
    // plays nothing. A right click on the board plays nothing either.
    void the_square_under_the_pointer_and_what_takes_a_click() {
        auto f = fenetre_montree();
        clique(*f, "jouer");
        const Controleur& j = f->controleur();
        const QPoint o(128, 129);
        const struct {
            QPoint pointeur;
            QPoint attendue;
        } cas[] = {{o + QPoint(40, 40), {4, 4}},        {o, {3, 3}},
                   {o + QPoint(33 * 6, 5), {-1, -1}},   {o + QPoint(33, 5), {4, 3}},
                   {o + QPoint(5, 33 * 6 - 1), {3, 8}}, {o + QPoint(-1, 5), {-1, -1}}};
        for (const auto& c : cas) {
            QTest::mouseMove(f->windowHandle(), c.pointeur);
            QCOMPARE(QPoint(j.case_survolee().x, j.case_survolee().y), c.attendue);
        }
        clique_cases(*f, {{3, 3}, {5, 5}, {4, 4}, {8, 8}}); // placements, player 1's move and wall
        for (QPoint prise : {QPoint(4, 4), QPoint(5, 5), QPoint(8, 8)}) {
            QTest::mouseMove(f->windowHandle(), centre_case(*f, 6, 5));
            clique_cases(*f, {prise});
            QCOMPARE(QPoint(j.case_survolee().x, j.case_survolee().y), QPoint(6, 5));
        }
        QTest::mouseClick(f->windowHandle(), Qt::RightButton, {}, centre_case(*f, 6, 5));
        QCOMPARE(j.partie().joueur(1).position, (Case{5, 5}));
    }

    // Pixels: the grey squares mark the eight free squares around player 1's pawn on (5, 5), the
    // red one among them; the grid lines show over both, the red over the grey. Back on the
    // options screen no hint square shows; in the next game the switches left on are player
    // 2's, player 1's are off until ticked. A click on the red square moves the pawn to the
    // square beneath.
    void the_hints_lie_under_the_grid_and_end_with_their_game() {
        auto f = fenetre_montree();
        tape_nom(*f, 0, QStringLiteral("Zoé"));
        tape_nom(*f, 1, QStringLiteral("Bastien"));
        partie_avec_les_aides(*f);
        const QImage capture = f->grab().toImage();
        enregistre(capture, QStringLiteral("partie_6x6"));
        QWidget* rouge = controle(*f, "case_conseillee");
        QList<QPoint> grises = cases_d_aide(*f);
        QCOMPARE(grises.takeLast(), case_de(*f, rouge));
        QCOMPARE(QSet<QPoint>(grises.begin(), grises.end()),
                 (QSet<QPoint>{{4, 4}, {5, 4}, {6, 4}, {4, 5}, {6, 5}, {4, 6}, {5, 6}, {6, 6}}));
        for (int k = 0; k < 8; ++k) {
            const QRect r = controle(*f, "case_accessible", k)->geometry();
            QCOMPARE(capture.pixelColor(r.center()),
                     r == rouge->geometry() ? QColor(0xC0, 0, 0) : QColor(0xE0, 0xE0, 0xE0));
            QCOMPARE(capture.pixelColor(r.right(), r.center().y()), QColor(Qt::black));
            QCOMPARE(capture.pixelColor(r.center().x(), r.bottom()), QColor(Qt::black));
        }
        abandonne(*f);
        QVERIFY(controle(*f, "options")->isVisible() && cases_d_aide(*f).isEmpty());
        clique(*f, "jouer");
        clique_cases(*f, {{3, 3}, {5, 5}, {4, 4}, {8, 8}}); // player 2 to move
        QVERIFY(!cases_d_aide(*f).isEmpty());
        clique_cases(*f, {{6, 6}, {7, 7}}); // player 1 to move, from (4, 4)
        QVERIFY(cases_d_aide(*f).isEmpty());
        presse_image(*f, "bouton_aide");
        enregistre(f->grab().toImage(), QStringLiteral("aide"));
        clique(*f, "interrupteur_aide(0)");
        clique(*f, "interrupteur_aide(1)");
        clique(*f, "retour");
        QCOMPARE(cases_d_aide(*f).size(), 9);
        const QPoint visee = case_de(*f, rouge);
        clique_a(*f, rouge->geometry().center());
        QCOMPARE(f->controleur().partie().joueur(0).position,
                 (Case{int16(visee.x()), int16(visee.y())}));
    }

    // Two computers on a 12 x 12 board with the knight: their castles and pawns are drawn where
    // the game places them, and the game panel shows the knight's plaque. Closing the window
    // between two of their actions stops the game there, without a question.
    void closing_during_a_computer_game_stops_it() {
        auto f = fenetre_montree();
        tape_nom(*f, 0, QStringLiteral("Capucine"));
        tape_nom(*f, 1, QStringLiteral("Ordinateur"));
        clique(*f, "niveau(0)");
        clique(*f, "niveau(1)", 2);
        clique(*f, "deplacement");
        clique(*f, "mur_plus", 3); // walls: castles
        dimensionne(*f, 12, 12);
        const Controleur& j = f->controleur();
        QImage capture;
        Ecran vue; // the screen model when captured
        QTimer fermeture;
        connect(&fermeture, &QTimer::timeout, [&] {
            if (j.jeu().nb_murs() == 12 && f->isVisible()) {
                capture = f->grab().toImage();
                vue = j.ecran();
                f->close();
            }
        });
        fermeture.start(0);
        Repondeur r;
        clique(*f, "jouer");
        QTRY_VERIFY(!f->isVisible());
        QCoreApplication::processEvents(); // a pause already due would act now
        QVERIFY(r.questions.isEmpty() && !j.partie().finie() && j.jeu().nb_murs() == 12);
        for (const Element& e : {vue.murs[1], vue.murs[12], vue.pions[0], vue.pions[1]}) {
            QVERIFY(dessine(capture, {e.left, e.top}, nom_image(e.image)));
        }
        QVERIFY(dessine(capture, QPoint(456, 8) + QPoint(31, 292), "plaque_cavalier"));
        enregistre(capture, QStringLiteral("partie_12x12_cavalier"));
    }

    // Two computers play to the end; when the replay question opens the sign shows, drawn where
    // the game places it on the game panel.
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
        const Ecran& vue = f->controleur().ecran();
        QImage capture;
        bool signe = false;
        Repondeur r([&] {
            capture = f->grab().toImage();
            const Element& e = vue.signe;
            const QPoint coin(vue.panneau_jeu.left + e.left, vue.panneau_jeu.top + e.top);
            // the sign's top part: the small picture of the winner or of a wall covers the rest
            signe = dessine(capture, coin, qPrintable("panneau_" + panneau), 1, {0, 0, 128, 60});
            return false;
        });
        clique(*f, "niveau(0)", niveaux.x());
        clique(*f, "niveau(1)", niveaux.y());
        dimensionne(*f, taille.width(), taille.height());
        clique(*f, "jouer");
        QTRY_COMPARE(r.questions, QStringList{QStringLiteral("Voulez-vous rejouer?")});
        QVERIFY(signe);
        enregistre(capture, panneau);
    }

    // Levels 4 and 5 play a game to its end on the worker thread (the test above has levels 1 to
    // 3); then, paced, Ordi 5 against itself on 12 x 12 is abandoned just after an action, while
    // it searches the next, and the window is closed likewise. The thread sanitizer's build runs
    // this suite.
    void every_level_decides_on_the_worker_thread() {
        {
            auto f = fenetre_montree();
            clique(*f, "niveau(0)", 4);
            clique(*f, "niveau(1)", 5);
            Repondeur non; // gone before the next window's question, which it would answer
            clique(*f, "jouer");
            QTRY_COMPARE_WITH_TIMEOUT(non.questions, QStringList{"Voulez-vous rejouer?"}, 60000);
        }
        auto rythmee = fenetre_montree(true);
        clique(*rythmee, "niveau(0)", 5);
        clique(*rythmee, "niveau(1)", 5);
        dimensionne(*rythmee, 12, 12);
        const Jeu& jeu = rythmee->controleur().jeu();
        for (const bool ferme : {false, true}) {
            clique(*rythmee, "jouer");
            QTRY_VERIFY_WITH_TIMEOUT(jeu.nb_murs() == 1, 60000);
            if (ferme) {
                rythmee->close();
            } else {
                abandonne(*rythmee);
            }
        }
        QVERIFY(!rythmee->isVisible() && jeu.nb_murs() == 1);
    }

    // "Copier la partie" puts the game on the clipboard, and "Coller une partie" takes it up in
    // another window at the same point; a text that holds no record gets a message, and changes
    // nothing.
    void a_game_copied_and_pasted_through_the_clipboard() {
        auto source = fenetre_montree();
        clique(*source, "niveau(1)");
        clique(*source, "jouer");
        clique_cases(*source, {{4, 4}});
        QTRY_VERIFY(!source->controleur().jeu().ordinateur_au_trait());
        controle<QAction>(*source, "copier")->trigger();
        auto f = fenetre_montree();
        controle<QAction>(*f, "coller")->trigger();
        const std::vector<Action>& actions = f->controleur().partie().actions();
        QVERIFY(actions == source->controleur().partie().actions() && actions.size() == 2);
        QVERIFY(controle(*f, "pion", 1)->isVisible());
        QApplication::clipboard()->setText(QStringLiteral("{\"largeur\": 6"));
        controle<QAction>(*f, "coller")->trigger();
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(boite != nullptr && boite->text().startsWith(QStringLiteral(
                                        "Cette partie ne peut pas être reprise : le texte")));
        boite->accept();
        QCOMPARE(f->controleur().partie().actions().size(), std::size_t{2});
    }
};

QTEST_MAIN(TestFenetre)
#include "test_fenetre.moc"
