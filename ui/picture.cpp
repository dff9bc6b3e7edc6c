#include "picture.h"

#include "controles.h"

#include <QPainter>

namespace tessor {

Picture::Picture(QWidget* parent) : QWidget(parent) {}

void Picture::setPixmap(const QPixmap& pixmap) {
    if (pixmap.cacheKey() == pixmap_.cacheKey()) {
        return;
    }
    pixmap_ = pixmap;
    update();
}

// A picture that acts as a control and has the keyboard focus shows a frame over its edge.
void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!pixmap_.isNull()) {
        painter.drawPixmap(0, 0, pixmap_);
    }
    if (hasFocus()) {
        painter.setPen(QPen(BLEU_CLAVIER, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

} // namespace tessor
