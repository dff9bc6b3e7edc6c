#include "cadre_image.h"

#include <QPainter>

namespace tessor {

CadreImage::CadreImage(QWidget* parent) : QWidget(parent) {}

void CadreImage::setPixmap(const QPixmap& pixmap) {
    if (pixmap.cacheKey() == pixmap_.cacheKey()) {
        return;
    }
    pixmap_ = pixmap;
    update();
}

void CadreImage::paintEvent(QPaintEvent*) {
    if (!pixmap_.isNull()) {
        QPainter(this).drawPixmap(0, 0, pixmap_);
    }
}

} // namespace tessor
