#include "print/layout.h"

#include <cmath>

namespace kelmo::print {

long long round_half_even(double v) {
    double lower = std::floor(v);
    double diff = v - lower;
    long long n = static_cast<long long>(lower);
    if (diff > 0.5) return n + 1;
    if (diff < 0.5) return n;
    return (n % 2 == 0) ? n : n + 1;
}

int cm_to_pixels(float cm, int device_pixels, double page_cm) {
    double per_cm = static_cast<double>(device_pixels) / page_cm;
    return static_cast<int>(round_half_even(static_cast<double>(cm) * per_cm));
}

const std::vector<PrintFontDef>& print_font_table() {
    static const std::vector<PrintFontDef> table = [] {
        std::vector<PrintFontDef> t;
        t.push_back({36, "Calibri", 0.25f, false});
        // Ten sizes from 0.18 to 0.27 cm for each of four faces.
        const char* faces[] = {"arial", "Verdana", "Calibri", "Candara"};
        for (int f = 0; f < 4; ++f) {
            for (int i = 0; i < 10; ++i) {
                int number = 40 + 10 * f + i;
                const char* face = number == 46 ? "Arial" : faces[f];
                t.push_back({number, face, static_cast<float>(18 + i) / 100.0f, false});
            }
        }
        t.push_back({80, "Calibri", 0.32f, true});
        t.push_back({81, "Verdana", 0.24f, true});
        t.push_back({82, "Calibri", 0.27f, true});
        t.push_back({83, "Verdana", 0.22f, true});
        t.push_back({84, "Calibri", 0.24f, true});
        t.push_back({85, "Calibri", 0.34f, true});
        t.push_back({86, "Calibri", 0.28f, true});
        t.push_back({87, "arial", 0.40f, true});
        t.push_back({88, "verdana", 0.27f, true});
        t.push_back({89, "verdana", 0.32f, true});
        t.push_back({90, "Calibri", 0.22f, true});
        return t;
    }();
    return table;
}

FontSpec print_font_spec(const Page& page, const PrintFontDef& def) {
    int dpi = page.screen_logical_dpi();
    if (dpi <= 0) dpi = 96;
    FontSpec font;
    font.face = def.face;
    font.nominal = cm_to_y(page, def.height_cm);
    // Rounded to nearest like a Windows MulDiv: halves away from zero.
    font.em_height = static_cast<int>(std::llround(static_cast<double>(font.nominal) * dpi / 72.0));
    font.bold = def.bold;
    font.proof_quality = def.bold;
    return font;
}

void load_print_fonts(Page& page) {
    for (const PrintFontDef& def : print_font_table()) {
        page.create_font(def.number, print_font_spec(page, def));
    }
}

void draw_letterhead(Page& page, int image) {
    page.picture(image, cm_to_x(page, 1), cm_to_y(page, 0.2f), cm_to_x(page, 19.4f),
                 cm_to_y(page, 3));
}

std::vector<std::string> utf8_characters(const std::string& text) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t len = c < 0x80           ? 1
                     : (c >> 5) == 0x6  ? 2
                     : (c >> 4) == 0xE  ? 3
                     : (c >> 3) == 0x1E ? 4
                                        : 1;
        if (i + len > text.size()) len = 1;
        for (size_t k = 1; k < len; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                len = 1;
                break;
            }
        }
        out.push_back(text.substr(i, len));
        i += len;
    }
    return out;
}

void draw_right_aligned(Page& page, const std::string& text, int right_edge, int y, float inset_cm,
                        float pitch_cm) {
    int x = right_edge - cm_to_x(page, inset_cm);
    const int pitch = cm_to_x(page, pitch_cm);
    const std::vector<std::string> chars = utf8_characters(text);
    for (auto it = chars.rbegin(); it != chars.rend(); ++it) {
        page.text(x, y, *it);
        x -= pitch;
    }
}

void draw_table_frame(Page& page, const std::vector<int>& columns, int table_top, int header_bottom,
                      int y) {
    if (columns.empty()) return;
    page.set_draw_colour(kBlack);
    for (int x : columns) page.line(x, table_top, x, y);
    const int left = columns.front();
    const int right = columns.back();
    page.line(left, table_top, right, table_top);
    page.line(left, header_bottom, right, header_bottom);
    page.line(left, y, right, y);
}

}  // namespace kelmo::print
