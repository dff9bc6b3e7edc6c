// The main window played with the keyboard alone, and what assistive technologies read of it.
#include "fenetre_test.h"

#include <QAccessible>

#include <algorithm>
#include <cmath>

using namespace tessor;
using namespace tessor::test;

namespace {

void touche(FenetrePrincipale& f, Qt::Key k, int fois = 1) {
    for (int n = 0; n < fois; ++n) {
        QTest::keyClick(f.windowHandle(), k);
    }
}

// Presses Tab until the control `nom` has the focus.
void tabule_vers(FenetrePrincipale& f, const QString& nom) {
    for (int n = 0; n < 30 && f.focusWidget()->objectName() != nom; ++n) {
        touche(f, Qt::Key_Tab);
    }
    QCOMPARE(f.focusWidget()->objectName(), nom);
}

// Plays each square in turn: the cursor brought there with the arrows, then Enter and Space
// by turns.
void joue(FenetrePrincipale& f, std::initializer_list<QPoint> cases) {
    for (QPoint c : cases) {
        const Case p = f.controleur().curseur().position();
        touche(f, c.x() > p.x ? Qt::Key_Right : Qt::Key_Left, std::abs(c.x() - p.x));
        touche(f, c.y() > p.y ? Qt::Key_Down : Qt::Key_Up, std::abs(c.y() - p.y));
        touche(f, f.controleur().partie().joueur_courant() == 0 ? Qt::Key_Return : Qt::Key_Space);
    }
}

// WCAG 2.1's contrast ratio of two colours, from their relative luminances.
double contraste(QColor a, QColor b) {
    const auto luminance = [](QColor c) {
        double l = 0.05;
        for (const auto& [v, poids] :
             {std::pair{c.redF(), 0.2126}, {c.greenF(), 0.7152}, {c.blueF(), 0.0722}}) {
            l += poids * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return l;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// Tabs through the next `n` controls, each against `sans` (no keyboard focus): nothing changes
// outside its ring and the controls; at the middle of each side of the ring, a pixel stands out
// 3:1 or more from the colour just outside it.
void verifie_anneaux(FenetrePrincipale& f, const QImage& sans, int n) {
    QRegion controles;
    for (QWidget* w : f.findChildren<QWidget*>()) {
        if (w->focusPolicy() != Qt::NoFocus) {
            controles += QRect(w->mapTo(&f, QPoint(0, 0)), w->size());
        }
    }
    for (int k = 0; k < n; ++k) {
        touche(f, Qt::Key_Tab);
        QWidget* w = f.focusWidget();
        const QRect r(w->mapTo(&f, QPoint(0, 0)), w->size());
        const QRect anneau = r.adjusted(-3, -3, 3, 3);
        const QImage avec = f.grab().toImage().convertToFormat(sans.format());
        for (int y = 0; y < sans.height(); ++y) {
            for (int x = 0; x < sans.width(); ++x) {
                if (!anneau.contains(x, y) && !controles.contains({x, y})) {
                    QVERIFY2(avec.pixel(x, y) == sans.pixel(x, y), qPrintable(w->objectName()));
                }
            }
        }
        const QPoint c = r.center();
        const std::pair<QPoint, QPoint> cotes[] = {{{c.x(), anneau.top()}, {0, 1}},
                                                   {{c.x(), anneau.bottom()}, {0, -1}},
                                                   {{anneau.left(), c.y()}, {1, 0}},
                                                   {{anneau.right(), c.y()}, {-1, 0}}};
        for (const auto& [bord, dedans] : cotes) {
            const QColor dehors = sans.pixelColor(bord - dedans);
            double meilleur = 0;
            for (int i = 0; i < 3; ++i) {
                meilleur =
                    std::max(meilleur, contraste(avec.pixelColor(bord + dedans * i), dehors));
            }
            QVERIFY2(meilleur >= 3, qPrintable(w->objectName()));
        }
    }
}

QString nom(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

} // namespace

class TestClavier : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    // A game of two humans on 3 x 3, started with Tab and Space and played with the arrows,
    // Enter and Space, in which player 2's pawn on (5, 3) is walled in.
    void a_game_played_with_keys_alone_reaches_a_win() {
        auto f = fenetre_montree();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        clique(*f, "largeur_moins", 3);
        clique(*f, "hauteur_moins", 3);
        tabule_vers(*f, QStringLiteral("jouer"));
        touche(*f, Qt::Key_Space);
        touche(*f, Qt::Key_Up);
        QCOMPARE(controle(*f, QStringLiteral("curseur"))->geometry().center(),
                 centre_case(*f, 4, 4));
        QWidget* signe = controle(*f, "signe");
        joue(*f, {{3, 3}, {5, 5}, {4, 3}});
        QCOMPARE(nom(signe), QStringLiteral("Placez un mur"));
        joue(*f, {{3, 3}});
        QAccessibleTableInterface* plateau =
            QAccessible::queryAccessibleInterface(controle(*f, QStringLiteral("plateau")))
                ->tableInterface();
        QCOMPARE(plateau->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("mur"));
        QCOMPARE(plateau->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("Joueur 1"));
        joue(*f, {{5, 4}, {5, 5}, {3, 4}, {4, 3}, {5, 3}, {5, 4}, {3, 5}});
        QString signe_vu;
        Repondeur r([&] {
            signe_vu = nom(signe);
            return false;
        });
        joue(*f, {{4, 4}});
        QTRY_COMPARE_WITH_TIMEOUT(r.questions, QStringList{QStringLiteral("Voulez-vous rejouer?")},
                                  20000);
        QCOMPARE(signe_vu, QStringLiteral("Gagné !"));
        QVERIFY(controle(*f, QStringLiteral("options"))->isVisible() &&
                !controle(*f, QStringLiteral("curseur"))->isVisible());
    }

    // On the options screen the arrows move between buttons and F1 and Escape do nothing. In a
    // game Tab reaches the help panel's controls and Space acts on them (the real-display suite
    // holds F1, Escape and Space in every state).
    void the_panel_keys_act_as_the_panel_buttons() {
        auto f = fenetre_montree();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        clique(*f, "deplacement");
        QCOMPARE(nom(controle(*f, "nom", 1)), QStringLiteral("Nom du joueur 2"));
        QCOMPARE(nom(controle(*f, "deplacement")), QStringLiteral("Déplacement : Cavalier"));
        Repondeur r;
        tabule_vers(*f, QStringLiteral("largeur_moins"));
        for (Qt::Key k : {Qt::Key_Right, Qt::Key_F1, Qt::Key_Escape}) {
            touche(*f, k);
        }
        QVERIFY(r.questions.isEmpty() && !f->controleur().ecran().minuterie &&
                !controle(*f, QStringLiteral("panneau_aide"))->isVisible());
        QCOMPARE(nom(f->focusWidget()), QStringLiteral("Augmenter la largeur"));
        clique(*f, "jouer");
        clique_cases(*f, {{3, 3}, {8, 8}});
        presse_image(*f, "bouton_aide");
        tabule_vers(*f, QStringLiteral("interrupteur_aide(1)"));
        touche(*f, Qt::Key_Space);
        QAccessibleInterface* interrupteur =
            QAccessible::queryAccessibleInterface(f->focusWidget());
        QVERIFY(interrupteur->role() == QAccessible::CheckBox && interrupteur->state().checked);
        tabule_vers(*f, QStringLiteral("retour"));
        touche(*f, Qt::Key_Space);
        QVERIFY(controle(*f, QStringLiteral("panneau_jeu"))->isVisible() &&
                controle(*f, QStringLiteral("case_conseillee"))->isVisible());
    }

    // The control that Tab reaches shows a ring, on the options screen and on the help panel,
    // that changes only its surroundings; a click's focus shows none.
    void the_keyboard_focus_shows_a_ring_around_its_control() {
        auto f = fenetre_montree();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        const QImage options = f->grab().toImage();
        verifie_anneaux(*f, options, 18);
        clique(*f, "nom(1)");
        QCOMPARE(f->focusWidget()->objectName(), QStringLiteral("nom(1)"));
        QVERIFY(!controle(*f, QStringLiteral("indicateur_focus"))->isVisible());
        clique(*f, "jouer");
        presse_image(*f, "bouton_aide");
        verifie_anneaux(*f, f->grab().toImage(), 5);
    }
};

QTEST_MAIN(TestClavier)
#include "test_clavier.moc"
