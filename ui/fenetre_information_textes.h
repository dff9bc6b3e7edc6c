// The maker's own texts shown by the information window: its name, postal address, e-mail
// address, web site and the authors of the game.
#pragma once

namespace tessor::info {

inline constexpr const char* EDITEUR = "Atelier Quenouille";
inline constexpr const char* RUE = "12, impasse des Glycines";
inline constexpr const char* VILLE = "00420 Villebrume";
inline constexpr const char* PAYS = "FRANCE";

inline constexpr const char* COURRIEL = "contact@example.org";
inline constexpr const char* SITE = "https://www.example.org/tessor";

inline constexpr const char* AUTEURS[] = {"Léon Farbouche", "Maëlle Quintard", "Rémi Vaugrenier"};

} // namespace tessor::info
