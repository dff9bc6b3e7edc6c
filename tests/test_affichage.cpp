// The real window on a real X display with a window manager (tests/ecran_virtuel.sh starts both),
// driven with xdotool and wmctrl: centring, minimising, close requests in every state, the window
// destroyed, SIGTERM, scale factors, bursts of clicks and keys held under the X server's repeat.
// Every wait is on a state of the window or of the game, never a fixed delay, so the computer's
// cases hold whether its turns are instant or paced.
#include "fenetre_test.h"
#include "plateau_test.h"
#include "ui/programme.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QWindow>

#include <csignal>

using namespace tessor;
using namespace tessor::test;

namespace {

// Runs an X tool and returns its output; `reussi`, when given, tells whether it succeeded (a
// search that finds nothing fails), otherwise a failure is reported.
QString outil(const char* nom, const QStringList& arguments, bool* reussi = nullptr) {
    QProcess p;
    p.start(QString::fromLatin1(nom), arguments);
    const bool ok = p.waitForFinished(10000) && p.exitCode() == 0;
    if (reussi != nullptr) {
        *reussi = ok;
    } else if (!ok) {
        qWarning("%s %s failed", nom, qPrintable(arguments.join(QLatin1Char(' '))));
    }
    return QString::fromLatin1(p.readAllStandardOutput());
}

QString id(QWidget& w) {
    return QString::number(w.winId());
}

// What the title bar's close button sends: the window manager asks the window to close.
void demande_fermeture(const QString& fenetre) {
    outil("wmctrl", {"-i", "-c", QStringLiteral("0x%1").arg(fenetre.toULongLong(), 0, 16)});
}

// Closed while Ordi 5 searches, the program ends this soon; its leak check alone takes longer.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 FERMETURE_MAX_MS = 2000;
#else
constexpr qint64 FERMETURE_MAX_MS = 100;
#endif

// The stat lines of the threads under `fils` (a process's /proc task folder), one after another.
QString lit(const QDir& fils) {
    QString stats;
    for (const QString& f : fils.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(fils.filePath(f + QStringLiteral("/stat")));
        stats += stat.open(QIODevice::ReadOnly) ? QString::fromLatin1(stat.readAll()) : QString();
    }
    return stats;
}

// `fois` real clicks 5 ms apart at a position of the window in device pixels.
void clic_x(const QString& fenetre, QPoint p, int fois = 1) {
    outil("xdotool",
          {"mousemove", "--window", fenetre, QString::number(p.x()), QString::number(p.y()),
           "click", "--repeat", QString::number(fois), "--delay", "5", "1"});
}

bool minimisee(QWidget& w) {
    return w.windowHandle()->windowStates().testFlag(Qt::WindowMinimized);
}

// Runs `action` once, the first time `condition` holds, checked at every turn of the event loop:
// also in the pauses of a computer turn and inside a question's own loop.
struct Quand {
    Quand(std::function<bool()> condition, std::function<void()> action) {
        QObject::connect(&minuterie, &QTimer::timeout, [this, condition, action] {
            if (!fait && condition()) {
                fait = true;
                action();
            }
        });
        minuterie.start(0);
    }
    bool fait = false;
    QTimer minuterie;
};

// Runs `voit` on every event of the application before the window's own filters see it.
struct Espion : QObject {
    explicit Espion(std::function<void(QObject*, QEvent*)> voit) : voit_(std::move(voit)) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    bool eventFilter(QObject* objet, QEvent* event) override {
        voit_(objet, event);
        return false;
    }
    std::function<void(QObject*, QEvent*)> voit_;
};

void ordinateurs(FenetrePrincipale& f) {
    clique(f, "niveau(0)");
    clique(f, "niveau(1)");
}

QWidget* boite_ouverte() {
    QWidget* boite = QApplication::activeModalWidget();
    return boite != nullptr && boite->isVisible() ? boite : nullptr;
}

// Everything of a game that a stray action would change.
QString etat(const Controleur& c) {
    const Partie& p = c.partie();
    return QStringLiteral("%1 %2 %3,%4 %5,%6 %7")
        .arg(p.joueur_courant())
        .arg(static_cast<int>(p.phase()))
        .arg(p.joueur(0).position.x)
        .arg(p.joueur(0).position.y)
        .arg(p.joueur(1).position.x)
        .arg(p.joueur(1).position.y)
        .arg(c.jeu().nb_murs());
}

// The real program, started on the test's display; its windows, main window first.
struct Tessor {
    QProcess processus;
    QStringList fenetres() {
        bool trouvees = false;
        return outil("xdotool",
                     {"search", "--all", "--onlyvisible", "--pid",
                      QString::number(processus.processId()), "--name", "^Tessor$"},
                     &trouvees)
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

// What the keys of a game change, in a few words: the screen shown, an open question, the player
// on turn, the phase, the placed pawns and the walls, the keyboard's cursor.
QString vue_clavier(FenetrePrincipale& f) {
    const Controleur& c = f.controleur();
    const Partie& p = c.partie();
    QString vue = controle(f, "options")->isVisible()        ? QStringLiteral("options")
                  : controle(f, "panneau_aide")->isVisible() ? QStringLiteral("aide")
                                                             : QStringLiteral("jeu");
    vue += boite_ouverte() != nullptr ? QStringLiteral(" ?") : QString();
    if (c.jeu().en_partie()) {
        vue += QStringLiteral(" %1%2").arg(p.joueur_courant()).arg(static_cast<int>(p.phase()));
        for (int k = 0; k < 2; ++k) {
            const Case pion = p.joueur(k).position;
            vue += controle(f, "pion", k)->isVisible()
                       ? QStringLiteral(" %1,%2").arg(pion.x).arg(pion.y)
                       : QStringLiteral(" -");
        }
        const Case curseur = c.curseur().position();
        vue += QStringLiteral(" %1 aides %2%3")
                   .arg(c.jeu().nb_murs())
                   .arg(c.aide_active(Aide::deplacements))
                   .arg(c.aide_active(Aide::conseil));
        vue += c.curseur().montre() ? QStringLiteral(" curseur %1,%2").arg(curseur.x).arg(curseur.y)
                                    : QString();
    }
    return vue + (c.en_pause() ? QStringLiteral(" pause") : QString());
}

// A key for Doigt: its X name, its Qt key, and whether it is held or only tapped.
struct Touche {
    const char* nom;
    Qt::Key cle;
    bool tenue = true;
};

// Holds keys one after the other for 1.5 s each through the X server, as a finger does (or taps
// them), and records what the window shows once each release has come through (a Shift tapped
// after it is seen). Timers drive it, so it goes on inside a question's own event loop if one
// runs. A held key the server did not repeat is recorded as such: that hold would prove nothing.
class Doigt : public QObject {
  public:
    Doigt(FenetrePrincipale& f, std::vector<Touche> touches)
        : f_(f), touches_(std::move(touches)), espion_([this](QObject*, QEvent* e) { voit(e); }) {
        connect(&minuterie_, &QTimer::timeout, this, [this] { avance(); });
        minuterie_.start(10);
    }
    bool fini() const { return suivante_ == touches_.size(); }
    QStringList vues;

  private:
    void voit(QEvent* e) {
        if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
            const auto* t = static_cast<QKeyEvent*>(e);
            if (!fini() && t->key() == touches_[suivante_].cle) {
                presses_.insert(t->timestamp()); // once, as an override request, a press or both
            }
            relachee_ = relachee_ || (lachee_ && t->key() == Qt::Key_Shift);
        }
    }
    void avance() {
        if (fini()) {
            return;
        }
        const Touche& touche = touches_[suivante_];
        if (!tenue_.isValid()) {
            presses_.clear();
            outil("xdotool", {"keydown", touche.nom});
            tenue_.start();
        } else if (!lachee_ && tenue_.elapsed() >= (touche.tenue ? 1500 : 0)) {
            outil("xdotool", {"keyup", touche.nom});
            outil("xdotool", {"key", "shift"});
            lachee_ = true;
        } else if (relachee_) {
            const bool repetee = presses_.size() > 1 || !touche.tenue;
            vues << (repetee ? vue_clavier(f_) : QStringLiteral("pas de répétition"));
            ++suivante_;
            tenue_.invalidate();
            lachee_ = relachee_ = false;
        }
    }

    FenetrePrincipale& f_;
    std::vector<Touche> touches_;
    std::size_t suivante_ = 0;
    QElapsedTimer tenue_;
    bool lachee_ = false;
    bool relachee_ = false;
    QSet<quint64> presses_;
    Espion espion_;
    QTimer minuterie_;
};

} // namespace

class TestAffichage : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        filtre_messages();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }
    void init() { oublie_reglages(); }

    // The outer frame, title bar included, stands in the middle of the screen.
    void the_framed_window_is_centred() {
        Programme programme([] { return MIDI; });
        programme.demarre();
        QTRY_VERIFY(programme.fenetre() != nullptr && programme.fenetre()->isVisible());
        // The frame as the X server has it: the widget's copy may lag (see centrage.cpp).
        const QWindow& f = *programme.fenetre()->windowHandle();
        // The window manager frames the window when it gets to it: on a loaded machine, seconds.
        QTRY_VERIFY_WITH_TIMEOUT(f.frameGeometry().height() > f.height(), 20000);
        const QSize marge = f.screen()->geometry().size() - f.frameGeometry().size();
        QTRY_COMPARE(f.frameGeometry().topLeft(), QPoint(marge.width() / 2, marge.height() / 2));
    }

    // Minimised and restored in a human's game, the window shows the game as it was and plays
    // on; minimised in a game between two computers, the game waits, and goes on to its end
    // once the window comes back.
    void minimising_and_restoring_keeps_the_game() {
        auto f = fenetre_montree();
        bool rendue = false;
        const auto minimise_et_rend = [&f, &rendue] {
            outil("xdotool", {"windowminimize", id(*f)});
            QTRY_VERIFY(minimisee(*f));
            outil("xdotool", {"windowactivate", id(*f)});
            QTRY_VERIFY(!minimisee(*f) && f->windowHandle()->isExposed());
            rendue = true;
        };
        clique(*f, "jouer");
        clique_cases(*f, {{3, 3}, {8, 8}});
        const QString avant = etat(f->controleur());
        minimise_et_rend();
        QVERIFY(rendue && etat(f->controleur()) == avant);
        clique_cases(*f, {{4, 4}});
        QCOMPARE(f->controleur().partie().joueur(0).position, (Case{4, 4}));
        abandonne(*f);
        ordinateurs(*f);
        const Controleur& c = f->controleur();
        rendue = false;
        Quand milieu([&c] { return c.jeu().nb_murs() >= 3; }, minimise_et_rend);
        Repondeur r;
        clique(*f, "jouer");
        QTRY_COMPARE_WITH_TIMEOUT(r.questions, QStringList{"Voulez-vous rejouer?"}, 20000);
        QVERIFY(rendue && c.jeu().nb_murs() > 3);
        // The replay question hides none of the final position.
        const QWidget& plateau = *controle(*f, "plateau");
        QVERIFY(!r.cadres[0].intersects({plateau.mapToGlobal(QPoint()), plateau.size()}));
    }

    // A close request ends the program at once, with no question, on the options screen, in a
    // human's turn and in a computer's turn (the game stops there); SIGTERM in a computer's turn
    // does the same. While a question or the information window is open, the main window waits
    // for it: the toolkit holds the request back and the box stays; the box's own close request
    // answers it "Non" or closes the information window, and the window goes on from there.
    void close_requests_and_sigterm_in_each_state_data() {
        QTest::addColumn<int>("placements");
        QTest::addColumn<bool>("ordinateurs");
        QTest::addColumn<bool>("signal");
        QTest::newRow("options screen") << -1 << false << false;
        QTest::newRow("human's turn") << 1 << false << false;
        QTest::newRow("computer's turn") << 0 << true << false;
        QTest::newRow("SIGTERM in a computer's turn") << 0 << true << true;
    }
    void close_requests_and_sigterm_in_each_state() {
        QFETCH(int, placements);
        QFETCH(bool, ordinateurs);
        QFETCH(bool, signal);
        // Paced, so that the game cannot end before a slow window manager passes the request on.
        auto f = fenetre_montree(ordinateurs);
        if (ordinateurs) {
            ::ordinateurs(*f);
        }
        const Controleur& c = f->controleur();
        Quand milieu([&c, ordinateurs] { return !ordinateurs || c.jeu().nb_murs() >= 2; },
                     [&f, signal] {
                         if (signal) {
                             std::raise(SIGTERM);
                         } else {
                             demande_fermeture(id(*f));
                         }
                         QTRY_VERIFY(!f->isVisible()); // the game goes no further meanwhile
                     });
        Repondeur r;
        if (placements >= 0) {
            clique(*f, "jouer");
        }
        if (placements > 0) {
            clique_cases(*f, {{3, 3}});
        }
        QTRY_VERIFY_WITH_TIMEOUT(milieu.fait && !f->isVisible(), 20000);
        QVERIFY(r.questions.isEmpty() && !c.partie().finie());
    }
    void close_requests_wait_for_an_open_box() {
        auto f = fenetre_montree();
        QStringList vues;
        const auto ferme_les_deux = [&] {
            auto* question = qobject_cast<QMessageBox*>(boite_ouverte());
            vues << (question != nullptr ? question->text() : QStringLiteral("information"));
            demande_fermeture(id(*f));
            demande_fermeture(id(*boite_ouverte()));
        };
        const auto avec_une_boite = [&](const std::function<void()>& ouvre) {
            Quand boite([] { return boite_ouverte() != nullptr; }, ferme_les_deux);
            ouvre();
            QTRY_VERIFY_WITH_TIMEOUT(boite.fait && boite_ouverte() == nullptr, 20000);
            QVERIFY(f->isVisible());
        };
        avec_une_boite([&] { clique(*f, "quitter"); });
        avec_une_boite([&] { clique(*f, "aide"); });
        clique(*f, "jouer");
        clique_cases(*f, {{3, 3}, {8, 8}});
        const QString avant = etat(f->controleur());
        avec_une_boite([&] { presse_image(*f, "bouton_abandon"); });
        QCOMPARE(etat(f->controleur()), avant);
        abandonne(*f);
        ordinateurs(*f);
        avec_une_boite([&] { clique(*f, "jouer"); });
        QVERIFY(controle(*f, "options")->isVisible());
        QCOMPARE(vues, (QStringList{"Etes vous sûre de vouloir quitter?", "information",
                                    "Etes vous sûre de vouloir abandonner cette partie?",
                                    "Voulez-vous rejouer?"}));
    }

    // The program itself ends promptly with status 0 when its window is closed or destroyed or
    // when it is told to stop, also while a question is open or computers play; closed while
    // Ordi 5 searches on 12 x 12, within 100 ms of the request.
    void the_program_ends_when_its_window_is_lost_data() {
        QTest::addColumn<QString>("cas");
        for (const char* cas : {"close request while Ordi 5 searches", "window destroyed",
                                "destroyed during a question", "SIGTERM during a question",
                                "SIGTERM while computers play"}) {
            QTest::newRow(cas) << QString::fromLatin1(cas);
        }
    }
    void the_program_ends_when_its_window_is_lost() {
        QFETCH(QString, cas);
        Tessor t;
        t.processus.start(QStringLiteral(TESSOR_PROGRAMME), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(!t.fenetres().isEmpty(), 10000);
        const QString fenetre = t.fenetres().value(0);
        if (cas.contains(QLatin1String("question"))) {
            clic_x(fenetre, {104, 416}); // "Quitter"
            QTRY_COMPARE_WITH_TIMEOUT(t.fenetres().size(), 2, 10000);
        } else if (cas.contains(QLatin1String("computers"))) {
            for (QPoint p : {QPoint(104, 216), QPoint(536, 216), QPoint(320, 440)}) {
                clic_x(fenetre, p); // both players' "Humain", to level 1, then "Jouer"
            }
        } else if (cas.contains(QLatin1String("Ordi 5"))) {
            // Both levels to Ordi 5, both sides to 12, then "Jouer"; then a pooled thread runs.
            for (const auto& [p, fois] : {std::pair{QPoint(104, 216), 5},
                                          {QPoint(536, 216), 5},
                                          {QPoint(356, 309), 6},
                                          {QPoint(357, 373), 6},
                                          {QPoint(320, 440), 1}}) {
                clic_x(fenetre, p, fois);
            }
            const QDir fils(QStringLiteral("/proc/%1/task").arg(t.processus.processId()));
            QTRY_VERIFY_WITH_TIMEOUT(lit(fils).contains(QLatin1String("(Thread (pooled)) R")),
                                     20000);
        }
        QElapsedTimer fermeture;
        if (cas.startsWith(QLatin1String("close request"))) {
            demande_fermeture(fenetre);
            fermeture.start();
        } else if (cas.startsWith(QLatin1String("SIGTERM"))) {
            t.processus.terminate();
        } else {
            outil("xdotool", {"windowclose", fenetre});
        }
        // It may have ended already, seen while a tool ran.
        QVERIFY(t.processus.state() == QProcess::NotRunning || t.processus.waitForFinished(10000));
        QVERIFY(t.processus.exitStatus() == QProcess::NormalExit && t.processus.exitCode() == 0);
        // Ordi 5's search is told to stop: the program does not wait for it to run its course.
        QVERIFY2(!fermeture.isValid() || fermeture.elapsed() < FERMETURE_MAX_MS,
                 qPrintable(QString::number(fermeture.elapsed())));
    }

    // Under a scale factor, real clicks reach the squares drawn under the pointer. The test
    // runs itself again with QT_SCALE_FACTOR set, this function alone.
    void clicks_land_on_their_squares_when_scaled() {
        if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
            for (const char* facteur : {"1.5", "2"}) {
                QProcess enfant;
                QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
                env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(facteur));
                enfant.setProcessEnvironment(env);
                enfant.setProcessChannelMode(QProcess::ForwardedChannels);
                enfant.start(QCoreApplication::applicationFilePath(),
                             {QString::fromLatin1(QTest::currentTestFunction())});
                QVERIFY2(enfant.waitForFinished(30000) && enfant.exitCode() == 0, facteur);
            }
            return;
        }
        auto f = fenetre_montree();
        const qreal echelle = f->devicePixelRatioF();
        QCOMPARE(echelle, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        clique(*f, "jouer");
        const Partie& p = f->controleur().partie();
        for (const Case c : {Case{3, 3}, Case{8, 7}}) {
            clic_x(id(*f), centre_case(*f, c.x, c.y) * echelle);
            QTRY_COMPARE(p.joueur(c.x == 3 ? 0 : 1).position, c);
        }
        clic_x(id(*f), (centre_case(*f, 4, 4) - QPoint(15, 15)) * echelle);
        QTRY_COMPARE(p.joueur(0).position, (Case{4, 4}));
    }

    // Twenty real clicks in 100 ms: on the board, one move and the other clicks refused; on the
    // game panel's "Quitter" and "Aide", the game stays as it was and the buttons come to rest.
    // Each burst is seen whole once a move after it, over a column of its own, is seen.
    void a_burst_of_clicks_acts_once_per_press() {
        auto f = fenetre_montree();
        clique(*f, "jouer");
        clique_cases(*f, {{3, 3}, {8, 8}});
        const Controleur& c = f->controleur();
        Repondeur non;
        int16 colonne = 5;
        for (const char* cible : {"", "bouton_abandon", "bouton_aide"}) {
            clic_x(id(*f),
                   *cible != '\0' ? controle(*f, cible)->mapTo(f.get(), QPoint(20, 10))
                                  : centre_case(*f, 4, 4),
                   20);
            int mouvements = 0;
            const auto bouge = [&] {
                const QPoint sur = centre_case(*f, colonne, 5 + ++mouvements % 2);
                outil("xdotool", {"mousemove", "--window", id(*f), QString::number(sur.x()),
                                  QString::number(sur.y())});
                return c.case_survolee().x == colonne && !c.ecran().minuterie &&
                       boite_ouverte() == nullptr;
            };
            QTRY_VERIFY_WITH_TIMEOUT(bouge(), 20000); // a loaded machine may take seconds
            QCOMPARE(etat(c), QStringLiteral("0 2 4,4 8,8 0"));
            ++colonne;
        }
        QVERIFY(!non.questions.isEmpty() && montre(*f, "bouton_abandon", "bouton_quitter") &&
                montre(*f, "bouton_aide", "bouton_aide"));
        QVERIFY(controle(*f, "panneau_jeu")->isVisible() !=
                controle(*f, "panneau_aide")->isVisible());
    }

    // Keys held for 1.5 s through the X server, whose own repeat comes as releases and presses
    // that the toolkit does not always mark as repeats: each key acts once in every state where
    // it acts (the options screen, a game, the help panel, a question), and the arrows repeat.
    void held_keys_act_once_in_every_state() {
        Programme programme([] { return MIDI; });
        programme.demarre();
        QTRY_VERIFY(programme.fenetre() != nullptr && programme.fenetre()->isActiveWindow());
        FenetrePrincipale* f = programme.fenetre();
        controle(*f, "jouer")->setFocus();
        Doigt doigt(*f, {{"space", Qt::Key_Space},
                         {"Right", Qt::Key_Right},
                         {"Return", Qt::Key_Return},
                         {"Escape", Qt::Key_Escape},
                         {"Escape", Qt::Key_Escape},
                         {"KP_Enter", Qt::Key_Enter},
                         {"F1", Qt::Key_F1},
                         {"Tab", Qt::Key_Tab, false},
                         {"space", Qt::Key_Space},
                         {"F1", Qt::Key_F1},
                         {"F1", Qt::Key_F1},
                         {"Escape", Qt::Key_Escape},
                         {"Escape", Qt::Key_Escape},
                         {"Return", Qt::Key_Return}});
        QTRY_VERIFY_WITH_TIMEOUT(doigt.fini(), 60000);
        const QString p1 = QStringLiteral("10 8,5 - 0 aides 00 curseur 5,5");
        const QString p2 = QStringLiteral("01 8,5 5,5 0 aides %1 curseur 8,5");
        QCOMPARE(
            doigt.vues,
            (QStringList{
                "jeu 00 - - 0 aides 00", // "Jouer" pressed once; a repeat would show the cursor
                "jeu 00 - - 0 aides 00 curseur 8,5", // shown, then moved right to the edge
                "jeu " + p1,           // player 1's pawn placed, the cursor back on (5, 5)
                "jeu ? " + p1,         // the abandon question asked once, and left open
                "jeu " + p1,           // "Non" once: the repeats ask nothing again
                "jeu " + p2.arg("00"), // player 2's pawn placed, and nothing more
                "aide " + p2.arg("00"),
                "aide " + p2.arg("00"), // Tab: the first hint switch has the focus
                "aide " + p2.arg("10"), // turned on, and not off again
                "jeu " + p2.arg("10"), "aide " + p2.arg("10"),
                "jeu " + p2.arg("10"),   // "Retour" on the help panel, and no question
                "jeu ? " + p2.arg("10"), // asked once
                "options",               // "Oui" once, and no new game
            }));
    }

    // The context menu opens on every right click, on the Menu key and on Shift+F10, and its
    // items act when clicked; Escape closes it. In a name box, Ctrl+V, the letters and Ctrl+Z edit
    // its text. In a game between two computers, P held for 1.5 s pauses it once, and the Pause
    // key resumes it once.
    void the_context_menu_opens_from_the_mouse_and_the_keyboard() {
        auto f = fenetre_montree(true);
        f->activateWindow();
        QTRY_VERIFY(f->isActiveWindow());
        auto* nom = controle<QLineEdit>(*f, "nom", 0);
        nom->setFocus();
        nom->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("Zoé"));
        outil("xdotool", {"key", "ctrl+v", "p"});
        QTRY_COMPARE(nom->text(), QStringLiteral("Zoép"));
        outil("xdotool", {"key", "ctrl+z"});
        QTRY_VERIFY(nom->text() != QStringLiteral("Zoép"));
        QVERIFY(boite_ouverte() == nullptr && controle(*f, "options")->isVisible());
        controle(*f, "jouer")->setFocus(); // a name box has a text menu of its own
        auto* menu = controle<QMenu>(*f, QStringLiteral("menu_contextuel"));
        const auto clic_droit = [&f] {
            outil("xdotool", {"mousemove", "--window", id(*f), "300", "60", "click", "3"});
        };
        // Twice by the mouse at one place: the second press once reached the menu and closed it.
        for (const char* touche : {"", "Menu", "", "shift+F10", ""}) {
            *touche == '\0' ? clic_droit() : void(outil("xdotool", {"key", touche}));
            QTRY_VERIFY2(menu->isVisible(), touche);
            outil("xdotool", {"key", "Escape"});
            QTRY_VERIFY(!menu->isVisible());
        }
        clic_droit();
        QTRY_VERIFY(menu->isVisible());
        auto* dernier_coup = f->findChild<QAction*>(QStringLiteral("dernier_coup"));
        const QPoint sur = menu->actionGeometry(dernier_coup).center() * f->devicePixelRatioF();
        outil("xdotool", {"mousemove", "--window", id(*menu), QString::number(sur.x()),
                          QString::number(sur.y()), "click", "1"});
        QTRY_VERIFY(f->controleur().options().dernier_coup && !menu->isVisible());
        ordinateurs(*f);
        clique(*f, "jouer");
        Doigt p(*f, {{"p", Qt::Key_P}, {"Pause", Qt::Key_Pause}});
        QTRY_VERIFY_WITH_TIMEOUT(p.fini(), 20000);
        QVERIFY(p.vues[0].endsWith(QLatin1String(" pause")) &&
                !p.vues[1].endsWith(QLatin1String(" pause")));
    }

    // The menu's shortcuts held for 1.5 s act once: a new game, take-backs (of a human's
    // action and the computer's since) and redos by both shortcuts, then a new game's question
    // asked once, left with Escape; the game copied, and pasted over itself after the abandon
    // question, asked once; between humans, against Ordi 1 and against Ordi 5.
    void held_shortcuts_act_once_data() {
        QTest::addColumn<int>("niveau");
        QTest::newRow("two humans") << 0;
        QTest::newRow("against Ordi 1") << 1;
        QTest::newRow("against Ordi 5") << 5;
    }
    void held_shortcuts_act_once() {
        QFETCH(int, niveau);
        auto f = fenetre_montree(true);
        f->activateWindow();
        QTRY_VERIFY(f->isActiveWindow());
        clique(*f, "niveau(1)", niveau);
        Doigt nouvelle(*f, {{"ctrl+n", Qt::Key_N}});
        QTRY_VERIFY_WITH_TIMEOUT(nouvelle.fini(), 20000);
        QStringList points;
        const Controleur& c = f->controleur();
        for (int k = 0; k < 3; ++k) {
            points << vue_clavier(*f);
            const Case cible = acceptees(c.partie()).front();
            clique_cases(*f, {{cible.x, cible.y}});
            QTRY_VERIFY(!c.jeu().ordinateur_au_trait());
        }
        points << vue_clavier(*f);
        Doigt doigt(*f, {{"ctrl+z", Qt::Key_Z},
                         {"ctrl+z", Qt::Key_Z},
                         {"ctrl+y", Qt::Key_Y},
                         {"ctrl+shift+z", Qt::Key_Z},
                         {"ctrl+n", Qt::Key_N},
                         {"Escape", Qt::Key_Escape},
                         {"ctrl+c", Qt::Key_C},
                         {"ctrl+v", Qt::Key_V},
                         {"Escape", Qt::Key_Escape}});
        QTRY_VERIFY_WITH_TIMEOUT(doigt.fini(), 60000);
        QCOMPARE(nouvelle.vues, QStringList{"jeu 00 - - 0 aides 00"});
        const QString question = QString(points[3]).insert(3, " ?");
        QCOMPARE(doigt.vues, (QStringList{points[2], points[1], points[2], points[3], question,
                                          points[3], points[3], question, points[3]}));
    }
};

QTEST_MAIN(TestAffichage)
#include "test_affichage.moc"
