#include "alea_analyse.h"

namespace tessor::analyse {

float AleaAnalyse::aleatoire() {
    ++tirages_;
    etat_ = etat_ * 1664525u + 1013904223u;
    return static_cast<float>(etat_ >> 8) / 16777216.0f;
}

} // namespace tessor::analyse
