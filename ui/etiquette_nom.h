// The name of the player on turn, on the game panel: wrapped within the field like every label,
// and since a name is often a single word, broken anywhere when it is wider than the field.
#pragma once

#include <QLabel>

namespace tessor {

class EtiquetteNom : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    // A name that fits is drawn as any label draws it; a wider one on as many lines as it
    // needs, in the largest size, down to half the label's own, whose lines fit the field.
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessor
