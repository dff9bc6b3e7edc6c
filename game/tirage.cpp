#include "tirage.h"

#include "arrondi.h"

namespace tessor {

void tirage_case_libre(const Regles& regles, Alea& alea, Case& position, const Tableau& tableau) {
    alea.reensemence();
    if (!regles.a_case_libre(tableau)) {
        return;
    }
    for (;;) {
        const float r1 = alea.aleatoire();
        const float r2 = alea.aleatoire();
        const float premiere = PREMIERE_CASE;
        const Case c{
            static_cast<int16>(arrondi_pair(premiere + r1 * static_cast<float>(regles.largeur))),
            static_cast<int16>(arrondi_pair(premiere + r2 * static_cast<float>(regles.hauteur)))};
        if (tableau.libre(c)) {
            position = c;
            return;
        }
    }
}

} // namespace tessor
