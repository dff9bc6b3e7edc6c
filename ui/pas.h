// The options screen's ten "+" and "-" steppers, written once: what each one changes, which way,
// its object name, what assistive technologies call it and its place on its small panel. The
// options screen builds them from this table, in its order, and the window connects them from it.
#pragma once

#include <QPoint>

#include <array>
#include <cstdint>

namespace tessor {

// What a stepper changes; each subject has its steppers on one small panel.
enum class SujetPas : std::uint8_t { pion_joueur1, pion_joueur2, mur, largeur, hauteur };

struct Pas {
    SujetPas sujet;
    int sens; // 1 for "+", -1 for "-"
    const char* nom;
    const char* nom_accessible;
    QPoint coin; // top-left corner on its panel
};

// In the order the options screen creates them.
inline constexpr std::array<Pas, 10> PAS{{
    {SujetPas::pion_joueur1, -1, "pion_moins(0)", "Pion précédent du joueur 1", {13, 60}},
    {SujetPas::pion_joueur1, 1, "pion_plus(0)", "Pion suivant du joueur 1", {91, 60}},
    {SujetPas::mur, -1, "mur_moins", "Mur précédent", {13, 56}},
    {SujetPas::mur, 1, "mur_plus", "Mur suivant", {91, 56}},
    {SujetPas::largeur, -1, "largeur_moins", "Diminuer la largeur", {13, 41}},
    {SujetPas::largeur, 1, "largeur_plus", "Augmenter la largeur", {88, 41}},
    {SujetPas::hauteur, -1, "hauteur_moins", "Diminuer la hauteur", {13, 105}},
    {SujetPas::hauteur, 1, "hauteur_plus", "Augmenter la hauteur", {89, 105}},
    {SujetPas::pion_joueur2, -1, "pion_moins(1)", "Pion précédent du joueur 2", {13, 60}},
    {SujetPas::pion_joueur2, 1, "pion_plus(1)", "Pion suivant du joueur 2", {91, 60}},
}};

} // namespace tessor
