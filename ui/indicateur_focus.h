// The focus indicator of the main window: a two-tone ring drawn around the control that the
// keyboard has reached (Tab, Shift+Tab), over whatever lies beneath. It shows only while the
// focus is the keyboard's, the way the desktop marks it: a click, or the focus a window gives
// its first control when it opens, draws nothing, so the window looks the same as without it.
#pragma once

#include <QPointer>
#include <QWidget>

namespace tessor {

class IndicateurFocus : public QWidget {
  public:
    // Becomes the topmost child of `fenetre` and follows the focus among its controls.
    explicit IndicateurFocus(QWidget* fenetre);

    // Width of the ring around the control, in pixels.
    static constexpr int EPAISSEUR = 3;

  protected:
    void paintEvent(QPaintEvent* event) override;
    // A press of a mouse button in the window hands the focus back to the pointer.
    bool eventFilter(QObject* objet, QEvent* event) override;

  private:
    void suit(QWidget* controle);

    QPointer<QWidget> controle_;
};

} // namespace tessor
