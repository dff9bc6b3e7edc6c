// A bevelled 3-D panel: a flat face framed by a raised outer bevel and a sunken inner one, with an
// optional caption centred at the top.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace tessor {

class PanneauRelief : public QWidget {
  public:
    PanneauRelief(QWidget* parent, const QRect& r, const QColor& face);

    void setCaption(const QString& caption, const QFont& police, const QColor& couleur);
    const QString& caption() const { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor face_;
    QString caption_;
    QColor couleur_caption_;
};

} // namespace tessor
