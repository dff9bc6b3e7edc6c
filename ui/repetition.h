// Keys that act once per press. A held Enter, Space, Escape or F1 repeats nothing, in the main
// window as in its question boxes: holding a key never plays a second square, reopens the help
// panel, asks a second question or answers the question its first press opened. The arrows, and
// every other key, repeat as the desktop sends them.
#pragma once

#include <QObject>

namespace tessor {

class FiltreRepetition : public QObject {
  public:
    // Watches every key of the application while `parent` lives.
    explicit FiltreRepetition(QObject* parent);

  protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

  private:
    // The key and time of the last release: X repeats a held key as a release and a press at
    // (almost) the same instant, and the toolkit does not always see the pair as a repeat.
    int relachee_ = 0;
    unsigned long instant_relache_ = 0;
};

} // namespace tessor
