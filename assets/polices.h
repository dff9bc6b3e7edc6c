// The fonts bundled with the game, and access to the built-in pictures.
//
// The window was laid out for three fonts: a proportional sans serif for labels and rules text,
// a serif for titles and a fixed-pitch "terminal" face for the board's column and row numbers.
// Freely licensed stand-ins for them are compiled in as resources (see LICENSES.md).
#pragma once

#include <QFont>

namespace tessor {

// Family names of the bundled fonts.
inline constexpr const char* FAMILLE_SANS = "Liberation Sans";
inline constexpr const char* FAMILLE_SERIF = "Liberation Serif";
inline constexpr const char* FAMILLE_TERMINAL = "Terminus";
inline constexpr const char* FAMILLE_MONO = "Liberation Mono";

// Registers the resources of this library (pictures ":/images/<name>.png" and the fonts) with Qt.
// Safe to call more than once.
void initialise_ressources();

// Registers the resources, then loads the bundled fonts into the application's font database.
// Needs a QGuiApplication; the fonts are loaded only once per application.
void charge_polices();

// Fonts of the bundled families. Sizes are in points, as the window layout gives them.
QFont police_sans(double points, bool gras = false);
QFont police_serif(double points, bool gras = false);
// The terminal face is a bitmap font: whatever size is asked for, it is drawn from its
// 12-pixel strike (the 9 pt of the layout at 96 dpi), without anti-aliasing, so it stays crisp.
// On a screen scaled above 100 % that strike would show at half size: a scalable fixed-pitch
// face of the same size stands in for it there.
QFont police_terminal(double points, bool gras = false);

} // namespace tessor
