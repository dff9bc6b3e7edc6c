#include "centrage.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tessor {

namespace {

// The frame is read from the platform window: the widget's copy of it is refreshed only when the
// window moves or changes size, and a window manager that frames the window without moving it
// leaves that copy frameless. The client area is placed directly, since `move` would turn a
// frame position into a client one with that same copy.
void place_au_centre(QWidget& fenetre) {
    const QScreen* ecran = fenetre.screen();
    if (ecran == nullptr) {
        ecran = QGuiApplication::primaryScreen();
    }
    if (ecran == nullptr) {
        return;
    }
    const QWindow* natif = fenetre.windowHandle();
    const QMargins cadre = natif != nullptr ? natif->frameMargins() : QMargins();
    const QSize taille = fenetre.size().grownBy(cadre);
    const QRect ecran_entier = ecran->geometry();
    const QPoint coin(ecran_entier.left() + (ecran_entier.width() - taille.width()) / 2,
                      ecran_entier.top() + (ecran_entier.height() - taille.height()) / 2);
    fenetre.setGeometry(QRect(coin + QPoint(cadre.left(), cadre.top()), fenetre.size()));
}

// A window manager frames a window (title bar, borders) only when the window first goes on screen,
// and only then does the platform know the frame's size. On the window's first exposure it is
// centred again, by its outer frame; where nothing frames it, that changes nothing.
class RecentrageEncadre : public QObject {
  public:
    explicit RecentrageEncadre(QWidget& fenetre) : QObject(&fenetre), fenetre_(fenetre) {
        fenetre.windowHandle()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* objet, QEvent* event) override {
        if (event->type() == QEvent::Expose && fenetre_.windowHandle()->isExposed()) {
            place_au_centre(fenetre_);
            deleteLater();
        }
        return QObject::eventFilter(objet, event);
    }

  private:
    QWidget& fenetre_;
};

} // namespace

void centre_sur_ecran(QWidget& fenetre) {
    // Creating the native window first lets the platform tell the frame where it knows it before
    // the window is shown; where it does not, the client size is all there is to centre, until
    // the window is framed.
    fenetre.winId();
    place_au_centre(fenetre);
    if (!fenetre.isVisible()) {
        new RecentrageEncadre(fenetre);
    }
}

} // namespace tessor
