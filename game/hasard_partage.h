// The window's random stream: one generator shared by the window's thread and the computer's
// decisions on a worker thread, reseeded from a clock.
#pragma once

#include "alea.h"
#include "hasard.h"

#include <mutex>

namespace tessor {

class HasardPartage final : public Alea {
  public:
    // The generator is reseeded once from `horloge` here, as the program does when it starts.
    explicit HasardPartage(Horloge horloge);

    float aleatoire() override;
    void reensemence() override;

  private:
    Horloge horloge_;
    std::mutex verrou_;
    Hasard hasard_;
};

} // namespace tessor
