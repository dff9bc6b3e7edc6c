#include "pixmaps.h"

#include "polices.h"

#include <QGuiApplication>

namespace tessor {

QPixmap charge_pixmap(Image image) {
    const QString nom = QString::fromLatin1(nom_image(image));
    if (qGuiApp->devicePixelRatio() <= 1.0) {
        return QPixmap(QStringLiteral(":/images/%1.png").arg(nom));
    }
    QPixmap pixmap(QStringLiteral(":/images/%1@2x.png").arg(nom));
    pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}

Pixmaps::Pixmaps() {
    initialise_ressources();
}

const QPixmap& Pixmaps::operator[](Image image) {
    QPixmap& p = cache_[static_cast<std::size_t>(image)];
    if (p.isNull() && image != Image::aucune) {
        p = charge_pixmap(image);
    }
    return p;
}

} // namespace tessor
