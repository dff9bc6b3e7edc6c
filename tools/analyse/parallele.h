// Work split over threads for the requests that play many games, and their progress on the error
// stream. The work items are numbered and each writes only its own result, so the answer does not
// depend on how many threads run them nor in which order they finish.
#pragma once

#include "lecteur.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>

namespace tessor::analyse {

// The most threads one request may ask for.
constexpr int FILS_MAX = 64;

// "fils", the number of threads: all the machine's processors when absent.
int fils_demandes(Lecteur& lecteur);

// Counts the games played and, once a request has run for DELAI, writes how far it is on the
// error stream, at most once every PERIODE; standard output carries only the answers.
class Progres {
  public:
    static constexpr std::chrono::seconds DELAI{3};
    static constexpr std::chrono::seconds PERIODE{2};

    Progres(const char* requete, long long total);
    // One more game over; safe from any thread.
    void avance();

  private:
    const char* requete_;
    long long total_;
    std::atomic<long long> faites_{0};
    std::chrono::steady_clock::time_point debut_;
    std::chrono::steady_clock::time_point prochaine_;
    std::mutex ecriture_;
};

// The seed of work item i (from 0) of a request seeded `graine`: graine + (i + 1) x 0x9E3779B9,
// modulo 2^32, so that no two items of a request share a seed, whatever thread plays them.
inline std::uint32_t graine_du_travail(std::uint32_t graine, int i) {
    return graine + (static_cast<std::uint32_t>(i) + 1) * 0x9E3779B9u;
}

// Runs travail(0) .. travail(n - 1) on `fils` threads (the calling one among them), each index
// once; the first exception an item throws comes back to the caller, and no item starts after it.
void en_parallele(int n, int fils, const std::function<void(int)>& travail);

} // namespace tessor::analyse
