// What the screen model asks of the window around it: a scheduler for the computer's pauses and
// decisions, and the dialogs.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tessor {

class Ordonnanceur {
  public:
    virtual ~Ordonnanceur() = default;

    // Calls `suite` once `ms` milliseconds have passed, on the caller's thread.
    virtual void attend(int ms, std::function<void()> suite) = 0;
    // Runs `travail` away from the window's thread where there is one, then `suite` on the
    // caller's thread. Returns the work's stop flag, which `travail` is given: once it is
    // raised the work should end soon, and a work not started yet need not run at all.
    virtual std::shared_ptr<std::atomic<bool>>
    calcule(std::function<void(const std::atomic<bool>& arret)> travail,
            std::function<void()> suite) = 0;
};

class Dialogues {
  public:
    virtual ~Dialogues() = default;

    // Where a question's box stands: over the middle of the window, or beside the board, where
    // it hides none of the final position.
    enum class Place : std::uint8_t { centre, a_cote_du_plateau };
    // Asks a Yes/No question titled "Tessor", modal to the window, and hands the answer (true
    // for Yes) to `reponse` once given. Nothing else of the window acts meanwhile.
    virtual void question(const std::string& texte, std::function<void(bool)> reponse,
                          Place place) = 0;
    // Tells the player something, in a box with one button, modal to the window.
    virtual void avertit(const std::string& texte) = 0;
    // Hands a web address or a "mailto:" link to the desktop; failures are silent.
    virtual void ouvre_lien(const std::string& lien) = 0;
};

} // namespace tessor
