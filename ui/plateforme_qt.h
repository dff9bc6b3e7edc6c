// The game's services on Qt: the modal Yes/No question over the main window, the pauses of a
// computer's turn as timers, its decisions on a worker thread, link opening through the desktop,
// the clock and the random generator.
#pragma once

#include "game/hasard.h"
#include "game/plateforme.h"

#include <cstdint>
#include <functional>
#include <mutex>

class QWidget;

namespace tessor {

// Seconds since midnight, read from a clock; tests give a fixed one to replay a game exactly.
using Horloge = std::function<std::int32_t()>;

// Seconds since midnight of the local time of day.
std::int32_t horloge_systeme();

class PlateformeQt : public Plateforme {
  public:
    // `synchronise` copies the window model onto the widgets of `fenetre`; it runs after each
    // pause and each decision. The generator is reseeded once from `horloge` here. Without
    // `pauses` every pause lasts no time (for tests).
    PlateformeQt(QWidget& fenetre, std::function<void()> synchronise, Horloge horloge,
                 bool pauses = true);
    PlateformeQt(const PlateformeQt&) = delete;
    PlateformeQt& operator=(const PlateformeQt&) = delete;
    // A decision still running ends before anything it reads goes away.
    ~PlateformeQt() override { termine_calcul(); }

    bool question(const std::string& texte) override;
    // Both end on the window's thread, and not at all once the window is gone.
    void attend(int ms, std::function<void()> suite) override;
    void calcule(std::function<void()> travail, std::function<void()> suite) override;
    void ouvre_lien(const std::string& lien) override;
    std::int32_t secondes_depuis_minuit() override { return horloge_(); }
    // The generator is shared with the computer's decisions, which run on a worker thread.
    float aleatoire() override;
    void reensemence(std::int32_t secondes) override;

    // Waits for the decisions running, if any (an abandoned game's may still run).
    void termine_calcul();

  private:
    QWidget& fenetre_;
    std::function<void()> synchronise_;
    Horloge horloge_;
    bool pauses_;
    std::mutex verrou_;
    Hasard hasard_;
};

} // namespace tessor
