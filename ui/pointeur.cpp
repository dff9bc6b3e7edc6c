#include "pointeur.h"

#include <QMouseEvent>
#include <QWidget>

namespace tessor {

Pointeur::Pointeur(QWidget* controle) : QObject(controle) {
    controle->setMouseTracking(true);
    controle->installEventFilter(this);
}

bool Pointeur::eventFilter(QObject* objet, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        emit presse();
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* souris = static_cast<QMouseEvent*>(event);
        const auto* controle = static_cast<QWidget*>(objet);
        if (souris->button() == Qt::LeftButton &&
            controle->rect().contains(souris->position().toPoint())) {
            emit clique();
        }
        return true;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

Pointeur* prend_pointeur(QWidget* controle) {
    return new Pointeur(controle);
}

} // namespace tessor
