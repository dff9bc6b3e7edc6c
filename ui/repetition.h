// Keys that act once per press. A held Enter, Space, Escape, F1 or Menu repeats nothing, in the
// main window as in its question boxes: holding a key never plays a second square, reopens the
// help panel, asks a second question or answers the question its first press opened. Nor does a
// held shortcut of the window's actions, but in a text box, where the keys edit as text does.
// The arrows, and every other key, repeat as the desktop sends them.
#pragma once

#include <QObject>

class QWidget;

namespace tessor {

class FiltreRepetition : public QObject {
  public:
    // Watches every key of the application while `fenetre` lives.
    explicit FiltreRepetition(QWidget* fenetre);

  protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

  private:
    const QWidget& fenetre_;
    // The key and time of the last release: X repeats a held key as a release and a press at
    // (almost) the same instant, and the toolkit does not always see the pair as a repeat.
    int relachee_ = 0;
    unsigned long instant_relache_ = 0;
};

} // namespace tessor
