// The real main window under seeded streams of random input over many games of every kind; after
// every event the window must still agree with the game. Three fixed seeds of 5,000 events by
// default; TESSOR_GRAINE_STRESS=n runs seed n, TESSOR_STRESS_HASARD=1 a random one (printed),
// TESSOR_EVENEMENTS_STRESS sets the number of events. Where the 10 ms button timer fires depends
// on the machine's speed, so two runs of one seed may part ways there.
#include "fenetre_test.h"
#include "plateau_test.h"
#include "ui/fenetre_information.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>

using namespace tessor;
using namespace tessor::test;

namespace {

constexpr quint32 EVENEMENTS_PAR_DEFAUT = 5000;

QList<QWidget*> cherche(FenetrePrincipale& f, const char* motif) {
    return f.findChildren<QWidget*>(QRegularExpression(QLatin1String(motif)));
}

// Names pasted into the name boxes: markup, accents, a long one, right-to-left marks, emoji and
// control characters.
const QStringList NOMS = QStringLiteral("<b>x</b>|<img src=\"a\">|&amp;&lt;|Zoé Ærø|"
                                        "abcdefghijklmnopqrstuvwxyz0123456789|\u202Egauche|"
                                        "\U0001F600\U0001F47B|a\tb\nc\rd\x01\x1B\x7F")
                             .split(QLatin1Char('|'));

struct Stress {
    Stress(quint32 g, quint32 n) : hasard_flot(g), hasard_pauses(~g), total(n) {
        QObject::connect(&pause, &QTimer::timeout, [this] { en_pause(); });
        pause.start(1);
        // The information window is closed as it opens, by a timer of its own: it may open in
        // a pause, where the pauses' timer cannot run again.
        QObject::connect(&fermeture, &QTimer::timeout, [] {
            if (auto* information =
                    qobject_cast<FenetreInformation*>(QApplication::activeModalWidget())) {
                information->reject();
            }
        });
        fermeture.start(1);
    }

    // A computer's turn runs, or the replay question is open: the game does not take clicks.
    bool occupe() const {
        const Jeu& j = f->controleur().jeu();
        return j.ordinateur_au_trait() || j.question_ouverte();
    }
    int de(int n) { return static_cast<int>(hasard->bounded(n)); }
    QPoint point_au_hasard() { return {de(f->width()), de(f->height())}; }
    QWidget* un_de(const QList<QWidget*>& l) { return l[de(int(l.size()))]; }
    // Notes a violation, its message built only then: `quoi`, its %1, %2... filled by `a`.
    template <typename... A> void exige(bool ok, const char* quoi, const A&... a) {
        if (!ok && violations.size() < 20) {
            QString m = QStringLiteral("event %1: ").arg(evenements) + QString::fromUtf8(quoi);
            (static_cast<void>(m = m.arg(a)), ...);
            violations << m;
        }
    }

    // One event, drawn from a table of weights in hundredths on the options screen and in a
    // game; then whatever is due runs, and everything is checked.
    void evenement() {
        static const struct {
            int options, partie;
            void (*faire)(Stress&);
        } actions[] = {
            {3, 3, [](Stress& s) { s.relache_bouton(); }},
            {14, 14, [](Stress& s) { QTest::mouseMove(s.f->windowHandle(), s.point_au_hasard()); }},
            {7, 7, [](Stress& s) { clique_a(*s.f, s.point_au_hasard()); }},
            {8, 8, [](Stress& s) { s.presse_panneau(); }},
            {58, 0, [](Stress& s) { s.clique_option(); }},
            {10, 0, [](Stress& s) { tape_nom(*s.f, s.de(2), NOMS[s.de(int(NOMS.size()))]); }},
            {0, 68, [](Stress& s) { s.clique_plateau(); }},
        };
        const bool options = menu->isVisible();
        int t = de(100);
        for (const auto& a : actions) {
            if ((t -= options ? a.options : a.partie) < 0) {
                a.faire(*this);
                break;
            }
        }
        QCoreApplication::processEvents();
        ++evenements;
        verifie();
    }

    // A level button showing "Humain" is clicked one time in four (another option instead), so
    // that games between humans come about; steppers take runs of clicks to reach the limits.
    void clique_option() {
        const auto humain = [this](QWidget* b) {
            const int k = b == controle(*f, "niveau", 1);
            return b == controle(*f, "niveau", k) && f->controleur().partie().joueur(k).niveau == 0;
        };
        QWidget* bouton = un_de(boutons);
        while (humain(bouton) && de(4) != 0) {
            bouton = un_de(boutons);
        }
        const bool pas =
            bouton->objectName().contains(QRegularExpression(QStringLiteral("_(plus|moins)")));
        for (int fois = pas ? 1 + de(8) : 1; fois > 0; --fois) {
            clique_sur(*f, bouton);
        }
    }

    // Half the clicks play as a player would, so that games between humans end: a placement on a
    // free square, a move next to one's own pawn, a wall next to the other pawn.
    void clique_plateau() {
        const Partie& j = f->controleur().partie();
        const auto au_hasard = [&] {
            return QPoint(3 + de(j.regles().largeur), 3 + de(j.regles().hauteur));
        };
        QPoint c = au_hasard();
        if (de(2) == 0 && j.phase() == Phase::placement) {
            for (int essai = 0; essai < 20 && !j.tableau().libre(c.x(), c.y()); ++essai) {
                c = au_hasard();
            }
        } else if (de(2) == 0) {
            const Decalages d = j.regles().decalages();
            const int pion = (j.joueur_courant() + (j.phase() != Phase::deplacement)) % 2;
            const Case e = decale(j.joueur(pion).position, d.debut[de(int(d.fin - d.debut))]);
            c = {e.x, e.y};
        }
        const QPoint p = centre_case(*f, c.x(), c.y()); // off the board, maybe off the window
        clique_a(*f, {std::clamp(p.x(), 0, f->width() - 1), std::clamp(p.y(), 0, f->height() - 1)});
    }

    // A pending picture button press acts now, as when its 10 ms have run out between inputs.
    void relache_bouton() {
        auto* delai = f->findChild<QTimer*>(QStringLiteral("delai_bouton"));
        if (delai->isActive()) {
            delai->stop();
            exige(QMetaObject::invokeMethod(delai, "timeout"), "the press timer does not run");
        }
    }

    // A picture button's action waits for its 10 ms timer: half the time the stream waits for
    // it, otherwise the next events come first. In a computer turn it waits for the turn's end.
    void presse_panneau() {
        clique_sur(*f, un_de(panneaux));
        exige(de(2) != 0 || occupe() ||
                  QTest::qWaitFor([this] { return !f->controleur().ecran().minuterie; }, 1000),
              "a button press still waits after 1 s");
    }

    // While the game is busy (computer turns, the replay question) the window still handles
    // events: some go there, drawn from their own generator as they depend on the machine.
    void en_pause() {
        if (!occupe() || QApplication::activeModalWidget() != nullptr || evenements >= total ||
            hasard_pauses.bounded(4) != 0) {
            return;
        }
        ++en_pauses;
        hasard = &hasard_pauses;
        evenement();
        hasard = &hasard_flot;
    }

    // Yes or No, but never Yes to quitting (which ends the program: test_programme covers it) and
    // Yes to abandoning one time in eight, so that games between humans end. One question at once.
    bool repond() {
        const QString& question = repondeur.questions.last();
        const bool abandon = question.contains(QStringLiteral("vouloir abandonner"));
        int ouvertes = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            ouvertes += qobject_cast<QMessageBox*>(w) != nullptr && w->isVisible();
        }
        exige(ouvertes == 1, "\"%1\" asked over another question", question);
        finies += question == QStringLiteral("Voulez-vous rejouer?");
        return !question.contains(QStringLiteral("vouloir quitter")) && de(abandon ? 8 : 2) == 0;
    }

    // On the options screen no board element; in a game one side panel, and the visible markers
    // and pawns each alone, by the placement rule, on a taken square; one marker for each wall.
    void verifie() {
        const Controleur& j = f->controleur();
        if (menu->isVisible()) {
            for (QWidget* w : hors_options) {
                exige(!w->isVisible(), "%1 shown on the options screen", w->objectName());
            }
            return;
        }
        exige(panneau[0]->isVisible() != panneau[1]->isVisible(), "not one side panel in a game");
        // A corner off the placement rule counts as square (0, 0), never taken.
        QSet<QPoint> montrees;
        int vus = 0;
        int murs = 0;
        for (QWidget* w : marqueurs) {
            const QPoint d =
                w->pos() - QPoint(j.geometrie().origine_x() + 1, j.geometrie().origine_y() + 1);
            const QPoint c(d.x() / Geometrie::TAILLE_CASE, d.y() / Geometrie::TAILLE_CASE);
            if (w->isVisible()) {
                montrees << (c * Geometrie::TAILLE_CASE == d ? c + QPoint(3, 3) : QPoint());
                vus += 1;
                murs += w->objectName().startsWith(QLatin1String("mur"));
            }
        }
        QSet<QPoint> p;
        for (Case q : cases_libres(j.partie().regles(), j.partie().tableau(), false)) {
            p << QPoint(q.x, q.y);
        }
        exige(vus == montrees.size() && murs == j.jeu().nb_murs() && montrees == p,
              "%1 markers and pawns on %2 squares of %3 taken, %4 walls shown of %5", vus,
              montrees.size(), p.size(), murs, j.jeu().nb_murs());
    }

    std::unique_ptr<FenetrePrincipale> f = fenetre_montree();
    // The board elements (markers and pawns among them), the options screen's buttons, the panels'.
    const QList<QWidget*> hors_options =
        cherche(*f, "^(panneau_(jeu|aide)$|ligne_|numero_|case_|mur\\(|pion\\()");
    const QList<QWidget*> marqueurs = cherche(*f, "^(mur|pion)\\(");
    const QList<QWidget*> boutons = cherche(
        *f, "^(niveau\\(\\d\\)|deplacement|\\w+_(plus|moins)(\\(\\d\\))?|quitter|jouer|aide)$");
    const QList<QWidget*> panneaux =
        cherche(*f, "^(bouton_(aide|abandon)|(interrupteur|legende)_aide\\(\\d\\)|info|retour)$");
    QWidget* const menu = controle(*f, QStringLiteral("options"));
    QWidget* const panneau[2] = {controle(*f, QStringLiteral("panneau_jeu")),
                                 controle(*f, QStringLiteral("panneau_aide"))};
    QRandomGenerator hasard_flot, hasard_pauses;
    QRandomGenerator* hasard = &hasard_flot;
    Repondeur repondeur{[this] { return repond(); }};
    QTimer pause, fermeture;
    const quint32 total;
    quint32 evenements = 0, en_pauses = 0; // all, and those while the game was busy
    QStringList violations;                // the first 20
    int finies = 0;                        // games played to their end
};

} // namespace

class TestStress : public QObject {
    Q_OBJECT

  private slots:
    void the_window_holds_under_a_stream_of_random_events_data() {
        QTest::addColumn<quint32>("graine");
        bool choisie = false;
        quint32 graine = qEnvironmentVariable("TESSOR_GRAINE_STRESS").toUInt(&choisie);
        if (!choisie && qEnvironmentVariable("TESSOR_STRESS_HASARD") == QLatin1String("1")) {
            graine = QRandomGenerator::global()->generate();
            choisie = true;
        }
        for (quint32 g : choisie ? QList<quint32>{graine} : QList<quint32>{2024, 7, 99}) {
            QTest::addRow("seed %u", g) << g;
        }
    }
    // The seed is printed first, so that a run that hangs or crashes can be replayed.
    void the_window_holds_under_a_stream_of_random_events() {
        QFETCH(quint32, graine);
        bool ok = false;
        const quint32 n = qEnvironmentVariable("TESSOR_EVENEMENTS_STRESS").toUInt(&ok);
        const quint32 total = ok ? n : EVENEMENTS_PAR_DEFAUT;
        qInfo("stress: seed %u, %u events (TESSOR_GRAINE_STRESS=%u draws them again)", graine,
              total, graine);
        Stress stress(graine, total);
        while (stress.evenements < total) {
            stress.evenement();
        }
        qInfo("stress: %u events while the game was busy, %d games finished", stress.en_pauses,
              stress.finies);
        QVERIFY2(stress.violations.isEmpty(),
                 qPrintable(stress.violations.join(QLatin1Char('\n'))));
        // A stream that never gets a game to its end would check little of a game's course.
        QVERIFY(total < EVENEMENTS_PAR_DEFAUT || stress.finies > 0);
    }
};

QTEST_MAIN(TestStress)
#include "test_stress.moc"
