// The few services the game asks of its surroundings. The Qt window provides the real ones;
// tests and the analysis tool provide their own answers, clocks and random streams.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tessor {

class Plateforme {
  public:
    virtual ~Plateforme() = default;

    // Asks a modal Yes/No question titled "Tessor"; true when the answer is Yes.
    virtual bool question(const std::string& texte) = 0;
    // Calls `suite` once `ms` milliseconds have passed, on the caller's thread. Without a clock
    // of its own a platform calls it at once.
    virtual void attend(int ms, std::function<void()> suite) {
        static_cast<void>(ms);
        suite();
    }
    // Runs `travail` away from the window's thread where there is one, then `suite` on the
    // caller's thread. Without threads of its own a platform runs both at once, in order.
    virtual void calcule(std::function<void()> travail, std::function<void()> suite) {
        travail();
        suite();
    }
    // Hands a web address or a "mailto:" link to the desktop; failures are silent.
    virtual void ouvre_lien(const std::string& lien) = 0;
    // Seconds since midnight, from the clock.
    virtual std::int32_t secondes_depuis_minuit() = 0;
    // Next number of the shared random generator, uniform in [0, 1).
    virtual float aleatoire() = 0;
    // Mixes a clock reading into the generator's current state.
    virtual void reensemence(std::int32_t secondes) = 0;
};

// Reseeds the shared generator from the clock, as the game does before drawing a square.
inline void reensemence_horloge(Plateforme& p) {
    p.reensemence(p.secondes_depuis_minuit());
}

} // namespace tessor
