#include "hasard.h"

#include <ctime>
#include <utility>

namespace tessor {

std::int32_t horloge_systeme() {
    const std::time_t maintenant = std::time(nullptr);
    std::tm local{};
    localtime_r(&maintenant, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

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
