// The game's services on Qt: the modal Yes/No question over the main window, event processing in
// the pauses of a computer turn, link opening through the desktop, the clock and the random
// generator.
#pragma once

#include "game/hasard.h"
#include "game/plateforme.h"

#include <cstdint>
#include <functional>

class QWidget;

namespace tessor {

// Seconds since midnight, read from a clock; tests give a fixed one to replay a game exactly.
using Horloge = std::function<std::int32_t()>;

// Seconds since midnight of the local time of day.
std::int32_t horloge_systeme();

class PlateformeQt : public Plateforme {
  public:
    // `synchronise` copies the window model onto the widgets of `fenetre`. The generator is
    // reseeded once from `horloge` here.
    PlateformeQt(QWidget& fenetre, std::function<void()> synchronise, Horloge horloge);

    bool question(const std::string& texte) override;
    void traite_evenements() override;
    void ouvre_lien(const std::string& lien) override;
    std::int32_t secondes_depuis_minuit() override { return horloge_(); }
    float aleatoire() override { return hasard_.tirage(); }
    void reensemence(std::int32_t secondes) override { hasard_.reensemence(secondes); }

  private:
    QWidget& fenetre_;
    std::function<void()> synchronise_;
    Horloge horloge_;
    Hasard hasard_;
};

} // namespace tessor
