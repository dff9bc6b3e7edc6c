// The computer's pauses as timers of the main window, and its decisions on a thread pool of its
// own, each ending on the window's thread.
#pragma once

#include "ecran/services.h"

#include <QThreadPool>

#include <functional>

class QWidget;

namespace tessor {

class OrdonnanceurQt final : public Ordonnanceur {
  public:
    // `synchronise` copies the window model onto the widgets of `fenetre`; it runs after each
    // pause and each decision. Without `pauses` every pause lasts no time (for tests).
    OrdonnanceurQt(QWidget& fenetre, std::function<void()> synchronise, bool pauses);
    OrdonnanceurQt(const OrdonnanceurQt&) = delete;
    OrdonnanceurQt& operator=(const OrdonnanceurQt&) = delete;
    // The pool waits for the decisions still running: an abandoned one has been told to stop,
    // and ends within a few milliseconds.
    ~OrdonnanceurQt() override = default;

    // Both end on the window's thread, and not at all once the window is gone.
    void attend(int ms, std::function<void()> suite) override;
    void calcule(std::function<void()> travail, std::function<void()> suite) override;

  private:
    QWidget& fenetre_;
    std::function<void()> synchronise_;
    bool pauses_;
    QThreadPool pool_;
};

} // namespace tessor
