#include "reprise_texte.h"

#include <cstring>
#include <sstream>

namespace tessor {
namespace {

constexpr char SIGNES[] = "-0+"; // the answers -1, 0 and 1

// The whole numbers of `texte`, separated by blanks; false when anything else stands there (a
// number too large for an int included).
bool lit_nombres(const std::string& texte, std::vector<int>& nombres) {
    std::istringstream lu(texte);
    for (int n = 0; lu >> n;) {
        nombres.push_back(n);
    }
    return lu.eof();
}

bool dans(int n, int bas, int haut) {
    return n >= bas && n <= haut;
}

// "question faits meilleure ...": at least one ply, and a ply has a best value exactly when some
// of its turns are settled.
bool lit_avancee(const std::string& texte, Avancee& a) {
    std::vector<int> n;
    if (!lit_nombres(texte, n) || n.size() < 3 || n.size() % 2 == 0 || n[0] < 0) {
        return false;
    }
    a.question = n[0];
    for (std::size_t i = 1; i + 1 < n.size(); i += 2) {
        const Etape e{n[i], static_cast<std::int8_t>(n[i + 1])};
        if (e.faits < 0 || !dans(n[i + 1], REPONSE_INCONNUE, 1) ||
            (e.faits == 0) != (e.meilleure == REPONSE_INCONNUE)) {
            return false;
        }
        a.chemin.push_back(e);
    }
    return true;
}

} // namespace

std::string texte_reprise(int faits, const Resolution& r) {
    std::ostringstream texte;
    texte << faits << ' ' << static_cast<int>(r.valeur) << ' ' << r.deplacement.x << ' '
          << r.deplacement.y << ' ' << r.mur.x << ' ' << r.mur.y;
    return texte.str();
}

bool lit_reprise(const std::string& texte, Reprise& reprise) {
    std::vector<int> n;
    if (!lit_nombres(texte, n) || n.size() != 6 || n[0] <= 0 || !dans(n[1], -1, 1)) {
        return false;
    }
    for (std::size_t i = 2; i < n.size(); ++i) {
        if (!dans(n[i], 0, TAILLE_TABLEAU - 1)) {
            return false;
        }
    }
    reprise.faits = n[0];
    Resolution& r = reprise.jusque_la;
    r.valeur = static_cast<Verdict>(n[1]);
    r.deplacement = {static_cast<int16>(n[2]), static_cast<int16>(n[3])};
    r.mur = {static_cast<int16>(n[4]), static_cast<int16>(n[5])};
    return true;
}

std::string texte_reponses(const EtatPlacements& etat) {
    std::string texte;
    for (const std::int8_t v : etat.reponses) {
        texte += v == REPONSE_INCONNUE ? '.' : SIGNES[v + 1];
    }
    return texte;
}

std::string texte_en_cours(const EtatPlacements& etat) {
    std::string texte;
    for (const Avancee& a : etat.en_cours) {
        texte += (texte.empty() ? "" : "; ") + std::to_string(a.question);
        for (const Etape& e : a.chemin) {
            texte += ' ' + std::to_string(e.faits) + ' ' + std::to_string(e.meilleure);
        }
    }
    return texte;
}

bool lit_etat(const std::string& reponses, const std::string& en_cours, EtatPlacements& etat) {
    for (const char c : reponses) {
        const char* signe = c == '\0' ? nullptr : std::strchr(SIGNES, c);
        if (c != '.' && signe == nullptr) {
            return false;
        }
        etat.reponses.push_back(c == '.' ? REPONSE_INCONNUE
                                         : static_cast<std::int8_t>(signe - SIGNES - 1));
    }
    std::istringstream questions(en_cours);
    for (std::string question; std::getline(questions, question, ';');) {
        etat.en_cours.emplace_back();
        if (!lit_avancee(question, etat.en_cours.back())) {
            return false;
        }
    }
    return true;
}

} // namespace tessor
