#include "parallele.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <thread>
#include <vector>

namespace tessor::analyse {

int fils_demandes(Lecteur& lecteur) {
    const int machine = static_cast<int>(std::thread::hardware_concurrency());
    return lecteur.entier_ou(QStringLiteral("fils"), 1, FILS_MAX, std::clamp(machine, 1, FILS_MAX));
}

Progres::Progres(const char* requete, long long total)
    : requete_(requete), total_(total), debut_(std::chrono::steady_clock::now()),
      prochaine_(debut_ + DELAI) {}

void Progres::avance() {
    const long long faites = ++faites_;
    const auto maintenant = std::chrono::steady_clock::now();
    const std::lock_guard<std::mutex> verrou(ecriture_);
    if (maintenant < prochaine_) {
        return;
    }
    prochaine_ = maintenant + PERIODE;
    const auto secondes =
        std::chrono::duration_cast<std::chrono::seconds>(maintenant - debut_).count();
    std::cerr << "tessor-analyse : " << requete_ << " : " << faites << " / " << total_
              << " parties (" << secondes << " s)" << std::endl;
}

// An item that throws stops the others from taking new items, and the first exception is thrown
// again in the calling thread once all have stopped (an exception may not leave a thread).
void en_parallele(int n, int fils, const std::function<void(int)>& travail) {
    std::atomic<int> suivant{0};
    std::exception_ptr echec;
    std::mutex garde;
    const auto boucle = [&] {
        for (int i = suivant++; i < n; i = suivant++) {
            try {
                travail(i);
            } catch (...) {
                const std::lock_guard<std::mutex> verrou(garde);
                echec = echec ? echec : std::current_exception();
                suivant = n;
            }
        }
    };
    std::vector<std::thread> aides;
    for (int k = 1; k < std::min(fils, n); ++k) {
        aides.emplace_back(boucle);
    }
    boucle();
    for (std::thread& t : aides) {
        t.join();
    }
    if (echec) {
        std::rethrow_exception(echec);
    }
}

} // namespace tessor::analyse
