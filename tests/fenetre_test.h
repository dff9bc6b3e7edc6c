// Helpers for the tests of the main window: a shown window with a fixed clock, its controls by
// name, real clicks and moves at window positions, and an answerer for the modal questions.
#pragma once

#include "game/jeu.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/picture.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <deque>
#include <functional>
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

// A click of the left button at a position of the window, delivered as the system would: to
// whatever control lies there.
inline void clique_a(Form1& f, QPoint p) {
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p);
}

inline void survole(Form1& f, QPoint p) {
    QTest::mouseMove(f.windowHandle(), p);
}

// Centre of a control in window coordinates.
inline QPoint centre(Form1& f, QWidget* w) {
    return w->mapTo(&f, w->rect().center());
}

inline void clique_sur(Form1& f, QWidget* w) {
    clique_a(f, centre(f, w));
}

// Centre of square (x, y) of the board, in window coordinates (the top-left square is (3, 3)).
inline QPoint centre_case(Form1& f, int x, int y) {
    const Jeu& j = f.jeu();
    return {j.origine_x + (x - 3) * j.taille_case + 16, j.origine_y + (y - 3) * j.taille_case + 16};
}

inline void clique_case(Form1& f, int x, int y) {
    clique_a(f, centre_case(f, x, y));
}

inline void clique_bouton(Form1& f, const char* nom, int indice, int fois = 1) {
    for (int k = 0; k < fois; ++k) {
        QTest::mouseClick(controle<QPushButton>(f, nom, indice), Qt::LeftButton);
    }
}

// Sets the board size from the default 6 x 6 with the steppers.
inline void dimensionne(Form1& f, int largeur, int hauteur) {
    const auto pas = [&f](int plus, int moins, int ecart) {
        clique_bouton(f, "Command2", ecart > 0 ? plus : moins, ecart > 0 ? ecart : -ecart);
    };
    pas(4, 5, largeur - f.jeu().largeur);
    pas(6, 7, hauteur - f.jeu().hauteur);
}

inline bool montre(const QImage& image, const char* nom) {
    return image == QImage(QStringLiteral(":/images/%1.png").arg(QLatin1String(nom)))
                        .convertToFormat(image.format());
}

// True when a picture box shows the built-in picture `nom`.
inline bool montre(Form1& f, const char* controle_nom, int indice, const char* nom) {
    return montre(controle<Picture>(f, controle_nom, indice)->pixmap().toImage(), nom);
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
    QStringList titres;
    bool sans_icone = true;
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
        titres << boite->windowTitle();
        sans_icone = sans_icone && boite->icon() == QMessageBox::NoIcon;
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
inline Cases cases_libres_autour(const Jeu& j, Case depuis) {
    static const QPoint roi[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                 {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
    static const QPoint cavalier[] = {{1, -2}, {2, -1}, {2, 1},   {1, 2},
                                      {-1, 2}, {-2, 1}, {-2, -1}, {-1, -2}};
    Cases cases;
    for (QPoint d : j.cavalier ? cavalier : roi) {
        const Case c{static_cast<int16>(depuis.x + d.x()), static_cast<int16>(depuis.y + d.y())};
        const bool sur_le_plateau =
            c.x >= 3 && c.y >= 3 && c.x < 3 + j.largeur && c.y < 3 + j.hauteur;
        if (sur_le_plateau && j.tableau.libre(c)) {
            cases << QPoint(c.x, c.y);
        }
    }
    return cases;
}

// A first free square in reach of the pawn on turn, to move there.
inline QPoint un_deplacement(Form1& f) {
    const Jeu& j = f.jeu();
    const Cases cases = cases_libres_autour(j, j.joueurs[j.joueur_courant].position);
    if (cases.isEmpty()) {
        qFatal("the pawn on turn cannot move");
    }
    return *std::min_element(cases.begin(), cases.end(), [](QPoint a, QPoint b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
}

inline QPoint une_case_libre_loin(Form1& f) {
    const Jeu& j = f.jeu();
    for (int y = j.hauteur + 2; y >= 3; --y) {
        for (int x = j.largeur + 2; x >= 3; --x) {
            if (j.tableau.libre(Case{static_cast<int16>(x), static_cast<int16>(y)})) {
                return {x, y};
            }
        }
    }
    qFatal("the board is full");
}

inline void joue_tour(Form1& f) {
    const QPoint depl = un_deplacement(f);
    clique_case(f, depl.x(), depl.y());
    const QPoint mur = une_case_libre_loin(f);
    clique_case(f, mur.x(), mur.y());
}

// Presses a picture button of the game panel and waits for its delayed action.
inline void presse_image(Form1& f, const char* nom) {
    QWidget* bouton = controle(f, nom, 0);
    QVERIFY(bouton->isVisible());
    clique_sur(f, bouton);
    QVERIFY(f.jeu().fenetre.timer1);
    QTRY_VERIFY_WITH_TIMEOUT(!f.jeu().fenetre.timer1, 2000);
}

// Abandons the game in progress with the game panel's "Quitter", answering `oui`.
inline void abandonne(Form1& f, bool oui) {
    Repondeur r({oui});
    presse_image(f, "Picture6");
}

} // namespace tessor::test
