// The main window on screen: what shows at start, the grid and numbers for each board size, the
// square under the pointer, which controls take a real click, and the side panels.
#include "fenetre_test.h"

#include <QLineEdit>

using namespace tessor;
using namespace tessor::test;

namespace {

int visibles(Form1& f, const char* nom, int premier, int dernier) {
    int n = 0;
    for (int k = premier; k <= dernier; ++k) {
        n += controle(f, nom, k)->isVisible() ? 1 : 0;
    }
    return n;
}

int elements_du_plateau_visibles(Form1& f) {
    return visibles(f, "mur", 1, 142) + visibles(f, "lignevert", 0, 12) +
           visibles(f, "lignehori", 0, 12) + visibles(f, "lettrehaut", 0, 11) +
           visibles(f, "lettregauche", 0, 11) + visibles(f, "dessinpion", 0, 1) +
           visibles(f, "cible2", 0, 7) + (controle(f, "aidepion")->isVisible() ? 1 : 0);
}

void lance(Form1& f, int largeur, int hauteur) {
    dimensionne(f, largeur, hauteur);
    clique_bouton(f, "Command3", 1);
}

// With TESSOR_CAPTURES naming a folder, the captures are saved there for the documentation.
void enregistre(const QImage& capture, const char* nom) {
    const QString dossier = qEnvironmentVariable("TESSOR_CAPTURES");
    if (!dossier.isEmpty()) {
        capture.save(QStringLiteral("%1/%2.png").arg(dossier, QLatin1String(nom)));
    }
}

// True when the opaque pixels of picture `nom` show in `capture` with their corner at `coin`.
bool dessine(const QImage& capture, QPoint coin, const char* nom, const QRect& partie = {}) {
    QImage image = QImage(QStringLiteral(":/images/%1.png").arg(QLatin1String(nom)))
                       .convertToFormat(QImage::Format_ARGB32);
    if (!partie.isNull()) {
        image = image.copy(partie);
    }
    const QImage vu = capture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 255 && vu.pixel(coin + QPoint(x, y)) != p) {
                return false;
            }
        }
    }
    return true;
}

QColor couleur_au_centre(const QImage& capture, QWidget* w) {
    return capture.pixelColor(w->geometry().center());
}

void nomme(Form1& f, const char* nom1, const char* nom2) {
    for (int k = 0; k < 2; ++k) {
        auto* nom = controle<QLineEdit>(f, "text1", k);
        nom->selectAll();
        nom->insert(QString::fromUtf8(k == 0 ? nom1 : nom2));
    }
}

// A game between two computers played to its end; the window is captured when the replay
// question opens, and the answer is No.
QImage fin_de_partie(Form1& f, int largeur, int hauteur, int niveau0, int niveau1) {
    QImage capture;
    Repondeur r;
    r.a_l_ouverture = [&] { capture = f.grab().toImage(); };
    clique_bouton(f, "Command1", 0, niveau0);
    clique_bouton(f, "Command1", 1, niveau1);
    lance(f, largeur, hauteur);
    return capture;
}

} // namespace

class TestFenetre : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    void la_fenetre_est_fixe_titree_et_sans_agrandissement() {
        auto f = fenetre_montree();
        QCOMPARE(f->windowTitle(), QStringLiteral("Tessor"));
        QCOMPARE(f->size(), QSize(640, 460));
        QCOMPARE(f->minimumSize(), f->maximumSize());
        QVERIFY(!(f->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!f->windowIcon().isNull());
    }

    void au_depart_seul_l_ecran_des_options_se_voit() {
        auto f = fenetre_montree();
        QWidget* menu = controle(*f, QStringLiteral("Menu"));
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->geometry(), QRect(0, 0, 640, 460));
        QCOMPARE(elements_du_plateau_visibles(*f), 0);
        QVERIFY(!controle(*f, QStringLiteral("sspanel3"))->isVisible());
        QVERIFY(!controle(*f, QStringLiteral("sspanel5"))->isVisible());
    }

    void la_grille_et_les_numeros_suivent_la_taille_du_plateau_data() {
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<QPoint>("origine");
        QTest::newRow("3 x 3") << 3 << 3 << QPoint(176, 177);
        QTest::newRow("6 x 6") << 6 << 6 << QPoint(128, 129);
        QTest::newRow("12 x 12") << 12 << 12 << QPoint(32, 33);
        QTest::newRow("4 x 9") << 4 << 9 << QPoint(160, 81);
    }

    void la_grille_et_les_numeros_suivent_la_taille_du_plateau() {
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(QPoint, origine);
        auto f = fenetre_montree();
        lance(*f, largeur, hauteur);
        verifie_grille(*f, largeur, hauteur, origine);
    }

    void la_grille_d_un_plateau_6_x_6_couvre_128_a_326() {
        auto f = fenetre_montree();
        lance(*f, 6, 6);
        QCOMPARE(controle(*f, "lignehori", 0)->geometry(),
                 QRect(QPoint(128, 129), QPoint(326, 129)));
        QCOMPARE(controle(*f, "lignevert", 6)->geometry(),
                 QRect(QPoint(326, 129), QPoint(326, 327)));
        QCOMPARE(controle(*f, "lettrehaut", 0)->y(), 112);
        QCOMPARE(controle(*f, "lettregauche", 0)->x(), 92);
        QCOMPARE(controle<QLabel>(*f, "lettrehaut", 4)->text(), QStringLiteral(" 5"));
        QCOMPARE(controle<QLabel>(*f, "lettregauche", 4)->text(), QStringLiteral(" 5"));
        QVERIFY(controle<QLabel>(*f, "lettrehaut", 0)->alignment() & Qt::AlignHCenter);
        QVERIFY(controle<QLabel>(*f, "lettregauche", 0)->alignment() & Qt::AlignRight);
    }

    void reduire_puis_agrandir_le_plateau_entre_deux_parties() {
        auto f = fenetre_montree();
        lance(*f, 12, 12);
        abandonne(*f, true);
        QCOMPARE(elements_du_plateau_visibles(*f), 0);
        lance(*f, 4, 3);
        verifie_grille(*f, 4, 3, QPoint(160, 177));
        abandonne(*f, true);
        lance(*f, 9, 11);
        verifie_grille(*f, 9, 11, QPoint(80, 49));
    }

    void la_case_sous_le_pointeur_aux_bords_du_plateau() {
        auto f = fenetre_montree();
        lance(*f, 6, 6);
        const int x0 = 128;
        const int y0 = 129;
        survole(*f, {x0 + 40, y0 + 40});
        QCOMPARE(case_survolee(*f), QPoint(4, 4));
        survole(*f, {x0, y0});
        QCOMPARE(case_survolee(*f), QPoint(3, 3));
        survole(*f, {x0 + 33 * 6, y0 + 5});
        QCOMPARE(case_survolee(*f), QPoint(-1, -1));
        survole(*f, {x0 + 33, y0 + 5});
        QCOMPARE(case_survolee(*f), QPoint(4, 3));
        survole(*f, {x0 + 5, y0 + 33 * 6 - 1});
        QCOMPARE(case_survolee(*f), QPoint(3, 8));
        survole(*f, {x0 - 1, y0 + 5});
        QCOMPARE(case_survolee(*f), QPoint(-1, -1));
    }

    // The pointer over a pawn or a wall marker is not over the board: the square under the
    // pointer stays the last one seen, and a click there does nothing at all.
    void un_clic_sur_un_pion_ou_un_mur_ne_fait_rien() {
        auto f = fenetre_montree();
        lance(*f, 6, 6);
        clique_case(*f, 3, 3);
        clique_case(*f, 5, 5);
        clique_case(*f, 4, 4); // player 1 moves
        QCOMPARE(f->jeu().phase, 2);
        for (QPoint occupee : {QPoint(4, 4), QPoint(5, 5)}) {
            survole(*f, centre_case(*f, 7, 7));
            clique_case(*f, occupee.x(), occupee.y());
            QCOMPARE(case_survolee(*f), QPoint(7, 7));
            QCOMPARE(f->jeu().phase, 2);
            QCOMPARE(f->jeu().nb_murs, 0);
        }
        clique_case(*f, 8, 8); // the wall
        QVERIFY(controle(*f, "mur", 1)->isVisible());
        survole(*f, centre_case(*f, 6, 5));
        clique_case(*f, 8, 8);
        QCOMPARE(case_survolee(*f), QPoint(6, 5));
        QCOMPARE(f->jeu().joueurs[1].position, (Case{5, 5}));
        QCOMPARE(f->jeu().phase, 1);
    }

    void un_clic_sur_une_case_d_aide_agit_sur_la_case_dessous() {
        auto f = fenetre_montree();
        lance(*f, 6, 6);
        clique_case(*f, 3, 3);
        clique_case(*f, 5, 5);
        presse_image(*f, "Picture5");
        clique_sur(*f, controle(*f, "BoutonAide", 0));
        QWidget* cible = controle(*f, "cible2", 0);
        QVERIFY(cible->isVisible());
        const QPoint sous_la_cible = cible->geometry().center();
        const QPoint case_visee{3 + (sous_la_cible.x() - 128) / 33,
                                3 + (sous_la_cible.y() - 129) / 33};
        clique_a(*f, sous_la_cible);
        const Case pion = f->jeu().joueurs[0].position;
        QCOMPARE(QPoint(pion.x, pion.y), case_visee);
        QCOMPARE(controle(*f, "dessinpion", 0)->pos(), cible->pos());
    }

    void un_seul_panneau_lateral_se_voit_pendant_une_partie() {
        auto f = fenetre_montree();
        lance(*f, 6, 6);
        QWidget* jeu = controle(*f, QStringLiteral("sspanel3"));
        QWidget* aide = controle(*f, QStringLiteral("sspanel5"));
        QCOMPARE(jeu->geometry(), QRect(456, 8, 184, 452));
        QCOMPARE(aide->geometry(), QRect(456, 8, 184, 452));
        QVERIFY(jeu->isVisible() && !aide->isVisible());
        presse_image(*f, "Picture5");
        QVERIFY(!jeu->isVisible() && aide->isVisible());
        clique_sur(*f, controle(*f, QStringLiteral("Command4")));
        QVERIFY(jeu->isVisible() && !aide->isVisible());
        presse_image(*f, "Picture5");
        clique_case(*f, 4, 4); // a click on the board brings the game panel back
        QVERIFY(jeu->isVisible() && !aide->isVisible());
    }

    void le_panneau_de_jeu_montre_le_joueur_au_trait_et_le_signe() {
        auto f = fenetre_montree();
        lance(*f, 6, 6);
        QVERIFY(montre(*f, "aff_joueur", 0, "plaque_joueur1"));
        QCOMPARE(controle<QLabel>(*f, QStringLiteral("Label7"))->text(),
                 QStringLiteral("Joueur 1"));
        QVERIFY(montre(*f, "Picture2", 0, "panneau_placez_pion"));
        QCOMPARE(controle(*f, "Picture2", 0)->pos(), QPoint(33, 141)); // 490 and 2115 twips
        clique_case(*f, 3, 3);
        QVERIFY(montre(*f, "aff_joueur", 0, "plaque_joueur2"));
        QCOMPARE(controle<QLabel>(*f, QStringLiteral("Label7"))->text(),
                 QStringLiteral("Joueur 2"));
        QVERIFY(montre(*f, "Image1", 3, "pion_01_motard"));
        clique_case(*f, 5, 5);
        QVERIFY(montre(*f, "Picture2", 0, "panneau_deplacez_pion"));
        QCOMPARE(controle(*f, "Picture2", 0)->pos(), QPoint(33, 140));
        QCOMPARE(controle(*f, "dessinpion", 0)->pos(), QPoint(129, 130));
        QVERIFY(montre(*f, "dessinpion", 1, "pion_01_motard"));
    }

    void capture_des_options() {
        auto f = fenetre_montree();
        const QImage capture = f->grab().toImage();
        QCOMPARE(capture.size(), QSize(640, 460));
        QVERIFY(dessine(capture, controle(*f, "Image1", 1)->mapTo(f.get(), QPoint()),
                        "pion_01_motard"));
        enregistre(capture, "options");
    }

    void capture_d_une_partie_6_x_6_avec_les_deux_aides() {
        auto f = fenetre_montree();
        nomme(*f, "Zoé", "Bastien");
        clique_bouton(*f, "Command2", 3, 5); // player 2: the dolphin
        lance(*f, 6, 6);
        for (QPoint c : {QPoint(4, 4), QPoint(6, 6), QPoint(5, 4), QPoint(7, 7), QPoint(7, 6),
                         QPoint(3, 3), QPoint(5, 5), QPoint(8, 4), QPoint(7, 5), QPoint(4, 8)}) {
            clique_case(*f, c.x(), c.y());
        }
        presse_image(*f, "Picture5");
        clique_sur(*f, controle(*f, "BoutonAide", 0));
        clique_sur(*f, controle(*f, "BoutonAide", 1));
        clique_sur(*f, controle(*f, QStringLiteral("Command4")));
        const QImage capture = f->grab().toImage();
        QWidget* rouge = controle(*f, QStringLiteral("aidepion"));
        QCOMPARE(couleur_au_centre(capture, rouge), QColor(0xC0, 0x00, 0x00));
        int grises = 0;
        for (int k = 0; k < 8; ++k) {
            QWidget* cible = controle(*f, "cible2", k);
            if (cible->isVisible() && cible->pos() != rouge->pos()) {
                QCOMPARE(couleur_au_centre(capture, cible), QColor(0xE0, 0xE0, 0xE0));
                ++grises;
            }
        }
        QVERIFY(grises > 0);
        QVERIFY(dessine(capture, controle(*f, "dessinpion", 1)->pos(), "pion_06_dauphin"));
        QVERIFY(dessine(capture, controle(*f, "mur", 4)->pos(), "mur_00_briques"));
        QVERIFY(dessine(capture, QPoint(456, 8) + QPoint(30, 37), "plaque_joueur1"));
        enregistre(capture, "partie_6x6");
    }

    void capture_d_une_partie_12_x_12_au_cavalier() {
        auto f = fenetre_montree();
        nomme(*f, "Capucine", "Ordinateur");
        clique_bouton(*f, "Command1", 1, 2);
        clique_bouton(*f, "Command1", 2);
        clique_bouton(*f, "Command2", 8, 3); // walls: castles
        lance(*f, 12, 12);
        clique_case(*f, 8, 8);
        for (int tour = 0; tour < 6; ++tour) {
            joue_tour(*f);
        }
        QCOMPARE(f->jeu().nb_murs, 12);
        const QImage capture = f->grab().toImage();
        QVERIFY(dessine(capture, controle(*f, "mur", 12)->pos(), "mur_03_chateau"));
        QVERIFY(dessine(capture, QPoint(456, 8) + QPoint(31, 292), "plaque_cavalier"));
        enregistre(capture, "partie_12x12_cavalier");
    }

    void capture_du_panneau_d_aide() {
        auto f = fenetre_montree();
        lance(*f, 7, 5);
        clique_case(*f, 4, 4);
        clique_case(*f, 8, 6);
        presse_image(*f, "Picture5");
        const QImage capture = f->grab().toImage();
        QVERIFY(dessine(capture, {456, 8}, "planche_aide", QRect(0, 0, 184, 70)));
        enregistre(capture, "aide");
    }

    void capture_d_une_partie_gagnee() {
        auto f = fenetre_montree();
        const QImage capture = fin_de_partie(*f, 7, 7, 2, 1);
        QVERIFY(!capture.isNull());
        QVERIFY(dessine(capture, QPoint(456 + 34, 8 + 141), "panneau_gagne", QRect(0, 0, 128, 60)));
        enregistre(capture, "gagne");
    }

    void capture_d_un_match_nul() {
        auto f = fenetre_montree();
        const QImage capture = fin_de_partie(*f, 6, 6, 3, 1);
        QVERIFY(!capture.isNull());
        QVERIFY(
            dessine(capture, QPoint(456 + 34, 8 + 140), "panneau_match_nul", QRect(0, 0, 128, 60)));
        enregistre(capture, "match_nul");
    }

  private:
    static QPoint case_survolee(Form1& f) { return {f.jeu().case_survol_x, f.jeu().case_survol_y}; }

    static void verifie_grille(Form1& f, int largeur, int hauteur, QPoint origine) {
        QCOMPARE(QPoint(f.jeu().origine_x, f.jeu().origine_y), origine);
        const int x0 = origine.x();
        const int y0 = origine.y();
        for (int i = 0; i < NB_LIGNES; ++i) {
            QCOMPARE(controle(f, "lignevert", i)->isVisible(), i <= largeur);
            QCOMPARE(controle(f, "lignehori", i)->isVisible(), i <= hauteur);
        }
        for (int i = 0; i <= largeur; ++i) {
            QCOMPARE(controle(f, "lignevert", i)->geometry(),
                     QRect(x0 + 33 * i, y0, 1, 33 * hauteur + 1));
        }
        for (int i = 0; i <= hauteur; ++i) {
            QCOMPARE(controle(f, "lignehori", i)->geometry(),
                     QRect(x0, y0 + 33 * i, 33 * largeur + 1, 1));
        }
        for (int i = 0; i < NB_LETTRES; ++i) {
            auto* haut = controle<QLabel>(f, "lettrehaut", i);
            auto* gauche = controle<QLabel>(f, "lettregauche", i);
            QCOMPARE(haut->isVisible(), i < largeur);
            QCOMPARE(gauche->isVisible(), i < hauteur);
            if (i < largeur) {
                QCOMPARE(haut->geometry(), QRect(x0 + 33 * i, y0 - 17, 33, 17));
                QCOMPARE(haut->text(), QStringLiteral(" %1").arg(i + 1));
            }
            if (i < hauteur) {
                QCOMPARE(gauche->geometry(), QRect(x0 - 36, y0 + 33 * i + 14, 33, 17));
                QCOMPARE(gauche->text(), QStringLiteral(" %1").arg(i + 1));
            }
        }
    }
};

QTEST_MAIN(TestFenetre)
#include "test_fenetre.moc"
