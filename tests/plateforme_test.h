// The services of the window for tests: scripted Yes/No answers, given at once, the links opened, a
// hook before each question, the analysis tool's random stream, whose first numbers a test may
// impose, and a clock that stands still until the test steps it: with `pas_a_pas` set, the pauses
// of the computer's turns wait in a queue; otherwise they last no time at all.
#pragma once

#include "alea_analyse.h"
#include "ecran/services.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tessor {

class PlateformeTest : public analyse::AleaAnalyse, public Ordonnanceur, public Dialogues {
  public:
    explicit PlateformeTest(std::uint32_t graine = 0) : AleaAnalyse(graine) {}

    std::deque<bool> reponses; // answers to the next questions; No when empty
    std::vector<std::string> questions;
    std::vector<std::string> liens;    // the links handed to the desktop
    std::deque<float> tirages_imposes; // drawn first, then the stream
    int tirages = 0;
    std::function<void()> avant_question; // run when a question opens, before its answer
    bool pas_a_pas = false;
    std::deque<std::pair<int, std::function<void()>>> pauses; // queued while pas_a_pas

    void attend(int ms, std::function<void()> suite) override {
        if (pas_a_pas) {
            pauses.emplace_back(ms, std::move(suite));
        } else {
            suite();
        }
    }
    // Lets the oldest pause end; its length, or -1 when none waits.
    int avance() {
        if (pauses.empty()) {
            return -1;
        }
        auto [ms, suite] = std::move(pauses.front());
        pauses.pop_front();
        suite();
        return ms;
    }
    void ouvre_lien(const std::string& lien) override { liens.push_back(lien); }
    float aleatoire() override {
        ++tirages;
        if (tirages_imposes.empty()) {
            return AleaAnalyse::aleatoire();
        }
        const float r = tirages_imposes.front();
        tirages_imposes.pop_front();
        return r;
    }

    // Decisions run at once, in order; their stop flags are kept, first to last.
    std::vector<std::shared_ptr<std::atomic<bool>>> arrets;
    std::shared_ptr<std::atomic<bool>>
    calcule(std::function<void(const std::atomic<bool>&)> travail,
            std::function<void()> suite) override {
        arrets.push_back(std::make_shared<std::atomic<bool>>(false));
        travail(*arrets.back());
        suite();
        return arrets.back();
    }
    bool en_suspens = false; // a question stays open, its answer in `reponse_en_suspens`
    std::function<void(bool)> reponse_en_suspens;
    std::vector<std::string> avertissements;
    void avertit(const std::string& texte) override { avertissements.push_back(texte); }
    void question(const std::string& texte, std::function<void(bool)> reponse, Place) override {
        questions.push_back(texte);
        if (en_suspens) {
            reponse_en_suspens = std::move(reponse);
            return;
        }
        if (avant_question) {
            avant_question();
        }
        const bool oui = !reponses.empty() && reponses.front();
        if (!reponses.empty()) {
            reponses.pop_front();
        }
        reponse(oui);
    }
};

} // namespace tessor
