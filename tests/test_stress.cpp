// The real main window under a seeded stream of random input over many games of every kind;
// after every event the window must still agree with the game. TESSOR_GRAINE_STRESS sets the
// seed (printed), TESSOR_EVENEMENTS_STRESS the number of events. Where the 10 ms button timer
// fires and which events come while the game is busy depend on the machine's speed, so a
// failure comes back often, not always.
#include "fenetre_test.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <set>
#include <thread>

using namespace tessor;
using namespace tessor::test;

namespace {

constexpr quint32 EVENEMENTS_PAR_DEFAUT = 20000;

quint32 reglage(const char* variable, quint32 defaut) {
    bool ok = false;
    const quint32 v = qEnvironmentVariable(variable).toUInt(&ok);
    return ok ? v : defaut;
}

QList<QWidget*> cherche(Form1& f, const char* motif) {
    return f.findChildren<QWidget*>(QRegularExpression(QLatin1String(motif)));
}

// Names: the first five are typed key by key; any may be pasted, which brings in what no key
// types (right-to-left marks, emoji, control characters).
const QStringList NOMS = QStringLiteral("<b>x</b>|<img src=\"a\">|&amp;&lt;|Zoé Ærø|"
                                        "abcdefghijklmnopqrstuvwxyz0123456789|\u202Egauche|"
                                        "\U0001F600\U0001F47B|a\tb\nc\rd\x01\x1B\x7F")
                             .split(QLatin1Char('|'));

Cases prises(const Controleur& j) {
    Cases c;
    for (int x = 3; x < 3 + j.partie().regles().largeur; ++x) {
        for (int y = 3; y < 3 + j.partie().regles().hauteur; ++y) {
            if (!j.partie().tableau().libre(x, y)) {
                c << QPoint(x, y);
            }
        }
    }
    return c;
}

struct Stress {
    Stress(quint32 g, quint32 n) : hasard_flot(g), hasard_pauses(~g), total(n), graine(g) {
        repondeur.a_l_ouverture = [this] { repond(); };
        f->controleur().ecoute([this](Action action, int16 joueur, Case) {
            compte_libres(action == Action::placement && joueur == 0 ? 1 : 2,
                          prises(f->controleur()));
        });
        QObject::connect(controle<QPushButton>(*f, "Command3", 1), &QPushButton::pressed, [this] {
            const Controleur& j =
                f->controleur(); // level 4 turns into level 1 once the game starts
            niveaux |= (1 << j.partie().joueur(0).niveau) | (1 << j.partie().joueur(1).niveau);
            tailles.insert({j.partie().regles().largeur, j.partie().regles().hauteur});
        });
        QObject::connect(&pause, &QTimer::timeout, [this] { en_pause(); });
        pause.start(1);
    }

    ~Stress() {
        fin = true;
        chien.join();
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
            {3, 3, [](Stress& s) { QTest::qWait(s.de(15)); }}, // a pending button press may act
            {14, 14, [](Stress& s) { survole(*s.f, s.point_au_hasard()); }},
            {7, 7, [](Stress& s) { clique_a(*s.f, s.point_au_hasard()); }},
            {8, 8, [](Stress& s) { s.presse_panneau(); }},
            {58, 0, [](Stress& s) { s.clique_option(); }},
            {10, 0, [](Stress& s) { s.ecrit_nom(); }},
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
        immobile = 0;
    }

    // A level button showing "Humain" is clicked one time in four (another option instead), so
    // that games between humans come about; steppers take runs of clicks to reach the limits.
    void clique_option() {
        const auto humain = [this](QWidget* b) {
            return (b == controle(*f, "Command1", 0) &&
                    f->controleur().partie().joueur(0).niveau == 0) ||
                   (b == controle(*f, "Command1", 1) &&
                    f->controleur().partie().joueur(1).niveau == 0);
        };
        QWidget* bouton = un_de(boutons);
        while (humain(bouton) && de(4) != 0) {
            bouton = un_de(boutons);
        }
        const bool pas = bouton->objectName().startsWith(QLatin1String("Command2"));
        for (int fois = pas ? 1 + de(8) : 1; fois > 0; --fois) {
            clique_sur(*f, bouton);
        }
    }

    // Half the clicks play as a player would, so that games between humans end: a placement on a
    // free square, a move next to one's own pawn, a wall next to the other pawn.
    void clique_plateau() {
        const Controleur& j = f->controleur();
        const auto au_hasard = [&] {
            return QPoint(3 + de(j.partie().regles().largeur), 3 + de(j.partie().regles().hauteur));
        };
        QPoint c = au_hasard();
        if (de(2) == 0 && j.partie().phase() == Phase::placement) {
            for (int essai = 0; essai < 20 && !j.partie().tableau().libre(c.x(), c.y()); ++essai) {
                c = au_hasard();
            }
        } else if (de(2) == 0) {
            const Decalages d = j.partie().regles().decalages();
            const Case e = decale(j.partie()
                                      .joueur((j.partie().joueur_courant() +
                                               (j.partie().phase() != Phase::deplacement)) %
                                              2)
                                      .position,
                                  d.debut[de(int(d.fin - d.debut))]);
            c = {e.x, e.y};
        }
        const QPoint p = centre_case(*f, c.x(), c.y()); // off the board, maybe off the window
        clique_a(*f, {std::clamp(p.x(), 0, f->width() - 1), std::clamp(p.y(), 0, f->height() - 1)});
    }

    // A picture button's action waits for its 10 ms timer: half the time the stream waits for
    // it, otherwise the next events come first. In a computer turn it waits for the turn's end.
    void presse_panneau() {
        clique_sur(*f, un_de(panneaux));
        exige(de(2) != 0 || f->controleur().occupe() ||
                  QTest::qWaitFor([this] { return !f->controleur().ecran().minuterie; }, 1000),
              "a button press still waits after 1 s");
    }

    // Typed names stop at ten characters; pasted ones go in whole.
    void ecrit_nom() {
        const int k = de(2);
        auto* boite = controle<QLineEdit>(*f, "text1", k);
        clique_sur(*f, boite);
        if (QApplication::focusWidget() != boite) {
            return;
        }
        const bool tape = de(2) == 0;
        const QString nom = NOMS[de(tape ? 5 : int(NOMS.size()))];
        tape_nom(*f, k, tape ? QString() : nom); // typed: the box emptied first
        for (QChar c : tape ? nom : QString()) {
            QTest::sendKeyEvent(QTest::Click, boite, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // While the game is busy (computer turns, the replay question) the window still handles
    // events: some go there, drawn from their own generator as they depend on the machine.
    void en_pause() {
        immobile = 0;
        if (!f->controleur().occupe() || QApplication::activeModalWidget() != nullptr ||
            evenements >= total || hasard_pauses.bounded(4) != 0) {
            return;
        }
        ++en_pauses;
        hasard = &hasard_pauses;
        evenement();
        hasard = &hasard_flot;
    }

    // Yes or No, but never Yes to quitting (which ends the program: test_programme covers it) and
    // Yes to abandoning one time in eight, so that games between humans end. One question at once.
    void repond() {
        const QString question =
            qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->text();
        const bool abandon = question.contains(QStringLiteral("vouloir abandonner"));
        const bool oui =
            !question.contains(QStringLiteral("vouloir quitter")) && de(abandon ? 8 : 2) == 0;
        repondeur.ajoute(oui);
        int ouvertes = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            ouvertes += qobject_cast<QMessageBox*>(w) != nullptr && w->isVisible();
        }
        exige(ouvertes == 1, "\"%1\" asked over another question", question);
        const Controleur& j = f->controleur();
        const int genre = 4 * (j.partie().joueur(0).niveau > 0) +
                          2 * (j.partie().joueur(1).niveau > 0) + j.partie().regles().cavalier;
        const bool finie = question == QStringLiteral("Voulez-vous rejouer?");
        parties[genre][0] += finie;
        parties[genre][1] += abandon && oui;
    }

    // A game starts with player 1's placement on an empty board (`quand` 1); then no placement,
    // move or wall frees a square (2). Between events (0) a new game may have emptied the board.
    void compte_libres(int quand, const Cases& p) {
        const int toutes =
            f->controleur().partie().regles().largeur * f->controleur().partie().regles().hauteur;
        const int n = toutes - int(p.size());
        exige(quand == 1 ? n == toutes - 1 : n <= libres || (quand == 0 && n == toutes),
              "free squares from %1 to %2 (%3)", libres, n, quand);
        libres = quand > 0 ? n : libres;
    }

    // On the options screen no board element; in a game one side panel, and the visible markers
    // and pawns each alone, by the placement rule, on a taken square; one marker for each wall.
    void verifie() {
        const Controleur& j = f->controleur();
        exige(j.jeu().nb_murs() <= NB_MARQUEURS - 1, "%1 walls", j.jeu().nb_murs());
        exige(au_tour->textFormat() == Qt::PlainText, "the name on turn is shown as rich text");
        if (menu->isVisible()) {
            for (QWidget* w : hors_options) {
                exige(!w->isVisible(), "%1 shown on the options screen", w->objectName());
            }
            return;
        }
        exige(panneau[0]->isVisible() != panneau[1]->isVisible(), "not one side panel in a game");
        const Cases p = prises(j);
        compte_libres(0, p);
        Cases montrees; // a corner off the placement rule counts as square (0, 0), never taken
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
        exige(vus == montrees.size() && murs == j.jeu().nb_murs() && montrees == p,
              "%1 markers and pawns on %2 squares of %3 taken, %4 walls shown of %5", vus,
              montrees.size(), p.size(), murs, j.jeu().nb_murs());
    }

    // Prints what the stream did; returns the number of games played to their end.
    int rapport() const {
        qInfo("stress: %u events (%u while the game was busy); %u computer levels and %zu board "
              "sizes started, 3 x 3 %s, 12 x 12 %s",
              evenements, en_pauses, qPopulationCount(niveaux >> 1), tailles.size(),
              tailles.count({3, 3}) ? "among them" : "not",
              tailles.count({12, 12}) ? "among them" : "not");
        int finies = 0;
        for (int g = 0; g < 8; ++g) {
            qInfo("  %s contre %-6s %-8s finished %4d  abandoned %4d", g & 4 ? "ordi  " : "humain",
                  g & 2 ? "ordi" : "humain", g & 1 ? "cavalier" : "roi", parties[g][0],
                  parties[g][1]);
            finies += parties[g][0];
        }
        return finies;
    }

    std::unique_ptr<Form1> f = fenetre_montree();
    // The board elements (markers and pawns among them), the options screen's buttons, the panels'.
    const QList<QWidget*> hors_options =
        cherche(*f, "^(sspanel|ligne|lettre|cible2|aidepion|mur\\(|dessinpion)");
    const QList<QWidget*> marqueurs = cherche(*f, "^(mur\\(|dessinpion)");
    const QList<QWidget*> boutons = cherche(*f, "^(Command[123]\\(\\d+\\)|Aide\\(0\\))$");
    const QList<QWidget*> panneaux =
        cherche(*f, "^(Picture[56]\\(0|BoutonAide|Label5|Aide\\(1|Command4)");
    QWidget* const menu = controle(*f, QStringLiteral("Menu"));
    QWidget* const panneau[2] = {controle(*f, QStringLiteral("sspanel3")),
                                 controle(*f, QStringLiteral("sspanel5"))};
    QLabel* const au_tour = controle<QLabel>(*f, QStringLiteral("Label7")); // name on turn
    QRandomGenerator hasard_flot, hasard_pauses;
    QRandomGenerator* hasard = &hasard_flot;
    Repondeur repondeur;
    FermeInformation information;
    QTimer pause;
    const quint32 total;
    quint32 evenements = 0, en_pauses = 0; // all, and those while the game was busy
    QStringList violations;                // the first 20
    int libres = 0;                        // free squares after the last placement, move or wall
    // By kind (4 with a computer as player 1, 2 with one as player 2, 1 with the knight): games
    // finished, games abandoned. One bit for each level started.
    std::array<std::array<int, 2>, 8> parties{};
    quint32 niveaux = 0;
    std::set<std::pair<int, int>> tailles;
    // Ends the program when the event loop has made no progress for 30 s: a hang fails the test
    // with the seed that led to it, instead of waiting for the CI's time limit.
    std::atomic<int> immobile{0}; // tenths of a second without progress
    std::atomic<bool> fin{false};
    const quint32 graine;
    std::thread chien{[this] {
        for (; !fin; std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
            if (++immobile == 300) {
                qFatal("stress: no progress for 30 s, seed %u", graine);
            }
        }
    }};
};

} // namespace

class TestStress : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    void the_window_holds_under_a_stream_of_random_events() {
        const quint32 graine =
            reglage("TESSOR_GRAINE_STRESS", QRandomGenerator::global()->generate());
        const quint32 total = reglage("TESSOR_EVENEMENTS_STRESS", EVENEMENTS_PAR_DEFAUT);
        qInfo("stress: seed %u, %u events (TESSOR_GRAINE_STRESS=%u draws them again)", graine,
              total, graine);
        Stress stress(graine, total);
        while (stress.evenements < total) {
            stress.evenement();
        }
        const int finies = stress.rapport();
        QVERIFY2(stress.violations.isEmpty(),
                 qPrintable(QStringLiteral("seed %1:\n").arg(graine) +
                            stress.violations.join(QLatin1Char('\n'))));
        // A stream that never gets a game to its end would check little of a game's course.
        QVERIFY(total < EVENEMENTS_PAR_DEFAUT || finies > 0);
    }
};

QTEST_MAIN(TestStress)
#include "test_stress.moc"
