// The random stream that the game and the computer draw from, and the clock it reseeds from.
// The window shares one stream between its thread and the computer's; tests and the analysis
// tool give their own, reproducible ones.
#pragma once

#include <cstdint>
#include <functional>

namespace tessor {

// Seconds since midnight, read from a clock; tests give a fixed one to replay a game exactly.
using Horloge = std::function<std::int32_t()>;

class Alea {
  public:
    virtual ~Alea() = default;

    // Next number of the stream, uniform in [0, 1).
    virtual float aleatoire() = 0;
    // Mixes the clock's current reading into the stream's state, as the game does before it
    // draws a square.
    virtual void reensemence() = 0;
};

} // namespace tessor
