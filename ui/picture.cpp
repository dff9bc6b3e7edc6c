#include "picture.h"

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

void Picture::paintEvent(QPaintEvent*) {
    if (!pixmap_.isNull()) {
        QPainter(this).drawPixmap(0, 0, pixmap_);
    }
}

} // namespace tessor
