#include "connus.h"

#include <new>

namespace tessor {

namespace {
// The word's fields: the form in bits 0 to 46 (libres 37 bits, then the two pawns, 5 bits
// each), then bas + 1 and haut + 1 (2 bits each), then the turn's two squares (6 bits each). A
// form always has two different pawns, so no form is the word 0, the empty slot.
constexpr int BITS_LIBRES = 37;
constexpr std::uint64_t MASQUE_FORME = (std::uint64_t{1} << 47) - 1;

std::uint64_t cle(const Forme& f) {
    return f.libres | static_cast<std::uint64_t>(f.moi) << BITS_LIBRES |
           static_cast<std::uint64_t>(f.lui) << (BITS_LIBRES + 5);
}

std::uint64_t mot(const Forme& f, const Connu& c) {
    return cle(f) | static_cast<std::uint64_t>(c.bas + 1) << 47 |
           static_cast<std::uint64_t>(c.haut + 1) << 49 | static_cast<std::uint64_t>(c.coup) << 51 |
           static_cast<std::uint64_t>(c.mur) << 57;
}

Connu connu(std::uint64_t m) {
    return {static_cast<int>(m >> 47 & 3) - 1, static_cast<int>(m >> 49 & 3) - 1,
            static_cast<int>(m >> 51 & 63), static_cast<int>(m >> 57 & 63)};
}

// The free squares of a stored form, those no pawn reaches included.
int travail(std::uint64_t m) {
    return __builtin_popcountll(m & 0xFFFFFFFFu) + static_cast<int>(m >> 32 & 31);
}

std::uint64_t lit(const std::uint64_t* p) {
    return __atomic_load_n(p, __ATOMIC_RELAXED);
}

void ecrit(std::uint64_t* p, std::uint64_t m) {
    __atomic_store_n(p, m, __ATOMIC_RELAXED);
}
} // namespace

Connus::Connus(int bits)
    : masque_seaux_((std::uint64_t{1} << bits) / QUATRE - 1),
      memoire_(static_cast<std::uint64_t*>(std::calloc((std::size_t{1} << bits) + LIGNE / 8, 8))) {
    if (!memoire_) {
        throw std::bad_alloc();
    }
    const auto adresse = reinterpret_cast<std::uintptr_t>(memoire_.get());
    mots_ = memoire_.get() + (LIGNE - adresse % LIGNE) % LIGNE / 8;
}

std::uint64_t* Connus::seau(const Forme& forme) const {
    std::uint64_t h = forme.libres * 0x9E3779B97F4A7C15u;
    h ^= static_cast<std::uint64_t>(forme.moi * 64 + forme.lui) * 0xC2B2AE3D27D4EB4Fu;
    h ^= h >> 29;
    return &mots_[(h & masque_seaux_) * QUATRE];
}

bool Connus::cherche(const Forme& forme, Connu& c) const {
    const std::uint64_t k = cle(forme);
    const std::uint64_t* s = seau(forme);
    for (int i = 0; i < QUATRE; ++i) {
        const std::uint64_t m = lit(&s[i]);
        if ((m & MASQUE_FORME) == k) {
            c = connu(m);
            return true;
        }
    }
    return false;
}

void Connus::range(const Forme& forme, const Connu& c) {
    const std::uint64_t k = cle(forme);
    std::uint64_t* s = seau(forme);
    int cible = 0;
    for (int i = 0; i < QUATRE; ++i) {
        const std::uint64_t m = lit(&s[i]);
        if ((m & MASQUE_FORME) == k) {
            cible = i;
            break;
        }
        if (travail(m) < travail(lit(&s[cible]))) {
            cible = i;
        }
    }
    ecrit(&s[cible], mot(forme, c));
}

} // namespace tessor
