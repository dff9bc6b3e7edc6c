// The options screen and the game panel's buttons on screen: the steppers and their limits, the
// level and movement buttons, the name boxes, abandoning a game, quitting, and the options kept
// from one game to the next.
#include "fenetre_test.h"

#include <QLineEdit>

using namespace tessor;
using namespace tessor::test;

namespace {

QString texte_bouton(Form1& f, const char* nom, int indice) {
    return controle<QPushButton>(f, nom, indice)->text();
}

QString texte_label(Form1& f, const char* nom, int indice) {
    return controle<QLabel>(f, nom, indice)->text();
}

// Everything a game shows and holds, to tell whether anything changed.
struct Etat {
    Tableau tableau;
    Case pion0;
    Case pion1;
    int joueur;
    int phase;
    int murs;
    QList<QRect> visibles;

    explicit Etat(Form1& f) {
        const Jeu& j = f.jeu();
        tableau = j.tableau;
        pion0 = j.joueurs[0].position;
        pion1 = j.joueurs[1].position;
        joueur = j.joueur_courant;
        phase = j.phase;
        murs = j.nb_murs;
        for (QWidget* w : f.findChildren<QWidget*>()) {
            if (w->isVisible()) {
                visibles << w->geometry();
            }
        }
    }

    bool operator==(const Etat& o) const {
        return tableau == o.tableau && pion0 == o.pion0 && pion1 == o.pion1 && joueur == o.joueur &&
               phase == o.phase && murs == o.murs && visibles == o.visibles;
    }
};

// A 6 x 6 game between two humans after both placements, a move and a wall.
std::unique_ptr<Form1> partie_en_cours() {
    auto f = fenetre_montree();
    clique_bouton(*f, "Command3", 1);
    for (QPoint c : {QPoint(3, 3), QPoint(6, 6), QPoint(4, 4), QPoint(8, 8)}) {
        clique_case(*f, c.x(), c.y());
    }
    return f;
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    void les_dimensions_vont_de_3_a_12_sans_boucler_data() {
        QTest::addColumn<int>("plus");
        QTest::addColumn<int>("moins");
        QTest::addColumn<int>("label");
        QTest::newRow("largeur") << 4 << 5 << 0;
        QTest::newRow("hauteur") << 6 << 7 << 1;
    }

    void les_dimensions_vont_de_3_a_12_sans_boucler() {
        QFETCH(int, plus);
        QFETCH(int, moins);
        QFETCH(int, label);
        auto f = fenetre_montree();
        const auto dimension = [&] { return label == 0 ? f->jeu().largeur : f->jeu().hauteur; };
        QCOMPARE(texte_label(*f, "Label2", label), QStringLiteral("6"));
        clique_bouton(*f, "Command2", plus, 6);
        QCOMPARE(texte_label(*f, "Label2", label), QStringLiteral("12"));
        clique_bouton(*f, "Command2", plus);
        QCOMPARE(texte_label(*f, "Label2", label), QStringLiteral("12"));
        QCOMPARE(dimension(), 12);
        clique_bouton(*f, "Command2", moins, 9);
        QCOMPARE(texte_label(*f, "Label2", label), QStringLiteral("3"));
        clique_bouton(*f, "Command2", moins);
        QCOMPARE(texte_label(*f, "Label2", label), QStringLiteral("3"));
        QCOMPARE(dimension(), 3);
        QCOMPARE(texte_label(*f, "Label2", 1 - label), QStringLiteral("6"));
    }

    void les_pions_bouclent_et_sautent_celui_de_l_autre_joueur() {
        auto f = fenetre_montree();
        QVERIFY(montre(*f, "Image1", 0, "pion_00_kart"));
        QVERIFY(montre(*f, "Image1", 1, "pion_01_motard"));
        clique_bouton(*f, "Command2", 2); // player 2 "-": 0 is player 1's
        QVERIFY(montre(*f, "Image1", 1, "pion_11_soldat2"));
        clique_bouton(*f, "Command2", 1); // player 1 "-": 11 is now player 2's
        QVERIFY(montre(*f, "Image1", 0, "pion_10_soldat"));
        clique_bouton(*f, "Command2", 0); // player 1 "+": past 11, round to 0
        QVERIFY(montre(*f, "Image1", 0, "pion_00_kart"));
        clique_bouton(*f, "Command2", 3); // player 2 "+": round to 0, which is taken
        QVERIFY(montre(*f, "Image1", 1, "pion_01_motard"));
        clique_bouton(*f, "Command2", 0);
        QVERIFY(montre(*f, "Image1", 0, "pion_02_voiture"));
        QCOMPARE(f->jeu().joueurs[0].pion, 2);
        QCOMPARE(f->jeu().joueurs[1].pion, 1);
    }

    void le_mur_boucle_dans_les_deux_sens() {
        auto f = fenetre_montree();
        QVERIFY(montre(*f, "Image1", 2, "mur_00_briques"));
        clique_bouton(*f, "Command2", 9);
        QVERIFY(montre(*f, "Image1", 2, "mur_04_blason"));
        clique_bouton(*f, "Command2", 8);
        QVERIFY(montre(*f, "Image1", 2, "mur_00_briques"));
        clique_bouton(*f, "Command2", 8, 3);
        QVERIFY(montre(*f, "Image1", 2, "mur_03_chateau"));
    }

    void le_niveau_fait_un_cycle_de_cinq_clics_data() {
        QTest::addColumn<int>("joueur");
        QTest::newRow("joueur 1") << 0;
        QTest::newRow("joueur 2") << 1;
    }

    void le_niveau_fait_un_cycle_de_cinq_clics() {
        QFETCH(int, joueur);
        auto f = fenetre_montree();
        const QStringList attendus{"Ordi  1", "Ordi  2", "Ordi  3", "Ordi  4", "Humain"};
        QCOMPARE(texte_bouton(*f, "Command1", joueur), QStringLiteral("Humain"));
        for (int k = 0; k < 5; ++k) {
            clique_bouton(*f, "Command1", joueur);
            QCOMPARE(texte_bouton(*f, "Command1", joueur), attendus[k]);
            QCOMPARE(f->jeu().joueurs[joueur].niveau, (k + 1) % 5);
        }
        QCOMPARE(texte_bouton(*f, "Command1", 1 - joueur), QStringLiteral("Humain"));
    }

    void le_deplacement_alterne_roi_et_cavalier() {
        auto f = fenetre_montree();
        QCOMPARE(texte_bouton(*f, "Command1", 2), QStringLiteral("Roi"));
        clique_bouton(*f, "Command1", 2);
        QCOMPARE(texte_bouton(*f, "Command1", 2), QStringLiteral("Cavalier"));
        QVERIFY(f->jeu().cavalier);
        clique_bouton(*f, "Command1", 2);
        QCOMPARE(texte_bouton(*f, "Command1", 2), QStringLiteral("Roi"));
        QVERIFY(!f->jeu().cavalier);
    }

    void les_noms_ont_dix_caracteres_au_plus_et_s_affichent_tels_quels() {
        auto f = fenetre_montree();
        auto* nom1 = controle<QLineEdit>(*f, "text1", 0);
        auto* nom2 = controle<QLineEdit>(*f, "text1", 1);
        nom1->selectAll();
        QTest::keyClicks(nom1, QStringLiteral("ABCDEFGHIJK"));
        QCOMPARE(nom1->text(), QStringLiteral("ABCDEFGHIJ"));
        nom2->selectAll();
        QTest::keyClicks(nom2, QStringLiteral("<b>x</b>"));
        clique_bouton(*f, "Command3", 1);
        auto* label7 = controle<QLabel>(*f, QStringLiteral("Label7"));
        QCOMPARE(label7->text(), QStringLiteral("ABCDEFGHIJ"));
        clique_case(*f, 3, 3);
        QCOMPARE(label7->text(), QStringLiteral("<b>x</b>"));
        QCOMPARE(label7->textFormat(), Qt::PlainText);
    }

    void abandonner_avec_non_garde_la_partie_telle_quelle() {
        auto f = partie_en_cours();
        const Etat avant(*f);
        Repondeur r({false});
        presse_image(*f, "Picture6");
        QCOMPARE(r.questions,
                 QStringList{QStringLiteral("Etes vous sûre de vouloir abandonner cette partie?")});
        QCOMPARE(r.titres, QStringList{QStringLiteral("Tessor")});
        QVERIFY(r.sans_icone);
        QVERIFY(Etat(*f) == avant);
        QVERIFY(montre(*f, "Picture6", 0, "bouton_quitter"));
        clique_case(*f, 5, 5); // the game goes on: player 2 moves
        QCOMPARE(f->jeu().joueurs[1].position, (Case{5, 5}));
    }

    void abandonner_avec_oui_revient_aux_options() {
        auto f = partie_en_cours();
        abandonne(*f, true);
        QVERIFY(controle(*f, QStringLiteral("Menu"))->isVisible());
        QVERIFY(!controle(*f, QStringLiteral("sspanel3"))->isVisible());
        QVERIFY(!controle(*f, "dessinpion", 0)->isVisible());
        QVERIFY(!controle(*f, "mur", 1)->isVisible());
        QVERIFY(!controle(*f, "lignevert", 0)->isVisible());
        QVERIFY(montre(*f, "Picture6", 0, "bouton_quitter"));
    }

    void un_bouton_image_montre_son_enfoncement_puis_agit_une_seule_fois() {
        auto f = partie_en_cours();
        Repondeur r({false});
        QWidget* quitter = controle(*f, "Picture6", 0);
        clique_sur(*f, quitter);
        QVERIFY(montre(*f, "Picture6", 0, "bouton_quitter_enfonce"));
        clique_sur(*f, quitter);
        r.a_l_ouverture = [&] { clique_sur(*f, quitter); };
        QTRY_VERIFY_WITH_TIMEOUT(!f->jeu().fenetre.timer1, 2000);
        QTest::qWait(30);
        QCOMPARE(r.questions.size(), 1);
        QVERIFY(montre(*f, "Picture6", 0, "bouton_quitter"));
    }

    void l_aide_du_panneau_ouvre_le_panneau_d_aide_une_fois() {
        auto f = partie_en_cours();
        QWidget* aide = controle(*f, "Picture5", 0);
        clique_sur(*f, aide);
        QVERIFY(montre(*f, "Picture5", 0, "bouton_aide_enfonce"));
        QVERIFY(!controle(*f, QStringLiteral("sspanel5"))->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(controle(*f, QStringLiteral("sspanel5"))->isVisible(), 2000);
        QVERIFY(montre(*f, "Picture5", 0, "bouton_aide"));
    }

    // A press made just before the click that ends the game: its action waits for the replay
    // question, then acts on the new game, or after No only releases its button.
    void une_pression_attend_la_question_de_fin_de_partie_data() {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<bool>("rejouer");
        QTest::newRow("Aide, non") << QStringLiteral("Picture5(0)") << false;
        QTest::newRow("Aide, oui") << QStringLiteral("Picture5(0)") << true;
        QTest::newRow("Quitter, non") << QStringLiteral("Picture6(0)") << false;
        QTest::newRow("Quitter, oui") << QStringLiteral("Picture6(0)") << true;
    }

    void une_pression_attend_la_question_de_fin_de_partie() {
        QFETCH(QString, bouton);
        QFETCH(bool, rejouer);
        auto f = fenetre_montree();
        clique_bouton(*f, "Command1", 2);
        dimensionne(*f, 4, 5);
        clique_bouton(*f, "Command3", 1);
        for (QPoint c : {QPoint(3, 3), QPoint(3, 7), QPoint(4, 5)}) {
            clique_case(*f, c.x(), c.y());
        }
        Repondeur r({rejouer});
        clique_sur(*f, controle(*f, bouton));
        QTest::qSleep(20);     // the press is due when the question opens
        clique_case(*f, 5, 6); // the wall that leaves player 2's knight without a move
        QTRY_VERIFY_WITH_TIMEOUT(!f->jeu().fenetre.timer1, 2000);
        QStringList questions{QStringLiteral("Voulez-vous rejouer?")};
        if (rejouer && bouton == QLatin1String("Picture6(0)")) {
            questions << QStringLiteral("Etes vous sûre de vouloir abandonner cette partie?");
        }
        QCOMPARE(r.questions, questions);
        QCOMPARE(controle(*f, QStringLiteral("Menu"))->isVisible(), !rejouer);
        const bool aide = rejouer && bouton == QLatin1String("Picture5(0)");
        QCOMPARE(controle(*f, QStringLiteral("sspanel5"))->isVisible(), aide);
        QCOMPARE(controle(*f, QStringLiteral("sspanel3"))->isVisible(), rejouer && !aide);
        QVERIFY(montre(*f, "Picture5", 0, "bouton_aide"));
        QVERIFY(montre(*f, "Picture6", 0, "bouton_quitter"));
    }

    void quitter_demande_confirmation() {
        auto f = fenetre_montree();
        Repondeur r({false, true});
        clique_bouton(*f, "Command3", 0);
        QVERIFY(f->isVisible());
        QVERIFY(controle(*f, QStringLiteral("Menu"))->isVisible());
        clique_bouton(*f, "Command3", 0);
        QVERIFY(!f->isVisible());
        QCOMPARE(r.questions, QStringList(2, QStringLiteral("Etes vous sûre de vouloir quitter?")));
        QVERIFY(r.sans_icone);
    }

    void les_options_gardent_ce_qu_elles_montraient_apres_une_partie() {
        auto f = fenetre_montree();
        controle<QLineEdit>(*f, "text1", 0)->setText(QStringLiteral("Armelle"));
        clique_bouton(*f, "Command1", 0, 2);
        clique_bouton(*f, "Command1", 2);
        clique_bouton(*f, "Command2", 3, 4);
        clique_bouton(*f, "Command2", 9);
        dimensionne(*f, 4, 5);
        const QImage pion2 = controle<Picture>(*f, "Image1", 1)->pixmap().toImage();
        // Player 1 is the computer: it places its pawn and the game waits for player 2.
        clique_bouton(*f, "Command3", 1);
        QVERIFY(!controle(*f, QStringLiteral("Menu"))->isVisible());
        abandonne(*f, true);
        QCOMPARE(controle<QLineEdit>(*f, "text1", 0)->text(), QStringLiteral("Armelle"));
        QCOMPARE(controle<QLineEdit>(*f, "text1", 1)->text(), QStringLiteral("Joueur 2"));
        QCOMPARE(texte_bouton(*f, "Command1", 0), QStringLiteral("Ordi  2"));
        QCOMPARE(texte_bouton(*f, "Command1", 1), QStringLiteral("Humain"));
        QCOMPARE(texte_bouton(*f, "Command1", 2), QStringLiteral("Cavalier"));
        QCOMPARE(texte_label(*f, "Label2", 0), QStringLiteral("4"));
        QCOMPARE(texte_label(*f, "Label2", 1), QStringLiteral("5"));
        QVERIFY(montre(*f, "Image1", 0, "pion_00_kart"));
        QCOMPARE(controle<Picture>(*f, "Image1", 1)->pixmap().toImage(), pion2);
        QVERIFY(montre(*f, "Image1", 2, "mur_04_blason"));
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
