// The analysis tool's random stream: reproducible from its seed alone, with its draws and
// reseeds counted for the answers.
#pragma once

#include "game/alea.h"

#include <QtGlobal>

#include <cstdint>

namespace tessor::analyse {

class AleaAnalyse : public Alea {
  public:
    explicit AleaAnalyse(std::uint32_t graine) : etat_(graine) {}

    // Linear congruential step modulo 2^32; the top 24 bits scaled to [0, 1).
    float aleatoire() override;
    // Counted only: the state is left as it is, so a request replays from its seed alone.
    void reensemence() override { ++reensemencements_; }

    qint64 tirages() const { return tirages_; }
    qint64 reensemencements() const { return reensemencements_; }

  private:
    std::uint32_t etat_;
    qint64 tirages_ = 0;
    qint64 reensemencements_ = 0;
};

} // namespace tessor::analyse
