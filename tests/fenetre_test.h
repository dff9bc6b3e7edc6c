// Helpers for the window tests: a shown main window with a fixed clock, its controls by name,
// real clicks and moves at window positions, an answerer for the modal questions, and the few
// situations several suites build.
#pragma once

#include "ecran/controleur.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/picture.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>

namespace tessor::test {

// The offscreen platform warns about things that do not matter here.
inline void filtre_messages() {
    static const QtMessageHandler suivant = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
            if (message.contains(QLatin1String("propagateSizeHints")) ||
                message.contains(QLatin1String("XDG_RUNTIME_DIR"))) {
                return;
            }
            suivant(type, contexte, message);
        });
}

inline constexpr std::int32_t MIDI = 43200;

// The main window, shown and exposed, with a clock that always reads noon so that every game
// draws the same random numbers.
inline std::unique_ptr<Form1> fenetre_montree() {
    auto f = std::make_unique<Form1>([] { return MIDI; });
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get())) {
        qFatal("the main window was never exposed");
    }
    return f;
}

template <typename T = QWidget> T* controle(QWidget& fenetre, const QString& nom) {
    T* w = fenetre.findChild<T*>(nom);
    if (w == nullptr) {
        qFatal("no control %s", qPrintable(nom));
    }
    return w;
}

template <typename T = QWidget> T* controle(QWidget& fenetre, const char* nom, int indice) {
    return controle<T>(fenetre, QStringLiteral("%1(%2)").arg(QLatin1String(nom)).arg(indice));
}

inline bool visible(QWidget& fenetre, const char* nom) {
    return controle(fenetre, QString::fromLatin1(nom))->isVisible();
}

// A click of the left button at a position of the window, delivered as the system would: to
// whatever control lies there.
inline void clique_a(Form1& f, QPoint p) {
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p);
}

inline void survole(Form1& f, QPoint p) {
    QTest::mouseMove(f.windowHandle(), p);
}

inline void clique_sur(Form1& f, QWidget* w) {
    clique_a(f, w->mapTo(&f, w->rect().center()));
}

// Centre of square (x, y) of the board, in window coordinates (the top-left square is (3, 3)).
inline QPoint centre_case(Form1& f, int x, int y) {
    const Controleur& j = f.controleur();
    return {j.geometrie().origine_x() + (x - 3) * Geometrie::TAILLE_CASE + 16,
            j.geometrie().origine_y() + (y - 3) * Geometrie::TAILLE_CASE + 16};
}

inline void clique_cases(Form1& f, std::initializer_list<QPoint> cases) {
    for (QPoint c : cases) {
        clique_a(f, centre_case(f, c.x(), c.y()));
    }
}

inline void clique_bouton(Form1& f, const char* nom, int indice, int fois = 1) {
    for (int k = 0; k < fois; ++k) {
        QTest::mouseClick(controle<QPushButton>(f, nom, indice), Qt::LeftButton);
    }
}

// Sets the board size with the steppers, then, if asked, starts the game with "Jouer".
inline void dimensionne(Form1& f, int largeur, int hauteur, bool jouer = false) {
    const auto pas = [&f](int plus, int moins, int ecart) {
        clique_bouton(f, "Command2", ecart > 0 ? plus : moins, ecart > 0 ? ecart : -ecart);
    };
    pas(4, 5, largeur - f.controleur().partie().regles().largeur);
    pas(6, 7, hauteur - f.controleur().partie().regles().hauteur);
    if (jouer) {
        clique_bouton(f, "Command3", 1);
    }
}

// Puts a name in name box k over its current text, as a paste would.
inline void tape_nom(Form1& f, int k, const QString& nom) {
    auto* boite = controle<QLineEdit>(f, "text1", k);
    boite->selectAll();
    boite->insert(nom);
}

// True when a picture box shows the built-in picture `nom`.
inline bool montre(Form1& f, const char* controle_nom, int indice, const char* nom) {
    const QImage vu = controle<Picture>(f, controle_nom, indice)->pixmap().toImage();
    return vu == QImage(QStringLiteral(":/images/%1.png").arg(QLatin1String(nom)))
                     .convertToFormat(vu.format());
}

// True when the opaque pixels of picture `nom` (or of its part `partie`) show in `capture` with
// their corner at `coin`, in window coordinates; `echelle` 2 reads the @2x picture.
inline bool dessine(const QImage& capture, QPoint coin, const char* nom, int echelle = 1,
                    const QRect& partie = {}) {
    QImage image =
        QImage(
            QStringLiteral(":/images/%1%2.png").arg(QLatin1String(nom), echelle == 2 ? "@2x" : ""))
            .convertToFormat(QImage::Format_ARGB32);
    image = partie.isNull() ? image : image.copy(partie);
    const QImage vu = capture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 255 && vu.pixel(coin * echelle + QPoint(x, y)) != p) {
                return false;
            }
        }
    }
    return true;
}

// With TESSOR_CAPTURES naming a folder, the capture is saved there for the documentation.
inline void enregistre(const QImage& capture, const QString& nom) {
    const QString dossier = qEnvironmentVariable("TESSOR_CAPTURES");
    if (!dossier.isEmpty() && !capture.save(QStringLiteral("%1/%2.png").arg(dossier, nom))) {
        qFatal("cannot write the capture %s", qPrintable(nom));
    }
}

// Answers the modal questions as they open, from a list of answers (No once it is empty),
// and records what each one asked.
class Repondeur {
  public:
    explicit Repondeur(std::deque<bool> reponses = {}) : reponses_(std::move(reponses)) {
        minuterie_.setInterval(1);
        QObject::connect(&minuterie_, &QTimer::timeout, [this] { repond(); });
        minuterie_.start();
    }

    void ajoute(bool reponse) { reponses_.push_back(reponse); }

    QStringList questions;
    // Runs as each question opens, before it is answered.
    std::function<void()> a_l_ouverture;

  private:
    void repond() {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr || !boite->isVisible()) {
            return;
        }
        if (a_l_ouverture) {
            a_l_ouverture();
        }
        questions << boite->text();
        const bool oui = !reponses_.empty() && reponses_.front();
        if (!reponses_.empty()) {
            reponses_.pop_front();
        }
        for (QAbstractButton* b : boite->buttons()) {
            if (b->text() == QLatin1String(oui ? "Oui" : "Non")) {
                b->click();
                return;
            }
        }
        qFatal("a question without the button %s", oui ? "Oui" : "Non");
    }

    std::deque<bool> reponses_;
    QTimer minuterie_;
};

// Closes the information window as soon as it opens, noting what it showed.
struct FermeInformation {
    int ouvertures = 0;
    QString titre;
    QTimer minuterie;

    FermeInformation() {
        minuterie.setInterval(1);
        QObject::connect(&minuterie, &QTimer::timeout, [this] {
            auto* info = qobject_cast<Form2*>(QApplication::activeModalWidget());
            if (info != nullptr && info->isVisible()) {
                ++ouvertures;
                titre = info->windowTitle();
                info->reject();
            }
        });
        minuterie.start();
    }
};

using Cases = QSet<QPoint>;

// The free squares one king step or one knight jump from `depuis`, read from the board.
inline Cases cases_libres_autour(const Controleur& j, Case depuis) {
    static const QPoint roi[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                 {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
    static const QPoint cavalier[] = {{1, -2}, {2, -1}, {2, 1},   {1, 2},
                                      {-1, 2}, {-2, 1}, {-2, -1}, {-1, -2}};
    Cases cases;
    for (QPoint d : j.partie().regles().cavalier ? cavalier : roi) {
        const Case c{static_cast<int16>(depuis.x + d.x()), static_cast<int16>(depuis.y + d.y())};
        if (c.x >= 3 && c.y >= 3 && c.x < 3 + j.partie().regles().largeur &&
            c.y < 3 + j.partie().regles().hauteur && j.partie().tableau().libre(c)) {
            cases << QPoint(c.x, c.y);
        }
    }
    return cases;
}

// A human turn by clicks: a move to the first free square in reach (top row first), then a
// wall on the last free square of the board.
inline void joue_tour(Form1& f) {
    const Controleur& j = f.controleur();
    const Cases cases =
        cases_libres_autour(j, j.partie().joueur(j.partie().joueur_courant()).position);
    if (cases.isEmpty()) {
        qFatal("the pawn on turn cannot move");
    }
    const QPoint depl = *std::min_element(cases.begin(), cases.end(), [](QPoint a, QPoint b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    clique_cases(f, {depl});
    for (int n = j.partie().regles().largeur * j.partie().regles().hauteur - 1; n >= 0; --n) {
        const QPoint c(3 + n % j.partie().regles().largeur, 3 + n / j.partie().regles().largeur);
        if (j.partie().tableau().libre(
                Case{static_cast<int16>(c.x()), static_cast<int16>(c.y())})) {
            clique_cases(f, {c});
            return;
        }
    }
    qFatal("the board is full");
}

// Presses a picture button of the game panel and waits for its delayed action.
inline void presse_image(Form1& f, const char* nom) {
    QWidget* bouton = controle(f, nom, 0);
    QVERIFY(bouton->isVisible());
    clique_sur(f, bouton);
    QTRY_VERIFY_WITH_TIMEOUT(!f.controleur().ecran().minuterie, 2000);
}

// Abandons the game in progress with the game panel's "Quitter", answering `oui`.
inline QStringList abandonne(Form1& f, bool oui) {
    Repondeur r({oui});
    presse_image(f, "Picture6");
    return r.questions;
}

// A 6 x 6 game with the dolphin for player 2, five turns played and both hints on, back on
// the game panel.
inline void partie_avec_les_aides(Form1& f) {
    clique_bouton(f, "Command2", 3, 5);
    clique_bouton(f, "Command3", 1);
    clique_cases(f,
                 {{4, 4}, {6, 6}, {5, 4}, {7, 7}, {7, 6}, {3, 3}, {5, 5}, {8, 4}, {7, 5}, {4, 8}});
    presse_image(f, "Picture5");
    clique_sur(f, controle(f, "BoutonAide", 0));
    clique_sur(f, controle(f, "BoutonAide", 1));
    clique_sur(f, controle(f, QStringLiteral("Command4")));
}

// What the options screen shows, to tell whether anything changed.
struct Options {
    QStringList textes;
    QList<QImage> images;

    explicit Options(Form1& f) {
        for (int k = 0; k < 2; ++k) {
            textes << controle<QLineEdit>(f, "text1", k)->text()
                   << controle<QLabel>(f, "Label2", k)->text();
        }
        for (int k = 0; k < 3; ++k) {
            textes << controle<QPushButton>(f, "Command1", k)->text();
            images << controle<Picture>(f, "Image1", k)->pixmap().toImage();
        }
    }
    bool operator==(const Options& o) const { return textes == o.textes && images == o.images; }
};

} // namespace tessor::test
