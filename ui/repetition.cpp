#include "repetition.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tessor {

namespace {

// The X server stamps the release and the press of one repeat with two readings of its clock, at
// times a millisecond apart; no hand releases a key and presses it again within this many.
constexpr unsigned long ECART_REPETITION_MS = 5;

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

// A repeated press reaches neither the window's shortcuts nor the control with the focus; a press
// within a few milliseconds of the same key's release, with no other key pressed between them, is
// a repeat too. A shortcut fires from the shortcut map unless the override request is accepted:
// accepting it sends the press on as a plain press, which is dropped here in its turn. A button
// clicked on release is then never pressed again while the key is held.
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
        return touche->isAutoRepeat() || QObject::eventFilter(objet, event);
    }
    const bool suit_le_relache =
        touche->key() == relachee_ && touche->timestamp() - instant_relache_ <= ECART_REPETITION_MS;
    if (!touche->isAutoRepeat() && !suit_le_relache) {
        return QObject::eventFilter(objet, event);
    }
    event->accept();
    return true;
}

} // namespace tessor
