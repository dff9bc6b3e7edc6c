#include "situation.h"

namespace tessor::analyse {

bool a_case_libre(const Situation& situation) {
    for (int x = 3; x <= situation.regles.largeur + 2; ++x) {
        for (int y = 3; y <= situation.regles.hauteur + 2; ++y) {
            if (situation.tableau.libre(x, y)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace tessor::analyse
