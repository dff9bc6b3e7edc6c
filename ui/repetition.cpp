#include "repetition.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tessor {

namespace {

bool agit_une_fois(int touche) {
    switch (touche) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
    case Qt::Key_F1:
        return true;
    default:
        return false;
    }
}

} // namespace

FiltreRepetition::FiltreRepetition(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

// A repeated press reaches neither the window's shortcuts (their override request is dropped
// too) nor the control with the focus; a press at the very instant of the same key's release,
// with no other key pressed between them, is a repeat too. A button clicked on release is then
// never pressed again while the key is held.
bool FiltreRepetition::eventFilter(QObject* objet, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress &&
        type != QEvent::KeyRelease) {
        return QObject::eventFilter(objet, event);
    }
    const auto* touche = static_cast<const QKeyEvent*>(event);
    if (!agit_une_fois(touche->key())) {
        relachee_ = type == QEvent::KeyRelease ? relachee_ : 0;
        return QObject::eventFilter(objet, event);
    }
    if (type == QEvent::KeyRelease) {
        relachee_ = touche->key();
        instant_relache_ = touche->timestamp();
    }
    if (touche->isAutoRepeat() || type == QEvent::KeyRelease) {
        return touche->isAutoRepeat() || QObject::eventFilter(objet, event);
    }
    return (touche->key() == relachee_ && touche->timestamp() == instant_relache_) ||
           QObject::eventFilter(objet, event);
}

} // namespace tessor
