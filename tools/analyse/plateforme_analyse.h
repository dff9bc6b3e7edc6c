// The analysis tool's platform: a reproducible random stream, a fixed clock, questions answered
// by whoever handles the request, and no window at all.
#pragma once

#include "game/plateforme.h"

#include <QtGlobal>

#include <cstdint>
#include <functional>
#include <string>

namespace tessor::analyse {

class PlateformeAnalyse : public Plateforme {
  public:
    // The clock reading every reseed receives; reseeds do not change the stream anyway.
    static constexpr std::int32_t HORLOGE = 43200;

    explicit PlateformeAnalyse(std::uint32_t graine) : etat_(graine) {}

    // Answers the questions; without one every answer is No.
    std::function<bool(const std::string& texte)> repondeur;

    bool question(const std::string& texte) override;
    void ouvre_lien(const std::string&) override {}
    std::int32_t secondes_depuis_minuit() override { return HORLOGE; }
    // Linear congruential step modulo 2^32; the top 24 bits scaled to [0, 1).
    float aleatoire() override;
    // Counted only: the state is left as it is, so a request replays from its seed alone.
    void reensemence(std::int32_t) override { ++reensemencements_; }

    qint64 tirages() const { return tirages_; }
    qint64 reensemencements() const { return reensemencements_; }

  private:
    std::uint32_t etat_;
    qint64 tirages_ = 0;
    qint64 reensemencements_ = 0;
};

} // namespace tessor::analyse
