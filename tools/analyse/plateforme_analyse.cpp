#include "plateforme_analyse.h"

namespace tessor::analyse {

bool PlateformeAnalyse::question(const std::string& texte) {
    return repondeur && repondeur(texte);
}

float PlateformeAnalyse::aleatoire() {
    ++tirages_;
    etat_ = etat_ * 1664525u + 1013904223u;
    return static_cast<float>(etat_ >> 8) / 16777216.0f;
}

} // namespace tessor::analyse
