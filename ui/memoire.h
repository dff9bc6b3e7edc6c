// The settings a launch remembers, in the desktop's usual place for them. A value missing or out
// of its limits (an edited or damaged file) reads as the original setting.
#pragma once

#include "ecran/options.h"

class QSettings;

namespace tessor {

Reglages lit_reglages(const QSettings& memoire);
void ecrit_reglages(QSettings& memoire, const Reglages& reglages);

} // namespace tessor
