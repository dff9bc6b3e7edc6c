// A picture box: shows its pixmap at its top-left corner, clipped to its own size, and keeps that
// look when disabled (a disabled button of the game panel looks the same, it only refuses clicks).
// The window's focus indicator marks a picture that the keyboard reaches.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace tessor {

class CadreImage : public QWidget {
  public:
    explicit CadreImage(QWidget* parent);

    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap pixmap_;
};

} // namespace tessor
