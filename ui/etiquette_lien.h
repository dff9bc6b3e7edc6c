// A label of the information window that shows a web or e-mail address and opens it when the
// player clicks it with the left button. Assistive technologies see it as a link that says where
// it leads.
#pragma once

#include <QLabel>
#include <QString>

namespace tessor {

class EtiquetteLien : public QLabel {
    Q_OBJECT

  public:
    // Shows `texte`; a click reports `adresse` (for an e-mail, its "mailto:" link).
    EtiquetteLien(const QString& texte, const QString& adresse, QWidget* parent);

    const QString& adresse() const { return adresse_; }

  signals:
    void clique(const QString& adresse);

  protected:
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

  private:
    QString adresse_;
    bool enfoncee_ = false;
};

} // namespace tessor
