// Centimetre layout on an A4 portrait page and the drawing helpers shared by every printout.
// Qt-free: everything goes through the Page interface.
//
// Positions are converted piece by piece and added in pixels: a column's x plus 0.5 cm is
// columns[i] + cm_to_x(page, 0.5), and a running y grows by cm_to_y(page, step) each time,
// so it keeps the rounding of every step. Never add centimetres before converting.
#pragma once

#include <string>
#include <vector>

#include "print/page.h"

namespace kelmo::print {

// The printable area is taken to be 21.0 x 29.7 cm.
inline constexpr double kPageWidthCm = 21.0;
inline constexpr double kPageHeightCm = 29.7;

// The job name every printout uses.
inline constexpr const char* kJobName = "Print-Doc";

// The common refusal of a printout with nothing to print.
inline constexpr const char* kNothingToPrint = "Il n'y a rien à imprimer ! ";

// Image slots of the letterhead: one for the invoice, one for every other printout.
inline constexpr int kLetterheadImage = 98;
inline constexpr int kInvoiceLetterheadImage = 99;

// A list printout breaks to a new page when y reaches the page height minus this many device
// pixels (a fixed number of pixels, not centimetres).
inline constexpr int kBottomMarginPixels = 200;

// cm x (device_pixels / page_cm), the division first, the product in double precision from
// the single-precision centimetres, rounded to the nearest integer with halves to even.
int cm_to_pixels(float cm, int device_pixels, double page_cm);

// Horizontal and vertical distances on `page`.
inline int cm_to_x(const Page& page, float cm) {
    return cm_to_pixels(cm, page.width(), kPageWidthCm);
}
inline int cm_to_y(const Page& page, float cm) {
    return cm_to_pixels(cm, page.height(), kPageHeightCm);
}

// Rounds to the nearest integer, halves to the even neighbour.
long long round_half_even(double v);

// The y at which a list printout starts a new page.
inline int bottom_limit(const Page& page) {
    return page.height() - kBottomMarginPixels;
}

// One print font of the fixed table: its number, face as requested, height in cm, weight.
struct PrintFontDef {
    int number;
    const char* face;
    float height_cm;
    bool bold;
};
// Fonts 36 and 40 to 90, in number order.
const std::vector<PrintFontDef>& print_font_table();

// The font `def` as created for `page`: nominal size cm_to_y(height), em height
// nominal x L / 72 rounded to nearest (L: the screen's logical pixels per inch, 96 when
// unknown), proof quality for the bold ones.
FontSpec print_font_spec(const Page& page, const PrintFontDef& def);

// Creates every print font on `page`. Called right after the job has started.
void load_print_fonts(Page& page);

// The letterhead scaled to 19.4 x 3 cm with its top-left corner at (1 cm, 0.2 cm).
void draw_letterhead(Page& page, int image = kLetterheadImage);

// Draws `text` one character at a time from the last to the first: the last character at
// right_edge - cm_to_x(inset_cm), each earlier one cm_to_x(pitch_cm) further left, all at
// y. Every character takes the same pitch whatever its glyph; a text longer than its column
// runs left across the boundary (never clipped). Characters are UTF-8 code points.
void draw_right_aligned(Page& page, const std::string& text, int right_edge, int y, float inset_cm,
                        float pitch_cm);

// The grid of a list printout, in black: a vertical line at every column boundary from
// table_top to y, and horizontal lines from the first boundary to the last at table_top,
// header_bottom and y.
void draw_table_frame(Page& page, const std::vector<int>& columns, int table_top, int header_bottom,
                      int y);

// Splits UTF-8 text into its code points, each as its own string (a malformed byte stands
// alone).
std::vector<std::string> utf8_characters(const std::string& text);

}  // namespace kelmo::print
