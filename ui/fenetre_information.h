// The information window: four pages (how to play, free distribution, the maker's other games,
// about) chosen by four buttons, links that open the maker's web site or an e-mail to the maker,
// and "Retour au jeu". It is created once and keeps its last page between openings.
#pragma once

#include "ecran/services.h"

#include <QDialog>
#include <QString>

#include <array>

class QFrame;

namespace tessor {

class FenetreInformation : public QDialog {
    Q_OBJECT

  public:
    FenetreInformation(Dialogues& dialogues, QWidget* parent);

    // Shows the window, modal to its parent, and returns at once: on the about page the first
    // time, on the page last shown afterwards.
    void ouvre();

    // Closing through the title bar or with Escape acts as "Retour au jeu": the window is only
    // hidden and keeps its page, so every way out behaves alike.
    void reject() override;

  private:
    static constexpr int NB_PAGES = 4;

    void cree_boutons();
    void cree_pages();
    void premiere_ouverture();
    // The page buttons: show page `numero` (1 to 4) and hides the other three.
    void montre_page(int numero);
    void retour_au_jeu();
    void ouvre_lien(const QString& lien);

    Dialogues& dialogues_;
    std::array<QFrame*, NB_PAGES> pages_{};
    bool chargee_ = false;
};

} // namespace tessor
