#include "horloge_systeme.h"

#include <QTime>

namespace tessor {

std::int32_t horloge_systeme() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000;
}

} // namespace tessor
