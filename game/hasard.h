// The game's random generator: uniform single-precision numbers in [0, 1), reseeded by mixing
// a clock reading into its state, so two reseeds within the same second never replay a sequence.
// The window shares one between its thread and the computer's decisions on a worker thread.
#pragma once

#include "alea.h"

#include <cstdint>
#include <mutex>

namespace tessor {

class Hasard {
  public:
    explicit Hasard(std::uint64_t graine = 0x9E3779B97F4A7C15ULL) : etat_(graine) {}

    // 24 random bits scaled to [0, 1): every value is exact in single precision.
    float tirage() { return static_cast<float>(suivant() >> 40) / 16777216.0f; }

    void reensemence(std::int32_t secondes) {
        etat_ ^= static_cast<std::uint64_t>(static_cast<std::uint32_t>(secondes)) *
                 0xD1B54A32D192ED03ULL;
        suivant();
    }

  private:
    // splitmix64: a full-period 64-bit sequence with well-mixed outputs.
    std::uint64_t suivant() {
        etat_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = etat_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    std::uint64_t etat_;
};

// Seconds since midnight of the local time of day.
std::int32_t horloge_systeme();

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
