// Helpers for the window tests: a shown main window with a fixed clock, its controls by name,
// real clicks at window positions, an answerer for the modal questions, the pixel check of a
// picture, and the game with both hints on that several suites play.
#pragma once

#include "ecran/controleur.h"
#include "ui/cadre_image.h"
#include "ui/fenetre_principale.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

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

// Empties the settings that the real program remembers, in a folder of the test's own: the test
// runner names one; run by hand, the test makes a temporary one.
inline void oublie_reglages() {
    static QTemporaryDir dossier;
    if (!qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", dossier.path().toLocal8Bit());
    }
    QSettings(QStringLiteral("Tessor"), QStringLiteral("tessor")).clear();
}

// The main window, shown and exposed, with a clock that always reads noon so that every game
// draws the same random numbers; the computer plays without its pauses unless asked.
inline std::unique_ptr<FenetrePrincipale> fenetre_montree(bool pauses = false) {
    filtre_messages();
    auto f = std::make_unique<FenetrePrincipale>([] { return MIDI; }, pauses);
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
inline void clique_a(FenetrePrincipale& f, QPoint p) {
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, p);
}

inline void clique_sur(FenetrePrincipale& f, QWidget* w) {
    clique_a(f, w->mapTo(&f, w->rect().center()));
}

// Clicks control `nom`, which must show, at its place in the window, `fois` times.
inline void clique(FenetrePrincipale& f, const char* nom, int fois = 1) {
    QWidget* w = controle(f, QString::fromLatin1(nom));
    QVERIFY2(w->isVisible(), nom);
    for (int k = 0; k < fois; ++k) {
        clique_sur(f, w);
    }
}

// True when a picture box shows the built-in picture `nom`.
inline bool montre(FenetrePrincipale& f, const QString& controle_nom, const char* nom) {
    const QImage vu = controle<CadreImage>(f, controle_nom)->pixmap().toImage();
    return vu == QImage(QStringLiteral(":/images/%1.png").arg(QLatin1String(nom)))
                     .convertToFormat(vu.format());
}

// Centre of square (x, y) of the board, in window coordinates (the top-left square is (3, 3)).
inline QPoint centre_case(FenetrePrincipale& f, int x, int y) {
    const Controleur& j = f.controleur();
    return {j.geometrie().origine_x() + (x - 3) * Geometrie::TAILLE_CASE + 16,
            j.geometrie().origine_y() + (y - 3) * Geometrie::TAILLE_CASE + 16};
}

inline void clique_cases(FenetrePrincipale& f, std::initializer_list<QPoint> cases) {
    for (QPoint c : cases) {
        clique_a(f, centre_case(f, c.x(), c.y()));
    }
}

// Puts a name in name box k over its current text, as a paste would.
inline void tape_nom(FenetrePrincipale& f, int k, const QString& nom) {
    auto* boite = controle<QLineEdit>(f, "nom", k);
    boite->selectAll();
    boite->insert(nom);
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

// Answers each modal question as it opens, recording it first: with its "Oui" button when
// `reponse`, run then, says so, otherwise with "Non".
class Repondeur {
  public:
    explicit Repondeur(std::function<bool()> reponse = [] { return false; })
        : reponse_(std::move(reponse)) {
        QObject::connect(&minuterie_, &QTimer::timeout, [this] { repond(); });
        minuterie_.start(1);
    }

    QStringList questions;
    QList<QRect> cadres; // where each box stood on the screen

  private:
    void repond() {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr || !boite->isVisible()) {
            return;
        }
        questions << boite->text();
        cadres << boite->geometry();
        const QString bouton = reponse_() ? QStringLiteral("Oui") : QStringLiteral("Non");
        for (QAbstractButton* b : boite->buttons()) {
            if (b->text() == bouton) {
                b->click();
                return;
            }
        }
        qFatal("a question without the button %s", qPrintable(bouton));
    }

    std::function<bool()> reponse_;
    QTimer minuterie_;
};

// Clicks control `nom`, then waits until no press of the game panel's picture buttons is pending:
// "Aide" and "Quitter" act 10 ms after their click.
inline void presse_image(FenetrePrincipale& f, const char* nom) {
    clique(f, nom);
    QTRY_VERIFY_WITH_TIMEOUT(!f.controleur().ecran().minuterie, 2000);
}

// Gives the game up: presses "abandon", says Yes, and waits for the options screen. The question
// opens when the press acts; the answer may come only after `presse_image` has returned.
inline void abandonne(FenetrePrincipale& f) {
    Repondeur oui([] { return true; });
    presse_image(f, "bouton_abandon");
    QTRY_VERIFY_WITH_TIMEOUT(f.controleur().ecran().options.visible, 30000);
}

// A 6 x 6 game with the dolphin for player 2, five turns played and both hints on, back on
// the game panel.
inline void partie_avec_les_aides(FenetrePrincipale& f) {
    clique(f, "pion_plus(1)", 5);
    clique(f, "jouer");
    clique_cases(f,
                 {{4, 4}, {6, 6}, {5, 4}, {7, 7}, {7, 6}, {3, 3}, {5, 5}, {8, 4}, {7, 5}, {4, 8}});
    presse_image(f, "bouton_aide");
    clique(f, "interrupteur_aide(0)");
    clique(f, "interrupteur_aide(1)");
    clique(f, "retour");
}

} // namespace tessor::test
