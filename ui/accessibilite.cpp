#include "accessibilite.h"

#include "damier.h"
#include "etiquette_lien.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace tessor {

namespace {

// A picture seen as its role; a button or check box also takes an assistive technology's press.
class AccessibleImage : public QAccessibleWidget {
  public:
    AccessibleImage(QWidget* image, ImageAccessible* acces)
        : QAccessibleWidget(image, acces->role()), acces_(acces) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::CheckBox) {
            s.checkable = true;
            s.checked = acces_ && acces_->coche();
        }
        return s;
    }
    QStringList actionNames() const override {
        QStringList noms = QAccessibleWidget::actionNames();
        if (role() == QAccessible::CheckBox) {
            noms << toggleAction();
        } else if (role() == QAccessible::Button) {
            noms << pressAction();
        }
        return noms;
    }
    void doAction(const QString& action) override {
        if (action != toggleAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (acces_) {
            emit acces_->active();
        }
    }

  private:
    QPointer<ImageAccessible> acces_;
};

QAccessibleInterface* fabrique(const QString&, QObject* objet) {
    auto* widget = qobject_cast<QWidget*>(objet);
    if (widget == nullptr) {
        return nullptr;
    }
    if (auto* damier = qobject_cast<Damier*>(widget)) {
        return accessible_damier(damier);
    }
    if (qobject_cast<EtiquetteLien*>(widget) != nullptr) {
        return new QAccessibleWidget(widget, QAccessible::Link);
    }
    auto* acces = widget->findChild<ImageAccessible*>(QString(), Qt::FindDirectChildrenOnly);
    return acces != nullptr ? new AccessibleImage(widget, acces) : nullptr;
}

} // namespace

ImageAccessible::ImageAccessible(QWidget* image, QAccessible::Role role, const QString& nom,
                                 const QString& description)
    : QObject(image), image_(image), role_(role) {
    installe_accessibilite();
    image->setAccessibleName(nom);
    image->setAccessibleDescription(description);
}

void ImageAccessible::coche(bool coche) {
    if (coche == coche_) {
        return;
    }
    coche_ = coche;
    QAccessible::State change;
    change.checked = true;
    QAccessibleStateChangeEvent evenement(image_, change);
    QAccessible::updateAccessibility(&evenement);
}

void ImageAccessible::prend_le_focus() {
    image_->setFocusPolicy(Qt::TabFocus);
    image_->installEventFilter(this);
}

bool ImageAccessible::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* touche = static_cast<QKeyEvent*>(event);
    if (touche->key() != Qt::Key_Space || touche->isAutoRepeat()) {
        return false;
    }
    emit active();
    return true;
}

void installe_accessibilite() {
    static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    Q_UNUSED(installee);
}

} // namespace tessor
