// The main window played with the keyboard alone, and what assistive technologies read of it.
#include "fenetre_test.h"

#include <QAccessible>

using namespace tessor;
using namespace tessor::test;

namespace {

void touche(Form1& f, Qt::Key k, int fois = 1) {
    for (int n = 0; n < fois; ++n) {
        QTest::keyClick(f.windowHandle(), k);
    }
}

// Presses Tab until the control `nom` has the focus.
void tabule_vers(Form1& f, const QString& nom) {
    for (int n = 0; n < 30 && f.focusWidget()->objectName() != nom; ++n) {
        touche(f, Qt::Key_Tab);
    }
    QCOMPARE(f.focusWidget()->objectName(), nom);
}

// Plays each square in turn: the cursor brought there with the arrows, then Enter and Space
// by turns.
void joue(Form1& f, std::initializer_list<QPoint> cases) {
    for (QPoint c : cases) {
        const Case p = f.controleur().curseur().position();
        touche(f, c.x() > p.x ? Qt::Key_Right : Qt::Key_Left, std::abs(c.x() - p.x));
        touche(f, c.y() > p.y ? Qt::Key_Down : Qt::Key_Up, std::abs(c.y() - p.y));
        touche(f, f.controleur().partie().joueur_courant() == 0 ? Qt::Key_Return : Qt::Key_Space);
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
        clique(*f, "Command2(5)", 3);
        clique(*f, "Command2(7)", 3);
        tabule_vers(*f, QStringLiteral("Command3(1)"));
        touche(*f, Qt::Key_Space);
        touche(*f, Qt::Key_Up);
        QCOMPARE(controle(*f, QStringLiteral("curseur"))->geometry().center(),
                 centre_case(*f, 4, 4));
        QWidget* signe = controle(*f, "Picture2", 0);
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
        QCOMPARE(signe_vu, QStringLiteral("Gagné !"));
        QCOMPARE(r.questions, QStringList{QStringLiteral("Voulez-vous rejouer?")});
        QVERIFY(controle(*f, QStringLiteral("Menu"))->isVisible() &&
                !controle(*f, QStringLiteral("curseur"))->isVisible());
    }

    // On the options screen the arrows move between buttons and F1 and Escape do nothing. In a
    // game F1 opens and closes the help panel, Tab reaches its controls and Space acts on them,
    // Escape asks to abandon.
    void the_panel_keys_act_as_the_panel_buttons() {
        auto f = fenetre_montree();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        clique(*f, "Command1(2)");
        QCOMPARE(nom(controle(*f, "text1", 1)), QStringLiteral("Nom du joueur 2"));
        QCOMPARE(nom(controle(*f, "Command1", 2)), QStringLiteral("Déplacement : Cavalier"));
        Repondeur r;
        tabule_vers(*f, QStringLiteral("Command2(5)"));
        for (Qt::Key k : {Qt::Key_Right, Qt::Key_F1, Qt::Key_Escape}) {
            touche(*f, k);
        }
        QTest::qWait(30);
        QVERIFY(r.questions.isEmpty() && !controle(*f, QStringLiteral("sspanel5"))->isVisible());
        QCOMPARE(nom(f->focusWidget()), QStringLiteral("Augmenter la largeur"));
        clique(*f, "Command3(1)");
        clique_cases(*f, {{3, 3}, {8, 8}});
        for (Qt::Key k : {Qt::Key_F1, Qt::Key_Escape, Qt::Key_F1}) {
            touche(*f, k);
            QTRY_COMPARE_WITH_TIMEOUT(controle(*f, QStringLiteral("sspanel5"))->isVisible(),
                                      k == Qt::Key_F1, 2000);
        }
        tabule_vers(*f, QStringLiteral("BoutonAide(1)"));
        touche(*f, Qt::Key_Space);
        QAccessibleInterface* interrupteur =
            QAccessible::queryAccessibleInterface(f->focusWidget());
        QVERIFY(interrupteur->role() == QAccessible::CheckBox && interrupteur->state().checked);
        tabule_vers(*f, QStringLiteral("Command4"));
        touche(*f, Qt::Key_Space);
        QVERIFY(controle(*f, QStringLiteral("sspanel3"))->isVisible() &&
                controle(*f, QStringLiteral("aidepion"))->isVisible());
        touche(*f, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!f->controleur().ecran().minuterie, 2000);
        QCOMPARE(r.questions,
                 QStringList{QStringLiteral("Etes vous sûre de vouloir abandonner cette partie?")});
    }
};

QTEST_MAIN(TestClavier)
#include "test_clavier.moc"
