#include "historique.h"

#include <algorithm>

namespace tessor {

void Historique::note(const Action& action) {
    retirees_.clear();
    jouees_.push_back(action);
}

void Historique::retire(std::size_t n) {
    for (n = std::min(n, jouees_.size()); n > 0; --n) {
        retirees_.push_back(jouees_.back());
        jouees_.pop_back();
    }
}

const Action& Historique::remet() {
    jouees_.push_back(retirees_.back());
    retirees_.pop_back();
    return jouees_.back();
}

} // namespace tessor
