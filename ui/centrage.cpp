#include "centrage.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace tessor {

void centre_sur_ecran(QWidget& fenetre) {
    const QScreen* ecran = fenetre.screen();
    if (ecran == nullptr) {
        ecran = QGuiApplication::primaryScreen();
    }
    if (ecran == nullptr) {
        return;
    }
    // The outer size counts the title bar and borders. Creating the native window first lets
    // the platform tell them where it knows them before the window is shown; where it does
    // not, the client size is all there is to centre.
    fenetre.winId();
    const QRect ecran_entier = ecran->geometry();
    const QRect cadre = fenetre.frameGeometry();
    fenetre.move(ecran_entier.left() + (ecran_entier.width() - cadre.width()) / 2,
                 ecran_entier.top() + (ecran_entier.height() - cadre.height()) / 2);
}

} // namespace tessor
