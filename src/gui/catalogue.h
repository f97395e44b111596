// The numbered pictures and screen fonts shared by every window and printout.
//
// Pictures are carried inside the program (Qt resources under :/pictures) and loaded into
// numbered slots; fonts 0 to 29 are looked up by face through fontconfig, with metric
// look-alikes and a sans-serif fallback so that no text renders empty when a face is missing.
#pragma once

#include <QFont>
#include <QPixmap>

namespace kelmo::gui {

// Loads every picture slot from the resources (done once at start-up; picture() also
// loads on first use so that tests need not call it).
void load_pictures();

// The picture of slot `n`, or a null pixmap for a number that holds none.
const QPixmap& picture(int n);

// Maps the faces the windows and printouts request to installed look-alikes (done once;
// the screen fonts and every print job call it).
void install_font_substitutions();

// (Re)creates the thirty screen fonts; printouts that changed them call it again.
void load_screen_fonts();

// Screen font `n` (0 to 29); an unknown number gives font 0. Created on first use.
const QFont& screen_font(int n);

inline constexpr int kScreenFontCount = 30;

// The font of controls that have no catalogue font: an Arial-metric face at 8 points, the
// size the windows' fixed positions and widths were laid out for.
void use_application_font();

}  // namespace kelmo::gui
