#include "print/recorder.h"

#include "print/layout.h"

namespace kelmo::print {

std::vector<Call> Recording::of_kind(Call::Kind kind) const {
    std::vector<Call> out;
    for (const Call& c : calls) {
        if (c.kind == kind) out.push_back(c);
    }
    return out;
}

std::vector<Call> Recording::texts_on_page(int page) const {
    std::vector<Call> out;
    for (const Call& c : calls) {
        if (c.kind == Call::Text && c.page == page) out.push_back(c);
    }
    return out;
}

std::string Recording::text_of_page(int page) const {
    std::string out;
    for (const Call& c : texts_on_page(page)) out += c.text + "\n";
    return out;
}

std::optional<FontSpec> Recording::font(int number) const {
    std::optional<FontSpec> found;
    for (const auto& [n, created] : fonts_created) {
        if (n == number) found = created;
    }
    return found;
}

Call& RecordingPage::record(Call::Kind kind) {
    Call& c = rec_->calls.emplace_back();
    c.kind = kind;
    c.page = page_;
    return c;
}

RecordingPage::~RecordingPage() {
    if (!rec_->ended) end_job();
}

void RecordingPage::create_font(int number, const FontSpec& font) {
    rec_->fonts_created.emplace_back(number, font);
    for (auto& [n, held] : fonts_) {
        if (n == number) {
            held = font;
            return;
        }
    }
    fonts_.emplace_back(number, font);
}

void RecordingPage::select_font(int number) {
    for (const auto& f : fonts_) {
        if (f.first == number) {
            font_ = number;
            record(Call::Font).font = number;
            return;
        }
    }
}

void RecordingPage::set_text_colours(Rgb front, Rgb back) {
    front_ = front;
    back_ = back;
}

void RecordingPage::text(int x, int y, const std::string& text) {
    Call& c = record(Call::Text);
    c.x = x;
    c.y = y;
    c.text = text;
    c.font = font_;
    c.front = front_;
    c.back = back_;
}

int RecordingPage::text_width(const std::string& text) {
    int per_char = 10;
    for (const auto& f : fonts_) {
        if (f.first == font_) per_char = f.second.em_height / 2;
    }
    return per_char * static_cast<int>(utf8_characters(text).size());
}

void RecordingPage::line(int x1, int y1, int x2, int y2) {
    Call& c = record(Call::Line);
    c.x = x1;
    c.y = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.front = draw_;
}

void RecordingPage::box(int left, int top, int right, int bottom) {
    box(left, top, right, bottom, draw_);
}

void RecordingPage::box(int left, int top, int right, int bottom, Rgb colour) {
    Call& c = record(Call::Box);
    c.x = left;
    c.y = top;
    c.x2 = right;
    c.y2 = bottom;
    c.front = colour;
}

void RecordingPage::picture(int image, int x, int y, int w, int h) {
    Call& c = record(Call::Picture);
    c.image = image;
    c.x = x;
    c.y = y;
    c.w = w;
    c.h = h;
}

void RecordingPage::new_page() {
    ++page_;
    ++rec_->pages;
    record(Call::NewPage);
}

void RecordingPage::end_job() {
    if (rec_->ended) return;
    rec_->ended = true;
    record(Call::EndJob);
}

std::unique_ptr<Page> RecordingTarget::start_job(const std::string& job_name) {
    if (refuse_job) return nullptr;
    rec_->job_name = job_name;
    rec_->width = width_;
    rec_->height = height_;
    rec_->pages = 1;
    rec_->ended = false;
    return std::make_unique<RecordingPage>(rec_, dpi_);
}

}  // namespace kelmo::print
