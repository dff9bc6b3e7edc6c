// The questions as message boxes modal to the main window, opened without a loop of their own,
// and the links handed to the desktop.
#pragma once

#include "ecran/services.h"

#include <functional>

class QWidget;

namespace tessor {

class DialoguesQt final : public Dialogues {
  public:
    // `synchronise` copies the window model onto the widgets of `fenetre`: before a question
    // shows, and after its answer has acted.
    DialoguesQt(QWidget& fenetre, std::function<void()> synchronise)
        : fenetre_(fenetre), synchronise_(std::move(synchronise)) {}

    void question(const std::string& texte, std::function<void(bool)> reponse) override;
    void ouvre_lien(const std::string& lien) override;

  private:
    QWidget& fenetre_;
    std::function<void()> synchronise_;
};

} // namespace tessor
