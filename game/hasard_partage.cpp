#include "hasard_partage.h"

#include <utility>

namespace tessor {

HasardPartage::HasardPartage(Horloge horloge) : horloge_(std::move(horloge)) {
    reensemence();
}

float HasardPartage::aleatoire() {
    const std::lock_guard<std::mutex> garde(verrou_);
    return hasard_.tirage();
}

void HasardPartage::reensemence() {
    const std::int32_t secondes = horloge_();
    const std::lock_guard<std::mutex> garde(verrou_);
    hasard_.reensemence(secondes);
}

} // namespace tessor
