#include "repetition.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace tessor {

namespace {

// The X server stamps the release and the press of one repeat with two readings of its clock, at
// times a millisecond apart; no hand releases a key and presses it again within this many.
constexpr unsigned long ECART_REPETITION_MS = 5;

// True when a key triggers one of the window's actions (the context menu's shortcuts).
bool raccourci_de(const QWidget& fenetre, const QKeyEvent& touche) {
    const QKeySequence sequence(touche.keyCombination());
    const QList<QAction*> actions = fenetre.actions();
    return std::any_of(actions.begin(), actions.end(),
                       [&sequence](const QAction* a) { return a->shortcuts().contains(sequence); });
}

bool agit_une_fois(const QKeyEvent& touche, const QObject& objet, const QWidget& fenetre) {
    switch (touche.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
    case Qt::Key_F1:
    case Qt::Key_Menu:
        return true;
    default:
        return !objet.inherits("QLineEdit") && raccourci_de(fenetre, touche);
    }
}

} // namespace

FiltreRepetition::FiltreRepetition(QWidget* fenetre) : QObject(fenetre), fenetre_(*fenetre) {
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
    if (!agit_une_fois(*touche, *objet, fenetre_)) {
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
