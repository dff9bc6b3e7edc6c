// A platform for tests: scripted Yes/No answers, a fixed clock, and a random stream that is
// either a given list of numbers or the analysis tool's linear congruential generator.
#pragma once

#include "game/plateforme.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tessor {

class PlateformeTest : public Plateforme {
  public:
    std::deque<bool> reponses; // answers to the next questions; No when empty
    std::vector<std::string> questions;
    std::vector<std::string> liens;
    std::deque<float> tirages_imposes; // used first, then the generator
    std::uint32_t etat = 0;
    int tirages = 0;
    int reensemencements = 0;
    int pauses = 0;
    std::int32_t horloge = 43200;
    std::function<void()> pendant_pause;  // run inside each pause of a computer turn
    std::function<void()> avant_question; // run when a question is asked, before its answer

    bool question(const std::string& texte) override {
        questions.push_back(texte);
        if (avant_question) {
            avant_question();
        }
        if (reponses.empty()) {
            return false;
        }
        const bool r = reponses.front();
        reponses.pop_front();
        return r;
    }
    void traite_evenements() override {
        ++pauses;
        if (pendant_pause) {
            pendant_pause();
        }
    }
    void ouvre_lien(const std::string& lien) override { liens.push_back(lien); }
    std::int32_t secondes_depuis_minuit() override { return horloge; }
    float aleatoire() override {
        ++tirages;
        if (!tirages_imposes.empty()) {
            const float r = tirages_imposes.front();
            tirages_imposes.pop_front();
            return r;
        }
        etat = etat * 1664525u + 1013904223u;
        return static_cast<float>(etat >> 8) / 16777216.0f;
    }
    void reensemence(std::int32_t) override { ++reensemencements; }
};

} // namespace tessor
