// The real window on a real X display with a window manager (tests/ecran_virtuel.sh starts both):
// minimising, close requests in every state, the window destroyed, SIGTERM, scale factors,
// bursts of clicks and keys held down under the X server's own repeat.
// The window manager is driven with xdotool and wmctrl; every wait is on a state of the window or
// of the game, never a fixed delay, so the computer's cases hold whether its turns are instant or
// paced.
#include "fenetre_test.h"
#include "ui/programme.h"

#include <QProcess>
#include <QScreen>
#include <QSet>

#include <csignal>

using namespace tessor;
using namespace tessor::test;

namespace {

// Runs an X tool on the test's display and returns its output; `reussi` tells whether it
// succeeded (a search that finds nothing fails).
QString outil(const QString& nom, const QStringList& arguments, bool* reussi = nullptr) {
    QProcess p;
    p.start(nom, arguments);
    const bool ok =
        p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (reussi != nullptr) {
        *reussi = ok;
    } else if (!ok) {
        qWarning("%s %s failed", qPrintable(nom), qPrintable(arguments.join(QLatin1Char(' '))));
    }
    return QString::fromLatin1(p.readAllStandardOutput());
}

QString hexa(WId id) {
    return QStringLiteral("0x%1").arg(id, 0, 16);
}

// What the title bar's close button sends: the window manager asks the window to close.
void demande_fermeture(QWidget& w) {
    outil(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), hexa(w.winId())});
}

void xdotool(const QStringList& arguments) {
    outil(QStringLiteral("xdotool"), arguments);
}

// A real click, or `fois` clicks 5 ms apart, at a position of the window in device pixels.
void clic_x(WId fenetre, QPoint p, int fois = 1) {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(fenetre),
             QString::number(p.x()), QString::number(p.y()), QStringLiteral("click"),
             QStringLiteral("--repeat"), QString::number(fois), QStringLiteral("--delay"),
             QStringLiteral("5"), QStringLiteral("1")});
}

QString id(QWidget& w) {
    return QString::number(w.winId());
}

bool minimisee(QWidget& w) {
    return w.windowHandle()->windowStates().testFlag(Qt::WindowMinimized);
}

// Runs `action` once, the first time `condition` holds, checked at every turn of the event loop:
// also in the pauses of a computer turn and inside a question's own loop.
class Quand {
  public:
    Quand(std::function<bool()> condition, std::function<void()> action) {
        QObject::connect(&minuterie_, &QTimer::timeout, [this, condition, action] {
            if (!fait && condition()) {
                fait = true;
                action();
            }
        });
        minuterie_.start(0);
    }
    bool fait = false;

  private:
    QTimer minuterie_;
};

// Counts the events of one kind that reach `cible`, or any object when it is null, before the
// window's own filters see them.
class Compteur : public QObject {
  public:
    Compteur(QObject* cible, std::function<bool(QEvent*)> compte)
        : cible_(cible), compte_(std::move(compte)) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    int n = 0;

  protected:
    bool eventFilter(QObject* objet, QEvent* event) override {
        n += (cible_ == nullptr || objet == cible_) && compte_(event) ? 1 : 0;
        return false;
    }

  private:
    QObject* cible_;
    std::function<bool(QEvent*)> compte_;
};

// "Quitter" of the game panel, confirmed: back to the options screen.
void abandonne(Form1& f) {
    Repondeur oui([] { return true; });
    presse_image(f, "Picture6(0)");
}

void ordinateurs(Form1& f, int niveau1, int niveau2) {
    clique(f, "Command1(0)", niveau1);
    clique(f, "Command1(1)", niveau2);
}

QMessageBox* question_ouverte() {
    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
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

// The real program, started on the test's display; its main window's id once that shows.
struct Tessor {
    QProcess processus;
    QString fenetre;

    Tessor() {
        processus.start(QStringLiteral(TESSOR_PROGRAMME), QStringList());
        if (!QTest::qWaitFor([this] { return !(fenetre = fenetres().value(0)).isEmpty(); },
                             10000)) {
            qWarning() << "no window:" << processus.state() << processus.exitCode()
                       << processus.readAllStandardError();
        }
    }
    QStringList fenetres() {
        bool trouvees = false;
        return outil(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--all"),
                      QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                      QString::number(processus.processId()), QStringLiteral("--name"),
                      QStringLiteral("^Tessor$")},
                     &trouvees)
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    void clic(QPoint p) { clic_x(fenetre.toULongLong(), p); }
    // Clicks "Quitter" of the options screen and waits for its question.
    void ouvre_la_question() {
        clic({104, 416});
        QTRY_COMPARE_WITH_TIMEOUT(fenetres().size(), 2, 10000);
    }
};

} // namespace

class TestAffichage : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        filtre_messages();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    // The outer frame, title bar included, stands in the middle of the screen.
    void the_framed_window_is_centred() {
        Programme programme([] { return MIDI; });
        programme.demarre();
        QTRY_VERIFY(programme.fenetre() != nullptr &&
                    programme.fenetre()->windowHandle()->isExposed());
        Form1& f = *programme.fenetre();
        const QRect ecran = f.screen()->geometry();
        QTRY_VERIFY(f.frameGeometry().height() > f.height());
        const QSize cadre = f.frameGeometry().size();
        QTRY_COMPARE(f.frameGeometry().topLeft(), QPoint((ecran.width() - cadre.width()) / 2,
                                                         (ecran.height() - cadre.height()) / 2));
    }

    // Minimised and restored in the middle of a game, the window shows the game as it was and
    // plays on; minimised in a game between two computers, the game runs to its end and the
    // window comes back.
    void minimising_and_restoring_keeps_the_game() {
        auto f = fenetre_montree();
        const auto minimise_et_rend = [&f] {
            xdotool({QStringLiteral("windowminimize"), id(*f)});
            QTRY_VERIFY(minimisee(*f));
            xdotool({QStringLiteral("windowactivate"), id(*f)});
            QTRY_VERIFY(!minimisee(*f) && f->windowHandle()->isExposed());
        };
        clique(*f, "Command3(1)");
        clique_cases(*f, {{3, 3}, {8, 8}});
        const QString avant = etat(f->controleur());
        minimise_et_rend();
        QCOMPARE(etat(f->controleur()), avant);
        clique_cases(*f, {{4, 4}});
        QCOMPARE(f->controleur().partie().joueur(0).position, (Case{4, 4}));
        abandonne(*f);

        ordinateurs(*f, 1, 1);
        const Controleur& c = f->controleur();
        Quand minimise([&c] { return c.jeu().nb_murs() >= 3; },
                       [&f] {
                           xdotool({QStringLiteral("windowminimize"), id(*f)});
                       });
        Quand rend([&f] { return minimisee(*f); },
                   [&f] {
                       xdotool({QStringLiteral("windowactivate"), id(*f)});
                   });
        Repondeur r;
        clique(*f, "Command3(1)");
        QTRY_COMPARE_WITH_TIMEOUT(r.questions, QStringList{"Voulez-vous rejouer?"}, 20000);
        QTRY_VERIFY(rend.fait && !minimisee(*f) && f->windowHandle()->isExposed());
        QVERIFY(c.partie().finie());
    }

    // A close request ends the program at once, with no question, on the options screen, in a
    // human's turn and in a computer's turn (the game stops there). While a question or the
    // information window is open, the main window waits for it: the request is held back by the
    // toolkit and the box stays; the box's own close request answers it ("Non") or closes the
    // information window, and the main window goes on from there.
    void close_requests_in_each_state() {
        {
            auto f = fenetre_montree();
            demande_fermeture(*f);
            QTRY_VERIFY(!f->isVisible());
        }
        {
            auto f = fenetre_montree();
            Repondeur r;
            clique(*f, "Command3(1)");
            clique_cases(*f, {{3, 3}});
            demande_fermeture(*f);
            QTRY_VERIFY(!f->isVisible());
            QVERIFY(r.questions.isEmpty());
        }
        {
            auto f = fenetre_montree();
            ordinateurs(*f, 1, 1);
            const Controleur& c = f->controleur();
            Quand milieu([&c] { return c.jeu().nb_murs() >= 2; }, [&f] { demande_fermeture(*f); });
            Repondeur r;
            clique(*f, "Command3(1)");
            QTRY_VERIFY_WITH_TIMEOUT(!f->isVisible(), 20000);
            QVERIFY(milieu.fait && r.questions.isEmpty() && !c.partie().finie());
        }
        auto f = fenetre_montree();
        QStringList vues;
        Quand quitter(question_ouverte, [&] {
            vues << question_ouverte()->text();
            demande_fermeture(*f);
            demande_fermeture(*question_ouverte());
        });
        clique(*f, "Command3(0)");
        QTRY_VERIFY(quitter.fait && !question_ouverte());
        QVERIFY(f->isVisible() && controle(*f, "Menu")->isVisible());

        clique(*f, "Command3(1)");
        clique_cases(*f, {{3, 3}, {8, 8}});
        const QString avant = etat(f->controleur());
        Quand abandon(question_ouverte, [&] {
            vues << question_ouverte()->text();
            demande_fermeture(*f);
            demande_fermeture(*question_ouverte());
        });
        presse_image(*f, "Picture6(0)");
        QTRY_VERIFY(abandon.fait && !question_ouverte());
        QVERIFY(f->isVisible() && etat(f->controleur()) == avant);
        abandonne(*f);

        const auto information = [&f]() -> QWidget* { return f->findChild<QDialog*>(); };
        Quand info([&] { return information() != nullptr && information()->isVisible(); },
                   [&] {
                       demande_fermeture(*f);
                       demande_fermeture(*information());
                   });
        clique(*f, "Aide(0)");
        QTRY_VERIFY(info.fait && !information()->isVisible());
        QVERIFY(f->isVisible());

        ordinateurs(*f, 1, 1);
        Quand rejouer(question_ouverte, [&] {
            vues << question_ouverte()->text();
            demande_fermeture(*f);
            demande_fermeture(*question_ouverte());
        });
        clique(*f, "Command3(1)");
        QTRY_VERIFY_WITH_TIMEOUT(rejouer.fait && !question_ouverte(), 20000);
        QVERIFY(f->isVisible() && controle(*f, "Menu")->isVisible());
        QCOMPARE(vues, (QStringList{"Etes vous sûre de vouloir quitter?",
                                    "Etes vous sûre de vouloir abandonner cette partie?",
                                    "Voulez-vous rejouer?"}));
    }

    // SIGTERM in a computer's turn stops the game there and closes the window, with no question.
    void sigterm_in_a_computer_turn_closes_the_window() {
        auto f = fenetre_montree();
        ordinateurs(*f, 1, 1);
        const Controleur& c = f->controleur();
        Quand milieu([&c] { return c.jeu().nb_murs() >= 2; }, [] { std::raise(SIGTERM); });
        Repondeur r;
        clique(*f, "Command3(1)");
        QTRY_VERIFY_WITH_TIMEOUT(!f->isVisible(), 20000);
        QVERIFY(milieu.fait && r.questions.isEmpty() && !c.partie().finie());
    }

    // The program itself ends promptly with status 0 when its window is closed or destroyed or
    // when it is told to stop, also while a question is open or computers play.
    void the_program_ends_when_its_window_is_lost_data() {
        QTest::addColumn<QString>("cas");
        for (const char* cas : {"close request", "window destroyed", "destroyed during a question",
                                "SIGTERM during a question", "SIGTERM while computers play"}) {
            QTest::newRow(cas) << QString::fromLatin1(cas);
        }
    }
    void the_program_ends_when_its_window_is_lost() {
        QFETCH(QString, cas);
        Tessor t;
        if (cas.contains(QLatin1String("question"))) {
            t.ouvre_la_question();
        }
        if (cas.contains(QLatin1String("computers"))) {
            t.clic({104, 216}); // player 1: level 1 (the options screen's "Intelligence")
            t.clic({536, 216}); // player 2: level 1
            t.clic({320, 440}); // "Jouer"
        }
        if (cas == QLatin1String("close request")) {
            outil(QStringLiteral("wmctrl"), {"-i", "-c", hexa(t.fenetre.toULongLong())});
        } else if (cas.startsWith(QLatin1String("SIGTERM"))) {
            t.processus.terminate();
        } else {
            xdotool({QStringLiteral("windowclose"), t.fenetre});
        }
        // It may have ended already, seen while the tool ran.
        QVERIFY(t.processus.state() == QProcess::NotRunning || t.processus.waitForFinished(10000));
        QCOMPARE(t.processus.exitStatus(), QProcess::NormalExit);
        QCOMPARE(t.processus.exitCode(), 0);
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
                QVERIFY(enfant.waitForFinished(30000));
                QVERIFY2(enfant.exitStatus() == QProcess::NormalExit && enfant.exitCode() == 0,
                         facteur);
            }
            return;
        }
        auto f = fenetre_montree();
        const qreal echelle = f->devicePixelRatioF();
        QCOMPARE(echelle, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        clique(*f, "Command3(1)");
        const Partie& p = f->controleur().partie();
        for (const Case c : {Case{3, 3}, Case{8, 7}}) {
            clic_x(f->winId(), centre_case(*f, c.x, c.y) * echelle);
            QTRY_COMPARE(p.joueur(c.x == 3 ? 0 : 1).position, c);
        }
        clic_x(f->winId(), (centre_case(*f, 4, 4) - QPoint(15, 15)) * echelle);
        QTRY_COMPARE(p.joueur(0).position, (Case{4, 4}));
    }

    // Twenty real clicks in 100 ms: on the board, one move and the other clicks refused; on the
    // game panel's "Quitter" and "Aide", each acting press leaves the game as it was and the
    // buttons at rest.
    void a_burst_of_clicks_acts_once_per_press() {
        auto f = fenetre_montree();
        clique(*f, "Command3(1)");
        clique_cases(*f, {{3, 3}, {8, 8}});
        Compteur presses(f->windowHandle(),
                         [](QEvent* e) { return e->type() == QEvent::MouseButtonPress; });
        clic_x(f->winId(), centre_case(*f, 4, 4), 20);
        QTRY_COMPARE(presses.n, 20);
        const Controleur& c = f->controleur();
        QCOMPARE(etat(c), QStringLiteral("0 2 4,4 8,8 0"));
        // A move of the pointer after the burst: once it is seen, every click before it was.
        const auto rafale = [&](const char* bouton) {
            clic_x(f->winId(), controle(*f, bouton)->mapTo(f.get(), QPoint(20, 10)), 20);
            xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), id(*f),
                     QString::number(centre_case(*f, 6, 6).x()),
                     QString::number(centre_case(*f, 6, 6).y())});
            QTRY_VERIFY(c.case_survolee().x == 6 && !c.ecran().minuterie);
        };
        Repondeur non;
        rafale("Picture6(0)");
        QVERIFY(!non.questions.isEmpty() && etat(c) == QStringLiteral("0 2 4,4 8,8 0"));
        QVERIFY(montre(*f, "Picture6(0)", "bouton_quitter"));
        rafale("Picture5(0)");
        QVERIFY(controle(*f, "sspanel3")->isVisible() != controle(*f, "sspanel5")->isVisible());
        QVERIFY(montre(*f, "Picture5(0)", "bouton_aide"));
        QCOMPARE(etat(c), QStringLiteral("0 2 4,4 8,8 0"));
    }

    // Keys held down under the X server's own repeat, which comes as releases and presses that
    // the toolkit does not always mark as repeats: Enter acts once, the arrows repeat.
    void held_keys_repeat_only_the_arrows() {
        auto f = fenetre_montree();
        clique(*f, "Command3(1)");
        QTRY_VERIFY(f->isActiveWindow());
        // The presses of key `k` that reach the application, each counted once whichever
        // controls it visits.
        const auto tiens = [](const char* touche, Qt::Key k) {
            QSet<quint64> presses;
            Compteur compteur(nullptr, [&presses, k](QEvent* e) {
                const bool touche_k =
                    (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) &&
                    static_cast<QKeyEvent*>(e)->key() == k;
                if (touche_k) {
                    presses.insert(static_cast<QKeyEvent*>(e)->timestamp());
                }
                return false;
            });
            xdotool({QStringLiteral("keydown"), QString::fromLatin1(touche)});
            QTRY_VERIFY_WITH_TIMEOUT(presses.size() >= 4, 10000);
            xdotool({QStringLiteral("keyup"), QString::fromLatin1(touche)});
        };
        const Controleur& c = f->controleur();
        const QString avant = etat(c);
        tiens("Return", Qt::Key_Return); // its first press shows the cursor, and that is all
        QVERIFY(c.curseur().montre());
        QCOMPARE(etat(c), avant);
        const Case depart = c.curseur().position();
        tiens("Up", Qt::Key_Up);
        QTRY_VERIFY(c.curseur().position().y <= depart.y - 3 || c.curseur().position().y == 3);
    }
};

QTEST_MAIN(TestAffichage)
#include "test_affichage.moc"
