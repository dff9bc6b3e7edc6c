#include "etiquette_nom.h"

#include <QPainter>

namespace tessor {

void EtiquetteNom::paintEvent(QPaintEvent* event) {
    if (fontMetrics().horizontalAdvance(text()) <= width()) {
        QLabel::paintEvent(event);
        return;
    }
    const int drapeaux = static_cast<int>(alignment()) | Qt::TextWrapAnywhere;
    QFont police = font();
    const qreal minimum = police.pointSizeF() / 2;
    while (police.pointSizeF() > minimum &&
           QFontMetrics(police).boundingRect(rect(), drapeaux, text()).height() > height()) {
        police.setPointSizeF(police.pointSizeF() - 0.5);
    }
    QPainter peintre(this);
    peintre.setFont(police);
    peintre.setPen(palette().color(QPalette::WindowText));
    peintre.drawText(rect(), drapeaux, text());
}

} // namespace tessor
