// A platform for tests: scripted Yes/No answers, the links opened, hooks in the pauses of a
// computer turn and before each question, and the analysis tool's random stream, whose first
// numbers a test may impose.
#pragma once

#include "plateforme_analyse.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tessor {

class PlateformeTest : public analyse::PlateformeAnalyse {
  public:
    explicit PlateformeTest(std::uint32_t graine = 0) : PlateformeAnalyse(graine) {
        repondeur = [this](const std::string& texte) { return repond(texte); };
    }

    std::deque<bool> reponses; // answers to the next questions; No when empty
    std::vector<std::string> questions;
    std::vector<std::string> liens;    // the links handed to the desktop
    std::deque<float> tirages_imposes; // drawn first, then the stream
    int tirages = 0;
    std::function<void()> pendant_pause;  // run inside each pause of a computer turn
    std::function<void()> avant_question; // run when a question opens, before its answer

    void traite_evenements() override {
        if (pendant_pause) {
            pendant_pause();
        }
    }
    void ouvre_lien(const std::string& lien) override { liens.push_back(lien); }
    float aleatoire() override {
        ++tirages;
        if (tirages_imposes.empty()) {
            return PlateformeAnalyse::aleatoire();
        }
        const float r = tirages_imposes.front();
        tirages_imposes.pop_front();
        return r;
    }

  private:
    bool repond(const std::string& texte) {
        questions.push_back(texte);
        if (avant_question) {
            avant_question();
        }
        const bool oui = !reponses.empty() && reponses.front();
        if (!reponses.empty()) {
            reponses.pop_front();
        }
        return oui;
    }
};

} // namespace tessor
