// The program from its splash window: the hand-over to the main window, the information window
// opened from it, and quitting; then the information window itself: modal, its pages, how it
// keeps the last one whichever way it is closed, and its links.
#include "fenetre_test.h"
#include "plateforme_test.h"
#include "ui/chargement.h"
#include "ui/fenetre_information.h"
#include "ui/programme.h"

using namespace tessor;
using namespace tessor::test;

namespace {

void clique(const FenetreInformation& fenetre, const QString& nom) {
    QTest::mouseClick(fenetre.findChild<QPushButton*>(nom), Qt::LeftButton);
}

// Names of the pages that the player sees.
QStringList pages_visibles(const FenetreInformation& fenetre) {
    QStringList noms;
    for (int i = 1; i <= 4; ++i) {
        const QString nom = QStringLiteral("page(%1)").arg(i);
        if (fenetre.findChild<QWidget*>(nom)->isVisible()) {
            noms << nom;
        }
    }
    return noms;
}

// Opens the information window by `ouverture` and runs `pendant` while it shows; then leaves
// with "Retour au jeu" unless `pendant` has closed it. Returns the pages seen on opening, none
// when no modal information window opened.
QStringList ouvre(
    const std::function<void()>& ouverture, const std::function<void()>& pendant = [] {}) {
    ouverture();
    auto* fenetre = qobject_cast<FenetreInformation*>(QApplication::activeModalWidget());
    if (fenetre == nullptr || !fenetre->isVisible()) {
        return {};
    }
    const QStringList vues = pages_visibles(*fenetre);
    pendant();
    if (fenetre->isVisible()) {
        clique(*fenetre, QStringLiteral("retour_au_jeu"));
    }
    return vues;
}

} // namespace

class TestProgramme : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }
    void init() { oublie_reglages(); }

    // The splash hands over once, from the event loop, unless its timer is stopped first.
    void the_splash_hands_over_once_unless_stopped() {
        int passages[2] = {0, 0};
        Chargement splash([&passages] { ++passages[0]; });
        Chargement arretee([&passages] { ++passages[1]; });
        enregistre(splash.grab().toImage(), QStringLiteral("splash"));
        splash.demarre();
        arretee.demarre();
        arretee.arrete_minuterie();
        QVERIFY(splash.isVisible() && passages[0] == 0);
        QTRY_COMPARE(passages[0], 1);
        QCOMPARE(passages[1], 0);
    }

    // The splash gives way to the options screen. Its "Aide" opens the information window on
    // the about page; "Info" on the help panel opens the same window on the page left last.
    // "Quitter" asks: No keeps the window, Yes ends the program.
    void the_program_starts_shows_the_information_window_and_quits() {
        Programme programme([] { return MIDI; });
        programme.demarre();
        QVERIFY(programme.chargement().isVisible() && programme.fenetre() == nullptr);
        QTRY_VERIFY(programme.fenetre() != nullptr);
        FenetrePrincipale& f = *programme.fenetre();
        QVERIFY(QTest::qWaitForWindowExposed(&f) && !programme.chargement().isVisible());
        const auto page2 = [&f] {
            clique(*f.findChild<FenetreInformation*>(), QStringLiteral("bouton_page(2)"));
        };
        QCOMPARE(ouvre([&] { clique(f, "aide"); }, page2), QStringList{"page(4)"});
        clique(f, "jouer");
        presse_image(f, "bouton_aide");
        QCOMPARE(ouvre([&] { clique(f, "info"); }), QStringList{"page(2)"});
        clique(f, "retour");
        int n = 0;
        Repondeur r([&n] { return n++ != 1; }); // Yes to abandoning, No then Yes to quitting
        presse_image(f, "bouton_abandon");
        QTRY_VERIFY(f.controleur().ecran().options.visible);
        clique(f, "quitter");
        QTRY_COMPARE(r.questions.size(), 2);
        QVERIFY(f.isVisible());
        clique(f, "quitter");
        QTRY_COMPARE(r.questions.size(), 3);
        const QWidgetList fenetres = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(fenetres.begin(), fenetres.end(),
                             [](QWidget* w) { return w->isVisible(); }));
    }

    // Options chosen at one launch come back at the next, and "Réglages d'origine" brings the
    // original ones back. With nothing remembered the window is drawn, pixel for pixel, as a
    // window that remembers nothing.
    void options_come_back_at_the_next_launch() {
        const QImage sans_memoire = fenetre_montree()->grab().toImage();
        const auto lance = [](const std::function<void(FenetrePrincipale&)>& pendant) {
            Programme programme([] { return MIDI; });
            programme.demarre();
            QTRY_VERIFY(programme.fenetre() != nullptr);
            QVERIFY(QTest::qWaitForWindowExposed(programme.fenetre()));
            pendant(*programme.fenetre());
        };
        Reglages choisis;
        lance([&](FenetrePrincipale& f) {
            QCOMPARE(f.grab().toImage(), sans_memoire);
            for (const char* nom : {"niveau(1)", "deplacement", "largeur_plus", "pion_plus(0)"}) {
                clique(f, nom);
            }
            f.findChild<QAction*>(QStringLiteral("vitesse(3)"))->trigger();
            f.findChild<QAction*>(QStringLiteral("dernier_coup"))->trigger();
            tape_nom(f, 1, QStringLiteral("Grace"));
            choisis = f.controleur().reglages();
        });
        QVERIFY(choisis.options.noms[1] == "Grace" && choisis.options.dernier_coup);
        QVERIFY(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") +
                              QStringLiteral("/Tessor/tessor.conf")));
        lance([&](FenetrePrincipale& f) {
            QVERIFY(f.controleur().reglages() == choisis);
            QCOMPARE(controle<QLineEdit>(f, "nom", 1)->text(), QStringLiteral("Grace"));
            f.findChild<QAction*>(QStringLiteral("reglages_d_origine"))->trigger();
            QCOMPARE(f.grab().toImage(), sans_memoire);
        });
        lance([&](FenetrePrincipale& f) { QVERIFY(f.controleur().reglages() == Reglages{}); });
    }

    // The information window on its own: from the about page each button shows its page alone;
    // every way out keeps the page for the next opening; a right click or a left press released
    // off a link opens nothing, a click opens its address once.
    void the_information_window_pages_closing_and_links() {
        PlateformeTest plateforme;
        FenetreInformation fenetre(plateforme, nullptr);
        const auto ouverture = [&] { fenetre.ouvre(); };
        const auto page = [&](int i) { clique(fenetre, QStringLiteral("bouton_page(%1)").arg(i)); };
        const char* noms[] = {"jouer", "enregistrer", "jeux", "a_propos"};
        ouvre(ouverture, [&] {
            for (int i = 1; i <= 4; ++i) {
                page(i);
                QCOMPARE(pages_visibles(fenetre), QStringList{QStringLiteral("page(%1)").arg(i)});
                enregistre(fenetre.grab().toImage(), QLatin1String("information_") + noms[i - 1]);
            }
        });
        const std::function<void()> sorties[] = {
            [&] { clique(fenetre, QStringLiteral("retour_au_jeu")); }, [&] { fenetre.close(); },
            [&] { QTest::keyClick(&fenetre, Qt::Key_Escape); }};
        for (int i = 1; i <= 3; ++i) {
            ouvre(ouverture, [&] {
                page(i);
                sorties[i - 1]();
                QVERIFY(!fenetre.isVisible());
            });
            QCOMPARE(ouvre(ouverture), QStringList{QStringLiteral("page(%1)").arg(i)});
        }
        const std::pair<int, const char*> liens[] = {
            {3, "courriel_jeux"}, {3, "site_jeux"}, {4, "site_a_propos"}, {4, "courriel_a_propos"}};
        std::vector<std::string> attendus; // an e-mail address opens as a "mailto:" link
        ouvre(ouverture, [&] {
            for (const auto& [numero, nom] : liens) {
                page(numero);
                auto* lien = fenetre.findChild<QLabel*>(QLatin1String(nom));
                QTest::mouseClick(lien, Qt::RightButton);
                QTest::mousePress(lien, Qt::LeftButton);
                QTest::mouseRelease(lien, Qt::LeftButton, {}, QPoint(-5, -5));
                QTest::mouseClick(lien, Qt::LeftButton);
                const QString texte = lien->text();
                QVERIFY(texte.startsWith(QLatin1String("https://")) || texte.contains('@'));
                attendus.push_back(((texte.contains('@') ? "mailto:" : "") + texte).toStdString());
            }
        });
        QCOMPARE(plateforme.liens, attendus);
    }
};

QTEST_MAIN(TestProgramme)
#include "test_programme.moc"
