#include "entree.h"

#include <algorithm>

namespace tessor::analyse {

bool lit_ligne(std::istream& entree, std::string& ligne) {
    ligne.clear();
    std::streambuf& tampon = *entree.rdbuf();
    bool lu = false;
    for (;;) {
        const auto c = tampon.sbumpc();
        if (c == std::char_traits<char>::eof()) {
            return lu;
        }
        lu = true;
        if (c == '\n') {
            return true;
        }
        if (ligne.size() <= LONGUEUR_MAX) {
            ligne.push_back(static_cast<char>(c));
        }
    }
}

bool est_vide(const std::string& ligne) {
    return std::all_of(ligne.begin(), ligne.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

} // namespace tessor::analyse
