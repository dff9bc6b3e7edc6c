// The program from its splash window: the hand-over to the main window, whole games played by
// clicks, the end of the program however the window is left, and the information window: its
// pages, how it remembers the last one, the ways to close it, and its links.
#include "fenetre_test.h"
#include "plateforme_test.h"
#include "ui/chargement.h"
#include "ui/programme.h"

using namespace tessor;
using namespace tessor::test;

namespace {

// Starts the program and waits for the main window.
Form1& demarre(Programme& programme) {
    programme.demarre();
    if (!QTest::qWaitFor([&] { return programme.fenetre() != nullptr; }, 2000) ||
        !QTest::qWaitForWindowExposed(programme.fenetre())) {
        qFatal("the splash window never handed over");
    }
    return *programme.fenetre();
}

bool une_fenetre_visible() {
    const QWidgetList fenetres = QApplication::topLevelWidgets();
    return std::any_of(fenetres.begin(), fenetres.end(), [](QWidget* w) { return w->isVisible(); });
}

void clique(const Form2& fenetre, const QString& nom) {
    QTest::mouseClick(fenetre.findChild<QPushButton*>(nom), Qt::LeftButton);
}

// Names of the pages that the player sees.
QStringList pages_visibles(const Form2& fenetre) {
    QStringList noms;
    for (int i = 1; i <= 4; ++i) {
        const QString nom = QStringLiteral("Picture%1").arg(i);
        if (fenetre.findChild<QWidget*>(nom)->isVisible()) {
            noms << nom;
        }
    }
    return noms;
}

// Opens the window and runs `pendant` inside its modal loop; then leaves with "Retour au jeu"
// when `pendant` has not closed the window itself. Returns the pages seen on opening.
QStringList ouvre(
    Form2& fenetre, const std::function<void()>& pendant = [] {}) {
    QStringList vues;
    QTimer::singleShot(0, &fenetre, [&] {
        vues = pages_visibles(fenetre);
        pendant();
        if (fenetre.isVisible()) {
            clique(fenetre, QStringLiteral("Command5"));
        }
    });
    fenetre.ouvre();
    return vues;
}

} // namespace

class TestProgramme : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    void the_splash_hands_over_once_unless_stopped_data() {
        QTest::addColumn<bool>("arretee");
        QTest::newRow("running") << false;
        QTest::newRow("stopped") << true;
    }
    void the_splash_hands_over_once_unless_stopped() {
        QFETCH(bool, arretee);
        int passages = 0;
        Chargement splash([&passages] { ++passages; });
        enregistre(splash.grab().toImage(), QStringLiteral("splash"));
        splash.demarre();
        QVERIFY(splash.isVisible());
        if (arretee) {
            splash.arrete_minuterie();
        }
        QCOMPARE(passages, 0); // not before the event loop runs
        QTRY_COMPARE(passages, arretee ? 0 : 1);
        QTest::qWait(30);
        QCOMPARE(passages, arretee ? 0 : 1);
    }

    void a_human_game_won_by_clicks_then_no_keeps_the_options() {
        Programme programme([] { return MIDI; });
        Form1& f = demarre(programme);
        tape_nom(f, 0, QStringLiteral("Yvette"));
        tape_nom(f, 1, QStringLiteral("Marius"));
        clique_bouton(f, "Command1", 0, 5); // all the levels, back to "Humain"
        clique_bouton(f, "Command2", 0, 3);
        clique_bouton(f, "Command2", 2, 2);
        clique_bouton(f, "Command2", 8);
        clique_bouton(f, "Command1", 2);
        dimensionne(f, 4, 5);
        const Options avant(f);
        Repondeur r({false});
        clique_bouton(f, "Command3", 1);
        QCOMPARE(
            QPoint(f.controleur().geometrie().origine_x(), f.controleur().geometrie().origine_y()),
            QPoint(160, 145));
        clique_cases(f, {{3, 3}, {3, 7}, {4, 5}});
        QVERIFY(r.questions.isEmpty());
        bool gagne = false;
        QString gagnant;
        r.a_l_ouverture = [&] {
            gagne = montre(f, "Picture2", 0, "panneau_gagne");
            gagnant = controle<QLabel>(f, QStringLiteral("Label7"))->text();
        };
        clique_cases(f, {{5, 6}}); // the wall that leaves player 2's knight without a move
        QCOMPARE(r.questions, QStringList{QStringLiteral("Voulez-vous rejouer?")});
        QVERIFY(gagne);
        QCOMPARE(gagnant, QStringLiteral("Yvette"));
        QVERIFY(visible(f, "Menu") && !controle(f, "dessinpion", 0)->isVisible());
        QVERIFY(Options(f) == avant);
    }

    void a_game_against_the_computer_to_its_end_then_yes_starts_anew() {
        Programme programme([] { return MIDI; });
        Form1& f = demarre(programme);
        clique_bouton(f, "Command1", 1, 2); // player 2: "Ordi  2"
        dimensionne(f, 5, 4);
        Repondeur r({true});
        clique_bouton(f, "Command3", 1);
        clique_cases(f, {{5, 4}});
        for (int tour = 0; tour < 20 && r.questions.isEmpty(); ++tour) {
            joue_tour(f);
        }
        QCOMPARE(r.questions, QStringList{QStringLiteral("Voulez-vous rejouer?")});
        QVERIFY(!visible(f, "Menu") && montre(f, "Picture2", 0, "panneau_placez_pion"));
        QVERIFY(f.controleur().partie().phase() == Phase::placement);
        QCOMPARE(f.controleur().partie().joueur_courant(), 0);
        QVERIFY(!controle(f, "dessinpion", 0)->isVisible() && !controle(f, "mur", 1)->isVisible());
    }

    // The splash gives way to the options screen, whose "Aide" opens the information window, as
    // does "Info" on the help panel during a game.
    void the_program_starts_and_aide_and_info_open_the_information_window() {
        Programme programme([] { return MIDI; });
        programme.demarre();
        QVERIFY(programme.chargement().isVisible() && programme.fenetre() == nullptr);
        Form1& f = demarre(programme);
        QVERIFY(!programme.chargement().isVisible() && visible(f, "Menu"));
        FermeInformation info;
        clique_bouton(f, "Aide", 0);
        QCOMPARE(info.ouvertures, 1);
        QCOMPARE(info.titre, QStringLiteral("Info sur : TESSOR"));
        clique_bouton(f, "Command3", 1);
        presse_image(f, "Picture5");
        clique_sur(f, controle(f, "Aide", 1));
        QCOMPARE(info.ouvertures, 2);
        QCOMPARE(f.findChildren<Form2*>().size(), 1);
    }

    void quitting_asks_and_no_keeps_the_window() {
        Programme programme([] { return MIDI; });
        Form1& f = demarre(programme);
        Repondeur r({false, true});
        clique_bouton(f, "Command3", 0);
        QVERIFY(f.isVisible() && visible(f, "Menu"));
        clique_bouton(f, "Command3", 0);
        QCOMPARE(r.questions, QStringList(2, QStringLiteral("Etes vous sûre de vouloir quitter?")));
        QVERIFY(!une_fenetre_visible());
    }

    // Closing the window in a pause of a game between two computers stops the game there: no
    // further move, no question, and no window left.
    void closing_during_a_computer_game_stops_everything() {
        Programme programme([] { return MIDI; });
        Form1& f = demarre(programme);
        clique_bouton(f, "Command1", 0, 3);
        clique_bouton(f, "Command1", 1, 3);
        dimensionne(f, 12, 12);
        Repondeur r;
        QTimer fermeture;
        fermeture.setInterval(0);
        connect(&fermeture, &QTimer::timeout, [&] {
            if (f.controleur().jeu().nb_murs() == 3 && f.isVisible()) {
                f.close();
            }
        });
        fermeture.start();
        clique_bouton(f, "Command3", 1);
        QVERIFY(f.controleur().jeu().nb_murs() == 3 || f.controleur().jeu().nb_murs() == 4);
        QVERIFY(!f.controleur().partie().finie());
        QVERIFY(r.questions.isEmpty());
        QVERIFY(!une_fenetre_visible());
    }
    void the_first_opening_is_modal_on_the_about_page() {
        PlateformeTest plateforme;
        QWidget principale;
        principale.show();
        Form2 fenetre(plateforme, &principale);
        const QWidget* modale = nullptr;
        QCOMPARE(ouvre(fenetre, [&] { modale = QApplication::activeModalWidget(); }),
                 QStringList{"Picture4"});
        QCOMPARE(modale, &fenetre);
        QVERIFY(!fenetre.isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // From each other page in turn, so that a page left visible shows up; the captures of the
    // four pages differ.
    void each_page_button_leaves_only_its_page() {
        PlateformeTest plateforme;
        Form2 fenetre(plateforme, nullptr);
        QList<QStringList> vues;
        ouvre(fenetre, [&] {
            for (int i = 1; i <= 4; ++i) {
                for (int j = 1; j <= 4; ++j) {
                    clique(fenetre, QStringLiteral("Command%1").arg(j));
                    clique(fenetre, QStringLiteral("Command%1").arg(i));
                    QCOMPARE(pages_visibles(fenetre),
                             QStringList{QStringLiteral("Picture%1").arg(i)});
                }
            }
        });
        Form2 neuve(plateforme, nullptr);
        QSet<QByteArray> captures;
        const char* noms[] = {"jouer", "enregistrer", "jeux", "a_propos"};
        for (int i = 1; i <= 4; ++i) {
            neuve.findChild<QPushButton*>(QStringLiteral("Command%1").arg(i))->click();
            const QImage image = neuve.grab().toImage();
            captures << QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   image.sizeInBytes());
            enregistre(image, QLatin1String("information_") + noms[i - 1]);
        }
        QCOMPARE(captures.size(), 4);
    }

    void closing_keeps_the_last_page_for_the_next_opening_data() {
        QTest::addColumn<int>("fermeture");
        QTest::newRow("Retour au jeu") << 0;
        QTest::newRow("title bar") << 1;
        QTest::newRow("Escape") << 2;
    }
    void closing_keeps_the_last_page_for_the_next_opening() {
        QFETCH(int, fermeture);
        PlateformeTest plateforme;
        Form2 fenetre(plateforme, nullptr);
        bool ouverte = true;
        ouvre(fenetre, [&] {
            clique(fenetre, QStringLiteral("Command2"));
            if (fermeture == 0) {
                clique(fenetre, QStringLiteral("Command5"));
            } else if (fermeture == 1) {
                fenetre.close();
            } else {
                QTest::keyClick(&fenetre, Qt::Key_Escape);
            }
            ouverte = fenetre.isVisible();
        });
        QVERIFY(!ouverte);
        QCOMPARE(ouvre(fenetre), QStringList{"Picture2"});
        QCOMPARE(ouvre(fenetre), QStringList{"Picture2"});
    }

    // A right click or a left press released off the link opens nothing; a click opens it once.
    void each_link_opens_its_address_once() {
        const struct {
            const char* page;
            const char* lien;
            QString prefixe;
        } liens[] = {{"Command3", "Label33", "mailto:"},
                     {"Command3", "Label34", ""},
                     {"Command4", "Label36", ""},
                     {"Command4", "Label39", "mailto:"}};
        for (const auto& l : liens) {
            PlateformeTest plateforme;
            Form2 fenetre(plateforme, nullptr);
            auto* label = fenetre.findChild<QLabel*>(QLatin1String(l.lien));
            ouvre(fenetre, [&] {
                clique(fenetre, QLatin1String(l.page));
                QVERIFY(label->isVisible());
                QTest::mouseClick(label, Qt::RightButton);
                QTest::mousePress(label, Qt::LeftButton);
                QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
                QVERIFY(plateforme.liens.empty());
                QTest::mouseClick(label, Qt::LeftButton);
            });
            QCOMPARE(plateforme.liens,
                     std::vector<std::string>{(l.prefixe + label->text()).toStdString()});
            QVERIFY(label->text().contains(l.prefixe.isEmpty() ? "https://" : "@"));
        }
    }
};

QTEST_MAIN(TestProgramme)
#include "test_programme.moc"
