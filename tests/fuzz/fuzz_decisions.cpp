// Fuzzing the rules and the computer's decisions on arbitrary boards: any board, any pawn
// squares, any depth and level, any random stream. Every decision must end and land on a free
// square: a legal move, a free wall square (or the random fallback's -1e31 when the opponent
// cannot move), a free starting square.
#include "ai/ordinateur.h"
#include "alea_analyse.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tessor;

namespace {
// Reads the fuzzer's bytes one at a time; zeros once they run out.
struct Lecteur {
    const std::uint8_t* donnees;
    std::size_t taille;
    std::size_t pos = 0;
    int octet() { return pos < taille ? donnees[pos++] : 0; }
    int entre(int min, int max) { return min + octet() % (max - min + 1); }
};

#define verifie(c) ((c) ? void() : (std::fprintf(stderr, "check failed: %s\n", #c), std::abort()))

bool sur_plateau(const Regles& r, Case c) {
    return c.x >= 3 && c.x <= r.largeur + 2 && c.y >= 3 && c.y <= r.hauteur + 2;
}

Case case_au_hasard(const Regles& r, Lecteur& l) {
    return {static_cast<int16>(l.entre(3, r.largeur + 2)),
            static_cast<int16>(l.entre(3, r.hauteur + 2))};
}

Tableau plateau_au_hasard(const Regles& r, Lecteur& l) {
    Tableau t;
    for (int x = 3; x <= r.largeur + 2; ++x) {
        for (int y = 3; y <= r.hauteur + 2; ++y) {
            t(x, y) = l.octet() % 3 == 0 ? FAUX : VRAI;
        }
    }
    return t;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Lecteur l{donnees, taille};
    Regles r;
    r.largeur = static_cast<int16>(l.entre(COTE_MIN, COTE_MAX));
    r.hauteur = static_cast<int16>(l.entre(COTE_MIN, COTE_MAX));
    r.cavalier = l.octet() % 2 == 1;
    const int16 profondeur = static_cast<int16>(l.entre(0, 24));
    const int16 niveau = static_cast<int16>(l.entre(1, 3));
    analyse::AleaAnalyse p(static_cast<std::uint32_t>(l.octet() << 8 | l.octet()));
    Tableau t = plateau_au_hasard(r, l);
    Case moi = case_au_hasard(r, l);
    Case lui = case_au_hasard(r, l);
    if (moi == lui) {
        return 0;
    }
    t[moi] = FAUX;
    t[lui] = FAUX;
    Ordinateur o(r, p, static_cast<int16>(l.entre(0, 24)));

    // The game asks for a move only when the computer has one.
    if (!r.est_bloque(moi, t)) {
        verifie(r.dep_valide(o.choisit_deplacement(moi, lui, profondeur, niveau, t), moi, t));
    }

    const ChoixMur mur = o.choisit_mur(lui, moi, lui, profondeur, t);
    verifie(sur_plateau(r, mur.case_mur));
    verifie(mur.score == SCORE_AUCUN_DEP || t.libre(mur.case_mur));

    t[moi] = VRAI;
    const Case depart = o.choisit_depart(profondeur, t);
    verifie(sur_plateau(r, depart) && t.libre(depart));
    return 0;
}
