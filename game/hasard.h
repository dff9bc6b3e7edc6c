// The game's random generator: uniform single-precision numbers in [0, 1), reseeded by mixing
// a clock reading into its state, so two reseeds within the same second never replay a sequence.
// The window shares one between its thread and the computer's decisions on a worker thread.
#pragma once

#include "alea.h"

#include <cstdint>
#include <ctime>
#include <mutex>
#include <utility>

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
inline std::int32_t horloge_systeme() {
    const std::time_t maintenant = std::time(nullptr);
    std::tm local{};
    localtime_r(&maintenant, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

class HasardPartage final : public Alea {
  public:
    // The generator is reseeded once from `horloge` here, as the program does when it starts.
    explicit HasardPartage(Horloge horloge) : horloge_(std::move(horloge)) { reensemence(); }

    float aleatoire() override {
        const std::lock_guard<std::mutex> garde(verrou_);
        return hasard_.tirage();
    }
    void reensemence() override {
        const std::int32_t secondes = horloge_();
        const std::lock_guard<std::mutex> garde(verrou_);
        hasard_.reensemence(secondes);
    }

  private:
    Horloge horloge_;
    std::mutex verrou_;
    Hasard hasard_;
};

} // namespace tessor
