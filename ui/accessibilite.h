// What assistive technologies and the keyboard make of the main window's pictures that act as
// controls or say something: each is seen as a button, a check box or a text, with its French
// name and description set on the picture itself (setAccessibleName, setAccessibleDescription).
// A picture that Tab reaches acts on Space, as a click on it would.
#pragma once

#include <QAccessible>
#include <QObject>

class QWidget;

namespace tessor {

class ImageAccessible : public QObject {
    Q_OBJECT

  public:
    // Becomes the child of `image` and gives it its role, name and description.
    ImageAccessible(QWidget* image, QAccessible::Role role, const QString& nom,
                    const QString& description);

    QAccessible::Role role() const { return role_; }
    bool coche() const { return coche_; }
    // A check box's state, as the window draws it; assistive technologies hear of a change.
    void coche(bool coche);
    // Tab reaches the picture, which then acts on Space.
    void prend_le_focus();

  signals:
    // Space on the picture with the focus, or an assistive technology's press.
    void active();

  protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

  private:
    QWidget* image_;
    QAccessible::Role role_;
    bool coche_ = false;
};

// Makes assistive technologies see the board, the pictures above and the information window's
// links as what they are; once for the program.
void installe_accessibilite();

} // namespace tessor
