#include "pixmaps.h"

#include "polices.h"

namespace tessor {

Pixmaps::Pixmaps() {
    initialise_ressources();
}

const QPixmap& Pixmaps::operator[](Image image) {
    QPixmap& p = cache_[static_cast<std::size_t>(image)];
    if (p.isNull() && image != Image::aucune) {
        p.load(QStringLiteral(":/images/%1.png").arg(QLatin1String(nom_image(image))));
    }
    return p;
}

} // namespace tessor
