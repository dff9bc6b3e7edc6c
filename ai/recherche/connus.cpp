#include "connus.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <new>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessor {

namespace {
// A form's key has w = cases + 18 bits: the reachable free squares, then the number of the
// others and the two pawns, 6 bits each. A bijection of the w-bit keys spreads them; its low bits
// number the bucket and the word keeps the rest, so the bucket and the word give the key back
// and two forms never share an entry.
//
// The word: the rest of the key (at most 41 bits), a bit that marks the entry as used, bas + 1
// and haut + 1 (2 bits each), the turn's two squares and the entry's work (6 bits each).
constexpr int BITS_RESTE = 41;
constexpr std::uint64_t PRESENT = std::uint64_t{1} << BITS_RESTE;
constexpr std::uint64_t MASQUE_CLE = (PRESENT << 1) - 1;
constexpr int BITS_CHAMP = 6;

// Each step (a shift folded in, a product by an odd number) can be undone on w bits.
std::uint64_t melange(std::uint64_t x, int w) {
    const std::uint64_t masque = (std::uint64_t{1} << w) - 1;
    const int d = w / 2;
    x ^= x >> d;
    x = x * 0x9E3779B97F4A7C15u & masque;
    x ^= x >> d;
    x = x * 0xC2B2AE3D27D4EB4Fu & masque;
    return x ^ x >> d;
}

std::uint64_t mot(std::uint64_t reste, const Connu& c, int travail) {
    const auto place = [](int v, int rang) {
        return static_cast<std::uint64_t>(v) << (BITS_RESTE + 1 + rang);
    };
    return reste | PRESENT | place(c.bas + 1, 0) | place(c.haut + 1, 2) | place(c.coup, 4) |
           place(c.mur, 4 + BITS_CHAMP) | place(travail, 4 + 2 * BITS_CHAMP);
}

// The field of `bits` bits at `rang` above the key's rest and the used bit.
int champ(std::uint64_t m, int rang, int bits) {
    return static_cast<int>(m >> (BITS_RESTE + 1 + rang) & ((1u << bits) - 1));
}

Connu connu(std::uint64_t m) {
    return {champ(m, 0, 2) - 1, champ(m, 2, 2) - 1, champ(m, 4, BITS_CHAMP),
            champ(m, 4 + BITS_CHAMP, BITS_CHAMP)};
}

// The work behind a stored form; none for an empty slot.
int travail(std::uint64_t m) {
    return champ(m, 4 + 2 * BITS_CHAMP, BITS_CHAMP);
}

// The word is in use and holds the form whose key ends with `reste`.
bool tient(std::uint64_t m, std::uint64_t reste) {
    return (m & MASQUE_CLE) == (reste | PRESENT);
}

std::uint64_t lit(const std::uint64_t* p) {
    return __atomic_load_n(p, __ATOMIC_RELAXED);
}

void ecrit(std::uint64_t* p, std::uint64_t m) {
    __atomic_store_n(p, m, __ATOMIC_RELAXED);
}

// Asks the system to back the table with pages of 2 MiB. Each look-up reads a random line of a
// table of up to 1 GiB: with pages of 4 KiB nearly every one also misses the processor's address
// cache, and filling the table takes a page fault every 4 KiB. The advice covers the whole pages
// inside the block; if the system declines it, the table keeps the usual pages.
void demande_grandes_pages(std::uintptr_t adresse, std::size_t octets) {
    const std::uintptr_t page = 4096;
    const std::uintptr_t debut = (adresse + page - 1) / page * page;
    const std::uintptr_t fin = (adresse + octets) / page * page;
    if (fin > debut) {
        madvise(reinterpret_cast<void*>(debut), fin - debut, MADV_HUGEPAGE);
    }
}

// What a table kept in a file begins with, on a line of its own before the buckets: a mark, the
// board's fingerprint, the squares of a form and the buckets' bits.
using Entete = std::array<std::uint64_t, 4>;
constexpr std::uint64_t MARQUE_FICHIER = 0x5445535345555201; // "TESSEUR" and a version

[[noreturn]] void echec(const std::string& fichier) {
    throw std::system_error(errno, std::generic_category(), fichier);
}

// Closes `fd` after a failed call on it and throws that call's error, which close may not change.
[[noreturn]] void echec_et_ferme(int fd, const std::string& fichier) {
    const int erreur = errno;
    ::close(fd);
    errno = erreur;
    echec(fichier);
}

// Opens the file with `octets` bytes that begin with `entete`: as it is when it already holds
// them, else emptied, sized and marked; returns its descriptor.
int ouvre_table(const std::string& fichier, const Entete& entete, std::size_t octets) {
    const int fd = ::open(fichier.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        echec(fichier);
    }
    Entete lu{};
    struct stat etat {};
    if (::fstat(fd, &etat) == 0 && static_cast<std::size_t>(etat.st_size) == octets &&
        ::pread(fd, lu.data(), sizeof lu, 0) == static_cast<ssize_t>(sizeof lu) && lu == entete) {
        return fd;
    }
    // Reserving the whole file now keeps a full file system from failing a write of the search.
    if (::ftruncate(fd, 0) != 0 || (errno = ::posix_fallocate(fd, 0, octets)) != 0 ||
        ::pwrite(fd, entete.data(), sizeof entete, 0) != static_cast<ssize_t>(sizeof entete)) {
        echec_et_ferme(fd, fichier);
    }
    return fd;
}
} // namespace

void Connus::Libere::operator()(std::uint64_t* p) const {
    if (projetes != 0) {
        ::munmap(p, projetes);
    } else {
        std::free(p);
    }
}

int Connus::bits_des_seaux(int bits, int cases) {
    return std::max(bits - BITS_HUIT, cases + 3 * BITS_CHAMP - BITS_RESTE);
}

Connus::Connus(int bits, int cases, Remplacement remplacement)
    : cases_(cases), remplacement_(remplacement), bits_seaux_(bits_des_seaux(bits, cases)),
      memoire_(static_cast<std::uint64_t*>(std::calloc(nb_mots() + LIGNE / 8, 8))) {
    if (!memoire_) {
        throw std::bad_alloc();
    }
    const auto adresse = reinterpret_cast<std::uintptr_t>(memoire_.get());
    mots_ = memoire_.get() + (LIGNE - adresse % LIGNE) % LIGNE / 8;
    demande_grandes_pages(adresse, nb_mots() * 8);
}

Connus::Connus(int bits, int cases, Remplacement remplacement, const std::string& fichier,
               std::uint64_t empreinte)
    : cases_(cases), remplacement_(remplacement), bits_seaux_(bits_des_seaux(bits, cases)) {
    const std::size_t octets = (nb_mots() + LIGNE / 8) * 8;
    const Entete entete{MARQUE_FICHIER, empreinte, static_cast<std::uint64_t>(cases),
                        static_cast<std::uint64_t>(bits_seaux_)};
    const int fd = ouvre_table(fichier, entete, octets);
    void* p = ::mmap(nullptr, octets, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (p == MAP_FAILED) {
        echec_et_ferme(fd, fichier);
    }
    ::close(fd);
    memoire_ = decltype(memoire_)(static_cast<std::uint64_t*>(p), Libere{octets});
    mots_ = memoire_.get() + LIGNE / 8;
    demande_grandes_pages(reinterpret_cast<std::uintptr_t>(p), octets);
}

std::uint64_t* Connus::seau(const Forme& forme, std::uint64_t& reste) const {
    const std::uint64_t cle = forme.vivants | static_cast<std::uint64_t>(forme.morts) << cases_ |
                              static_cast<std::uint64_t>(forme.moi) << (cases_ + BITS_CHAMP) |
                              static_cast<std::uint64_t>(forme.lui) << (cases_ + 2 * BITS_CHAMP);
    const std::uint64_t x = melange(cle, cases_ + 3 * BITS_CHAMP);
    reste = x >> bits_seaux_;
    return &mots_[(x & ((std::uint64_t{1} << bits_seaux_) - 1)) * HUIT];
}

bool Connus::cherche(const Forme& forme, Connu& c) const {
    std::uint64_t reste = 0;
    const std::uint64_t* s = seau(forme, reste);
    for (int i = 0; i < HUIT; ++i) {
        const std::uint64_t m = lit(&s[i]);
        if (tient(m, reste)) {
            c = connu(m);
            return true;
        }
    }
    return false;
}

// The form's free squares, or the bit length of its nodes (under 38 bits for a day of search).
int Connus::mesure(const Forme& forme, std::uint64_t noeuds) const {
    return remplacement_ == Remplacement::par_libres ? libres(forme)
                                                     : 64 - __builtin_clzll(noeuds | 1);
}

void Connus::range(const Forme& forme, const Connu& c, std::uint64_t noeuds) {
    std::uint64_t reste = 0;
    std::uint64_t* s = seau(forme, reste);
    int cible = 0;
    for (int i = 0; i < HUIT; ++i) {
        const std::uint64_t m = lit(&s[i]);
        if (tient(m, reste)) {
            cible = i;
            break;
        }
        if (travail(m) < travail(lit(&s[cible]))) {
            cible = i;
        }
    }
    ecrit(&s[cible], mot(reste, c, mesure(forme, noeuds)));
}

int libres(const Forme& forme) {
    return __builtin_popcountll(forme.vivants) + forme.morts;
}

Tables::Tables(Connus grande, std::optional<Connus> petite, int seuil)
    : grande_(std::move(grande)), petite_(std::move(petite)), seuil_(seuil) {}

} // namespace tessor
