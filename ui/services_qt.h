// The screen model's services on Qt: the computer's pauses as timers of the main window, its
// decisions on a thread pool of its own, the questions as message boxes modal to the window,
// opened without a loop of their own, and the links handed to the desktop.
#pragma once

#include "ecran/services.h"

#include <QThreadPool>

#include <functional>

class QWidget;

namespace tessor {

class ServicesQt final : public Ordonnanceur, public Dialogues {
  public:
    // `synchronise` copies the window model onto the widgets of `fenetre`: after each pause and
    // each decision, before a question shows and after its answer has acted. Without `pauses`
    // every pause lasts no time (for tests).
    ServicesQt(QWidget& fenetre, std::function<void()> synchronise, bool pauses);
    ServicesQt(const ServicesQt&) = delete;
    ServicesQt& operator=(const ServicesQt&) = delete;
    // The pool waits for the decisions still running: each has been told to stop by then, and
    // ends within a few milliseconds.
    ~ServicesQt() override = default;

    // Pauses, decisions and answers end on the window's thread, and not at all once the window
    // is gone.
    void attend(int ms, std::function<void()> suite) override;
    std::shared_ptr<std::atomic<bool>>
    calcule(std::function<void(const std::atomic<bool>&)> travail,
            std::function<void()> suite) override;
    void question(const std::string& texte, std::function<void(bool)> reponse,
                  Place place) override;
    void avertit(const std::string& texte) override;
    void ouvre_lien(const std::string& lien) override;

  private:
    QWidget& fenetre_;
    std::function<void()> synchronise_;
    bool pauses_;
    QThreadPool pool_;
};

} // namespace tessor
