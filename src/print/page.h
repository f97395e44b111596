// The drawing surface of a print job, in the printer's device pixels. Qt-free.
//
// A printout gets a Page from the printer the operator chose and draws on it with the helpers
// of print/layout.h, which convert centimetres to pixels:
//
//     auto printer = op.choose_printer();              // null: cancelled, stop silently
//     if (!printer) return;
//     auto page = printer->start_job(kJobName);        // null: job refused, stop silently
//     if (!page) return;
//     load_print_fonts(*page);
//     draw_letterhead(*page);
//     page->select_font(80);
//     page->text(cm_to_x(*page, 1.2), cm_to_y(*page, 4), "BON DE LIVRAISON N° 12");
//     page->end_job();
//
// run_print_job (print/print_job.h) does those steps in order; list printouts use
// ListPrintout (print/list_printout.h). Back ends: the system printer and PDF files
// (print/qt_page.h) and a recorder for tests (print/recorder.h).
#pragma once

#include <string>

#include "util/list_rows.h"

namespace kelmo::print {

inline const Rgb kBlack{0, 0, 0};
inline const Rgb kWhite{255, 255, 255};

// A print font as created for one printer (see load_print_fonts).
struct FontSpec {
    std::string face;   // as requested; the platform's font matching picks the file
    int nominal = 0;    // nominal size: cm_to_y of the font's height in centimetres
    int em_height = 0;  // character (em) height in device pixels
    bool bold = false;
    bool proof_quality = false;
    bool operator==(const FontSpec&) const = default;
};

class Page {
  public:
    virtual ~Page() = default;

    // Printable area in device pixels; (0, 0) is its top-left corner.
    virtual int width() const = 0;
    virtual int height() const = 0;
    // The screen's logical pixels per inch (96 when it cannot be read); font sizes use it.
    virtual int screen_logical_dpi() const = 0;

    // Fonts by number; selecting a number never created leaves the current font.
    virtual void create_font(int number, const FontSpec& font) = 0;
    virtual void select_font(int number) = 0;

    // Text colours (black on opaque white at the start of a job) and the colour of lines
    // and of boxes drawn without their own colour (black at the start).
    virtual void set_text_colours(Rgb front, Rgb back) = 0;
    virtual void set_draw_colour(Rgb colour) = 0;

    // UTF-8 text in the current font, the top-left of its first character at (x, y).
    virtual void text(int x, int y, const std::string& text) = 0;
    // Advance width of `text` in the current font, in device pixels.
    virtual int text_width(const std::string& text) = 0;

    // A line one device pixel wide in the drawing colour.
    virtual void line(int x1, int y1, int x2, int y2) = 0;
    // A filled box covering left <= x < right, top <= y < bottom; in the drawing colour or
    // in its own.
    virtual void box(int left, int top, int right, int bottom) = 0;
    virtual void box(int left, int top, int right, int bottom, Rgb colour) = 0;
    // Picture `image` of the image catalogue scaled to w x h with its top-left at (x, y).
    virtual void picture(int image, int x, int y, int w, int h) = 0;

    // Ends the current page and starts drawing on a fresh one.
    virtual void new_page() = 0;
    // Ends the last page and sends the job; nothing may be drawn afterwards.
    // Back ends also end a job that is destroyed without it.
    virtual void end_job() = 0;
};

}  // namespace kelmo::print
