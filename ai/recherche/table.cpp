#include "table.h"

namespace tessor {

namespace {
// splitmix64's finaliser: distinct inputs give well spread, unrelated keys.
std::uint64_t melange(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15u;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return x ^ (x >> 31);
}
} // namespace

std::uint64_t cle_libre(Indice i) {
    return melange(static_cast<std::uint64_t>(i) * 3);
}

std::uint64_t cle_pions(Indice moi, Indice lui) {
    return melange(static_cast<std::uint64_t>(moi) * 3 + 1) ^
           melange(static_cast<std::uint64_t>(lui) * 3 + 2);
}

std::uint64_t cle(const Position& p) {
    std::uint64_t c = cle_pions(p.moi, p.lui);
    Bits f = p.libres;
    while (!f.vide()) {
        c ^= cle_libre(f.extrait());
    }
    return c;
}

} // namespace tessor
