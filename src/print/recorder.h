// A print back end that keeps every drawing call, for tests. Qt-free.
//
//     auto rec = std::make_shared<print::Recording>();
//     op.printers.push_back(std::make_unique<print::RecordingTarget>(rec));  // "chose a printer"
//     ... run the printout ...
//     EXPECT_EQ(rec->texts_on_page(0)[0].text, "...");
//
// Text measuring rule (deterministic, independent of installed fonts): every character
// (UTF-8 code point) is half the em height of the current font wide, rounded down; with no
// font selected a character is 10 pixels wide.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "print/page.h"
#include "util/print_target.h"

namespace kelmo::print {

struct Call {
    enum Kind { Font, Text, Line, Box, Picture, NewPage, EndJob };
    Kind kind = Text;
    int page = 0;        // page index, from 0
    int x = 0, y = 0;    // text position, line start, box top-left, picture top-left
    int x2 = 0, y2 = 0;  // line end, box bottom-right
    int w = 0, h = 0;    // picture size
    std::string text;    // Text
    int font = -1;       // font selected when drawn (Text) or selected (Font)
    Rgb front, back;     // Text colours; Box/Line colour in `front`
    int image = -1;      // Picture
};

// Everything one job drew.
struct Recording {
    std::string job_name;
    int width = 0, height = 0;
    std::vector<std::pair<int, FontSpec>> fonts_created;  // in creation order
    std::vector<Call> calls;
    int pages = 0;       // pages started
    bool ended = false;  // end_job was called

    std::vector<Call> of_kind(Call::Kind kind) const;
    std::vector<Call> texts_on_page(int page) const;
    // The texts of a page joined in drawing order, one per line.
    std::string text_of_page(int page) const;
    std::optional<FontSpec> font(int number) const;
};

class RecordingPage : public Page {
  public:
    RecordingPage(std::shared_ptr<Recording> rec, int screen_dpi)
        : rec_(std::move(rec)), dpi_(screen_dpi) {}
    ~RecordingPage() override;

    int width() const override { return rec_->width; }
    int height() const override { return rec_->height; }
    int screen_logical_dpi() const override { return dpi_; }
    void create_font(int number, const FontSpec& font) override;
    void select_font(int number) override;
    void set_text_colours(Rgb front, Rgb back) override;
    void set_draw_colour(Rgb colour) override { draw_ = colour; }
    void text(int x, int y, const std::string& text) override;
    int text_width(const std::string& text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void box(int left, int top, int right, int bottom) override;
    void box(int left, int top, int right, int bottom, Rgb colour) override;
    void picture(int image, int x, int y, int w, int h) override;
    void new_page() override;
    void end_job() override;

  private:
    // Appends a call of `kind` on the current page and returns it to be completed.
    Call& record(Call::Kind kind);

    std::shared_ptr<Recording> rec_;
    int dpi_;
    std::vector<std::pair<int, FontSpec>> fonts_;
    int font_ = -1;
    Rgb front_ = kBlack, back_ = kWhite, draw_ = kBlack;
    int page_ = 0;
};

// A printer that records. By default a page of 4960 x 7014 device pixels (A4 at 600 dpi on a
// printer with small margins) and a screen of 96 logical pixels per inch.
class RecordingTarget : public PrintTarget {
  public:
    explicit RecordingTarget(std::shared_ptr<Recording> rec, int width = 4960, int height = 7014,
                             int screen_dpi = 96)
        : rec_(std::move(rec)), width_(width), height_(height), dpi_(screen_dpi) {}

    // A printer whose job cannot be started.
    bool refuse_job = false;

    std::unique_ptr<Page> start_job(const std::string& job_name) override;

  private:
    std::shared_ptr<Recording> rec_;
    int width_, height_, dpi_;
};

}  // namespace kelmo::print
