#include "centrage.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tessor {

namespace {

void place_au_centre(QWidget& fenetre) {
    const QScreen* ecran = fenetre.screen();
    if (ecran == nullptr) {
        ecran = QGuiApplication::primaryScreen();
    }
    if (ecran == nullptr) {
        return;
    }
    const QRect ecran_entier = ecran->geometry();
    const QRect cadre = fenetre.frameGeometry();
    fenetre.move(ecran_entier.left() + (ecran_entier.width() - cadre.width()) / 2,
                 ecran_entier.top() + (ecran_entier.height() - cadre.height()) / 2);
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
