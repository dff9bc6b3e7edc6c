// The real main window under a seeded stream of random input: pointer moves over the whole
// window, clicks at window positions and on board squares, every button of the options screen
// and of the two side panels, typed and pasted names, and random answers to every question, over
// many games of every kind. After every event the window must still agree with the game.
//
// TESSOR_GRAINE_STRESS sets the seed (printed at the start) and TESSOR_EVENEMENTS_STRESS the
// number of events. A seed fixes the stream's random choices. Where the 10 ms button timer
// fires, and which events come while the game is busy, depend on the machine's speed: two runs
// of one seed part ways at the first such moment, so a failure comes back often, not always.
#include "fenetre_test.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <thread>
#include <vector>

using namespace tessor;
using namespace tessor::test;

namespace {

constexpr quint32 EVENEMENTS_PAR_DEFAUT = 20000;
constexpr int MAX_VIOLATIONS_NOTEES = 20;

quint32 reglage(const char* variable, quint32 defaut) {
    bool ok = false;
    const quint32 v = qEnvironmentVariable(variable).toUInt(&ok);
    return ok ? v : defaut;
}

// Ends the program when the event loop has made no progress for 30 s: a hang fails the test
// with the seed that led to it, instead of waiting for the CI's time limit.
class Chien {
  public:
    explicit Chien(quint32 graine) : graine_(graine), fil_([this] { surveille(); }) {}
    ~Chien() {
        fin_ = true;
        fil_.join();
    }
    void signe() { ++progres_; }

  private:
    void surveille() {
        using namespace std::chrono;
        unsigned long vu = progres_;
        auto depuis = steady_clock::now();
        while (!fin_) {
            std::this_thread::sleep_for(milliseconds(100));
            if (progres_ != vu) {
                vu = progres_;
                depuis = steady_clock::now();
            } else if (steady_clock::now() - depuis > seconds(30)) {
                std::fprintf(stderr, "stress: no progress for 30 s, seed %u\n", graine_);
                std::abort();
            }
        }
    }

    const quint32 graine_;
    std::atomic<unsigned long> progres_{0};
    std::atomic<bool> fin_{false};
    std::thread fil_;
};

std::vector<QWidget*> cherche(Form1& f, const char* motif) {
    const QList<QWidget*> l = f.findChildren<QWidget*>(QRegularExpression(QLatin1String(motif)));
    return {l.begin(), l.end()};
}

// The widgets the stream acts on and the checks read, looked up once by their names.
struct Vue {
    explicit Vue(Form1& f)
        : menu(controle(f, QStringLiteral("Menu"))),
          sspanel3(controle(f, QStringLiteral("sspanel3"))),
          sspanel5(controle(f, QStringLiteral("sspanel5"))),
          label7(controle<QLabel>(f, QStringLiteral("Label7"))),
          jouer(controle<QPushButton>(f, "Command3", 1)),
          hors_options(cherche(f, "^(sspanel|ligne|lettre|cible2|aidepion|mur\\(|dessinpion)")),
          murs(cherche(f, "^mur\\(")), pions(cherche(f, "^dessinpion")),
          options(cherche(f, "^(Command[123]\\(\\d+\\)|Aide\\(0\\))$")),
          panneaux(cherche(f, "^(Picture[56]\\(0|BoutonAide|Label5|Aide\\(1|Command4)")),
          noms{controle<QLineEdit>(f, "text1", 0), controle<QLineEdit>(f, "text1", 1)} {}

    QWidget* menu;
    QWidget* sspanel3;
    QWidget* sspanel5;
    QLabel* label7;
    QPushButton* jouer;
    std::vector<QWidget*> hors_options; // side panels, lines, numbers, hint squares, markers, pawns
    std::vector<QWidget*> murs;
    std::vector<QWidget*> pions;
    std::vector<QWidget*> options;  // every button and stepper of the options screen
    std::vector<QWidget*> panneaux; // every button and switch of the two side panels
    std::array<QLineEdit*, 2> noms;
};

// Names typed key by key, then names pasted: these bring in what no key types.
const QStringList NOMS_TAPES = {QStringLiteral("<b>x</b>"), QStringLiteral("<img src=\"a\">"),
                                QStringLiteral("&amp;&lt;"), QStringLiteral("Zoé Ærø"),
                                QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789")};
const QStringList NOMS_COLLES =
    NOMS_TAPES + QStringList{QStringLiteral("\u202Egauche"), QStringLiteral("\U0001F600\U0001F47B"),
                             QStringLiteral("a\tb\nc\rd\x01\x1B\x7F")};

// The square whose placement rule puts an element's corner at `p`, if any.
std::optional<Case> case_de(const Jeu& j, QPoint p) {
    const int dx = p.x() - j.origine_x - 1;
    const int dy = p.y() - j.origine_y - 1;
    const int s = j.taille_case;
    if (dx < 0 || dy < 0 || dx % s != 0 || dy % s != 0 || dx / s >= j.largeur ||
        dy / s >= j.hauteur) {
        return std::nullopt;
    }
    return Case{static_cast<int16>(dx / s + 3), static_cast<int16>(dy / s + 3)};
}

int questions_ouvertes() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        n += qobject_cast<QMessageBox*>(w) != nullptr && w->isVisible();
    }
    return n;
}

int cases_libres(const Jeu& j) {
    int n = 0;
    for (int x = 3; x < 3 + j.largeur; ++x) {
        for (int y = 3; y < 3 + j.hauteur; ++y) {
            n += j.tableau.libre(x, y);
        }
    }
    return n;
}

class Stress {
  public:
    Stress(quint32 graine, quint32 total)
        : f_(fenetre_montree()), vue_(*f_), hasard_flot_(graine), hasard_pauses_(~graine),
          chien_(graine), total_(total) {
        repondeur_.a_l_ouverture = [this] { choisit_reponse(); };
        QObject::connect(vue_.jouer, &QPushButton::pressed, [this] { nouvelle_partie(); });
        f_->jeu().journal = [this](char action, int16 joueur, Case) { note(action, joueur); };
        pause_.setInterval(1);
        QObject::connect(&pause_, &QTimer::timeout, [this] { en_pause(); });
        pause_.start();
    }

    void lance() {
        while (evenements_ < total_) {
            evenement();
        }
    }

    void rapport(qint64 ms) const;
    const QStringList& violations() const { return violations_; }
    int nb_violations() const { return nb_violations_; }
    bool tout_couvert() const;

  private:
    int de(int n) { return static_cast<int>(hasard_->bounded(n)); }
    QPoint point_au_hasard() { return {de(f_->width()), de(f_->height())}; }
    template <typename T> T un_de(const std::vector<T>& v) { return v[de(int(v.size()))]; }

    void evenement();
    void clique_plateau();
    void clique_option();
    void presse_panneau();
    void tape_nom();
    void en_pause();
    void choisit_reponse();
    void nouvelle_partie();
    void note(char action, int joueur);

    void verifie();
    void verifie_options();
    void verifie_partie();
    void verifie_marqueurs(const Jeu& j);
    void viole(const QString& quoi);

    std::unique_ptr<Form1> f_;
    Vue vue_;
    // The stream, and the events sent in the pauses of computer turns: these depend on the
    // machine's speed, so they draw from their own generator and leave the stream as it is.
    QRandomGenerator hasard_flot_;
    QRandomGenerator hasard_pauses_;
    QRandomGenerator* hasard_ = &hasard_flot_;
    Chien chien_;
    Repondeur repondeur_;
    FermeInformation information_;
    QTimer pause_;
    const quint32 total_;
    quint32 evenements_ = 0;
    quint32 en_pauses_ = 0;
    QStringList violations_;
    int nb_violations_ = 0;
    int libres_ = 0; // free squares after the last placement, move or wall
    QString genre_;
    std::map<QString, std::array<int, 3>> parties_; // started, finished, abandoned
    std::set<int> niveaux_;
    std::set<std::pair<int, int>> tailles_;
    int noms_tapes_ = 0;
    int quitter_refuse_ = 0;
};

// One event of the stream, on the face the window shows; then whatever is due runs.
void Stress::evenement() {
    const bool options = vue_.menu->isVisible();
    const int t = de(100);
    if (t < 3) {
        QTest::qWait(de(15)); // a pause, in which a pending button press may act
    } else if (t < 17) {
        survole(*f_, point_au_hasard());
    } else if (t < 24) {
        clique_a(*f_, point_au_hasard());
    } else if (t < 32) {
        presse_panneau();
    } else if (options && t < 90) {
        clique_option();
    } else if (options) {
        tape_nom();
    } else {
        clique_plateau();
    }
    QCoreApplication::processEvents();
    ++evenements_;
    verifie();
    chien_.signe();
}

// Players mostly keep "Humain": a level button showing "Humain" is clicked only one time in four
// (another option instead), so that games between humans come about as often as the others.
// Steppers take runs of clicks, so that the boards' sizes reach their limits.
void Stress::clique_option() {
    const auto humain = [this](QWidget* b) {
        const QString nom = b->objectName();
        return nom.startsWith(QLatin1String("Command1(")) && nom != QLatin1String("Command1(2)") &&
               f_->jeu().joueurs[nom.at(9).digitValue()].niveau == 0;
    };
    QWidget* bouton = un_de(vue_.options);
    while (humain(bouton) && de(4) != 0) {
        bouton = un_de(vue_.options);
    }
    const bool pas = bouton->objectName().startsWith(QLatin1String("Command2"));
    for (int fois = pas ? 1 + de(8) : 1; fois > 0; --fois) {
        clique_sur(*f_, bouton);
    }
}

// Half the clicks play as a player would, so that games between humans get to their end: a
// placement on a free square, a move next to one's own pawn, a wall next to the other pawn.
// The others hit any square.
void Stress::clique_plateau() {
    const Jeu& j = f_->jeu();
    const auto au_hasard = [&] {
        return Case{static_cast<int16>(3 + de(j.largeur)), static_cast<int16>(3 + de(j.hauteur))};
    };
    Case c = au_hasard();
    if (de(2) == 0 && j.phase == 0) {
        for (int essai = 0; essai < 20 && !j.tableau.libre(c); ++essai) {
            c = au_hasard();
        }
    } else if (de(2) == 0) {
        const int pion = j.phase == 1 ? j.joueur_courant : 1 - j.joueur_courant;
        const Decalages d = j.decalages();
        c = decale(j.joueurs[pion].position, d.debut[de(int(d.fin - d.debut))]);
    }
    const QPoint p = centre_case(*f_, c.x, c.y); // off the board, maybe off the window
    clique_a(*f_, {std::clamp(p.x(), 0, f_->width() - 1), std::clamp(p.y(), 0, f_->height() - 1)});
}

// A picture button's action waits for its 10 ms timer: half the time the stream waits for it,
// otherwise the next events come first. In a computer turn it waits for the turn's end.
void Stress::presse_panneau() {
    clique_sur(*f_, un_de(vue_.panneaux));
    if (de(2) == 0 && !f_->jeu().occupe() &&
        !QTest::qWaitFor([this] { return !f_->jeu().fenetre.timer1; }, 1000)) {
        viole(QStringLiteral("a button press still waits after 1 s"));
    }
}

// Typed names stop at ten characters; pasted ones bring control characters in.
void Stress::tape_nom() {
    QLineEdit* nom = vue_.noms[de(2)];
    clique_sur(*f_, nom);
    if (QApplication::focusWidget() != nom) {
        return;
    }
    ++noms_tapes_;
    nom->selectAll();
    if (de(2) == 0) {
        for (QChar c : NOMS_TAPES[de(int(NOMS_TAPES.size()))]) {
            QTest::sendKeyEvent(QTest::Click, nom, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    } else {
        nom->insert(NOMS_COLLES[de(int(NOMS_COLLES.size()))]);
    }
}

// While the game is busy (in the pauses of a computer turn, as the replay question closes) the
// window still handles events: some of the stream goes there.
void Stress::en_pause() {
    chien_.signe();
    if (!f_->jeu().occupe() || QApplication::activeModalWidget() != nullptr ||
        evenements_ >= total_ || hasard_pauses_.bounded(4) != 0) {
        return;
    }
    ++en_pauses_;
    hasard_ = &hasard_pauses_;
    evenement();
    hasard_ = &hasard_flot_;
}

// Yes or No to every question, with two exceptions. Yes to quitting ends the program, which the
// tests of the program's start and end cover: here the window must live through the whole
// stream, so quitting is always answered No. Abandoning takes Yes one time in eight only, so that
// long games between humans also get to their end.
void Stress::choisit_reponse() {
    const QString question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->text();
    const bool quitter = question.startsWith(QStringLiteral("Etes vous sûre de vouloir quitter"));
    const bool abandon =
        question.startsWith(QStringLiteral("Etes vous sûre de vouloir abandonner"));
    const bool oui = !quitter && de(abandon ? 8 : 2) == 0;
    repondeur_.ajoute(oui);
    if (questions_ouvertes() > 1) {
        viole(QStringLiteral("\"%1\" asked over another question").arg(question));
    }
    quitter_refuse_ += quitter;
    if (question == QStringLiteral("Voulez-vous rejouer?")) {
        ++parties_[genre_][1];
        if (oui) {
            ++parties_[genre_][0];
        }
    } else if (abandon && oui) {
        ++parties_[genre_][2];
    }
}

void Stress::nouvelle_partie() {
    const Jeu& j = f_->jeu();
    const auto joueur = [](int niveau) { return niveau == 0 ? "humain" : "ordi"; };
    genre_ = QStringLiteral("%1 contre %2, %3")
                 .arg(QLatin1String(joueur(j.joueurs[0].niveau)),
                      QLatin1String(joueur(j.joueurs[1].niveau)),
                      QLatin1String(j.cavalier ? "cavalier" : "roi"));
    for (int k = 0; k < 2; ++k) {
        if (j.joueurs[k].niveau > 0) {
            niveaux_.insert(j.joueurs[k].niveau);
        }
    }
    tailles_.insert({j.largeur, j.hauteur});
    ++parties_[genre_][0];
}

// Every game starts with player 1's placement on an empty board; after that no placement, move
// or wall frees a square.
void Stress::note(char action, int joueur) {
    const Jeu& j = f_->jeu();
    const int libres = cases_libres(j);
    if (action == 'P' && joueur == 0) {
        if (libres != j.largeur * j.hauteur - 1) {
            viole(QStringLiteral("%1 free squares after the first placement").arg(libres));
        }
    } else if (libres > libres_) {
        viole(QStringLiteral("free squares went up from %1 to %2 on '%3'")
                  .arg(libres_)
                  .arg(libres)
                  .arg(QLatin1Char(action)));
    }
    libres_ = libres;
}

void Stress::viole(const QString& quoi) {
    if (++nb_violations_ <= MAX_VIOLATIONS_NOTEES) {
        violations_ << QStringLiteral("event %1: %2").arg(evenements_).arg(quoi);
    }
}

void Stress::verifie() {
    const Jeu& j = f_->jeu();
    if (j.nb_murs > NB_MARQUEURS - 1) {
        viole(QStringLiteral("%1 walls").arg(j.nb_murs));
    }
    if (vue_.label7->textFormat() != Qt::PlainText) {
        viole(QStringLiteral("the name of the player on turn is shown as rich text"));
    }
    if (vue_.menu->isVisible()) {
        verifie_options();
    } else {
        verifie_partie();
    }
}

void Stress::verifie_options() {
    for (QWidget* w : vue_.hors_options) {
        if (w->isVisible()) {
            viole(w->objectName() + QStringLiteral(" visible on the options screen"));
        }
    }
}

void Stress::verifie_partie() {
    const Jeu& j = f_->jeu();
    if (vue_.sspanel3->isVisible() == vue_.sspanel5->isVisible()) {
        viole(QStringLiteral("%1 side panels visible in a game")
                  .arg(vue_.sspanel3->isVisible() ? 2 : 0));
    }
    // Between two actions the board only changes when a new game starts, every square free.
    const int libres = cases_libres(j);
    if (libres > libres_ && libres != j.largeur * j.hauteur) {
        viole(QStringLiteral("free squares went up from %1 to %2").arg(libres_).arg(libres));
    }
    verifie_marqueurs(j);
}

// The visible markers and pawns stand each on its own square by the placement rule, and those
// squares are exactly the squares the board holds as taken.
void Stress::verifie_marqueurs(const Jeu& j) {
    QSet<QPoint> prises;
    const auto pose = [&](QWidget* w) {
        const std::optional<Case> c = case_de(j, w->pos());
        if (!c || j.tableau.libre(*c) || prises.contains({c->x, c->y})) {
            viole(w->objectName() + QStringLiteral(" at (%1, %2) is not alone on a taken square")
                                        .arg(w->x())
                                        .arg(w->y()));
        } else {
            prises << QPoint(c->x, c->y);
        }
    };
    int murs = 0;
    for (const auto* liste : {&vue_.murs, &vue_.pions}) {
        for (QWidget* w : *liste) {
            if (w->isVisible()) {
                pose(w);
                murs += liste == &vue_.murs;
            }
        }
    }
    if (murs != j.nb_murs) {
        viole(QStringLiteral("%1 wall markers visible for %2 walls").arg(murs).arg(j.nb_murs));
    }
    for (int16 x = 3; x < 3 + j.largeur; ++x) {
        for (int16 y = 3; y < 3 + j.hauteur; ++y) {
            if (!j.tableau.libre(x, y) && !prises.contains({x, y})) {
                viole(QStringLiteral("square (%1, %2) is taken but shows nothing").arg(x).arg(y));
            }
        }
    }
}

void Stress::rapport(qint64 ms) const {
    std::printf("stress: %u events (%u while the game was busy) in %.1f s, %d names typed, "
                "%d quit questions answered No\n",
                evenements_, en_pauses_, double(ms) / 1000.0, noms_tapes_, quitter_refuse_);
    for (const auto& [genre, n] : parties_) {
        std::printf("  %-28s started %4d  finished %4d  abandoned %4d\n", qPrintable(genre), n[0],
                    n[1], n[2]);
    }
    std::printf("  %zu computer levels and %zu board sizes started, 3 x 3 %s, 12 x 12 %s\n",
                niveaux_.size(), tailles_.size(), tailles_.count({3, 3}) ? "among them" : "not",
                tailles_.count({12, 12}) ? "among them" : "not");
    std::fflush(stdout);
}

// Games between humans, between a human and the computer either way round and between
// computers finished, under both movement rules; and every computer level started.
bool Stress::tout_couvert() const {
    QSet<QString> joueurs;
    QSet<QString> regles;
    for (const auto& [genre, n] : parties_) {
        if (n[1] > 0) {
            joueurs << genre.section(QLatin1Char(','), 0, 0);
            regles << genre.section(QLatin1Char(','), 1);
        }
    }
    return joueurs.size() == 4 && regles.size() == 2 && niveaux_.size() == 4;
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { filtre_messages(); }

    void la_fenetre_tient_sous_un_flot_d_evenements_au_hasard() {
        const quint32 graine =
            reglage("TESSOR_GRAINE_STRESS", QRandomGenerator::global()->generate());
        const quint32 total = reglage("TESSOR_EVENEMENTS_STRESS", EVENEMENTS_PAR_DEFAUT);
        std::printf("stress: seed %u, %u events (TESSOR_GRAINE_STRESS=%u draws them again)\n",
                    graine, total, graine);
        std::fflush(stdout);
        QElapsedTimer chrono;
        chrono.start();
        Stress stress(graine, total);
        stress.lance();
        stress.rapport(chrono.elapsed());
        QVERIFY2(stress.nb_violations() == 0,
                 qPrintable(QStringLiteral("%1 violations, seed %2:\n")
                                .arg(stress.nb_violations())
                                .arg(graine) +
                            stress.violations().join(QLatin1Char('\n'))));
        if (total >= EVENEMENTS_PAR_DEFAUT) {
            QVERIFY2(stress.tout_couvert(), "some kind of game or computer level was never played");
        }
    }
};

QTEST_MAIN(TestStress)
#include "test_stress.moc"
