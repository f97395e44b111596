// The Qt back end drawn end to end into a PDF file and read back with pdftotext: what the
// recorder says a printout draws is what reaches the paper, at the same place.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

#include "print/layout.h"
#include "print/list_printout.h"
#include "print/qt_page.h"
#include "print/recorder.h"
#include "support/scripted_operator.h"
#include "util/dates.h"

namespace kelmo::print {
namespace {

// Draws on a real page and records the same calls.
class TeePage : public Page {
  public:
    TeePage(std::unique_ptr<Page> real, std::unique_ptr<Page> rec)
        : real_(std::move(real)), rec_(std::move(rec)) {}
    int width() const override { return real_->width(); }
    int height() const override { return real_->height(); }
    int screen_logical_dpi() const override { return real_->screen_logical_dpi(); }
    void create_font(int n, const FontSpec& f) override {
        both([&](Page& p) { p.create_font(n, f); });
    }
    void select_font(int n) override {
        both([&](Page& p) { p.select_font(n); });
    }
    void set_text_colours(Rgb f, Rgb b) override {
        both([&](Page& p) { p.set_text_colours(f, b); });
    }
    void set_draw_colour(Rgb c) override {
        both([&](Page& p) { p.set_draw_colour(c); });
    }
    void text(int x, int y, const std::string& t) override {
        both([&](Page& p) { p.text(x, y, t); });
    }
    int text_width(const std::string& t) override { return real_->text_width(t); }
    void line(int a, int b, int c, int d) override {
        both([&](Page& p) { p.line(a, b, c, d); });
    }
    void box(int a, int b, int c, int d) override {
        both([&](Page& p) { p.box(a, b, c, d); });
    }
    void box(int a, int b, int c, int d, Rgb k) override {
        both([&](Page& p) { p.box(a, b, c, d, k); });
    }
    void picture(int i, int x, int y, int w, int h) override {
        both([&](Page& p) { p.picture(i, x, y, w, h); });
    }
    void new_page() override {
        both([&](Page& p) { p.new_page(); });
    }
    void end_job() override {
        both([&](Page& p) { p.end_job(); });
    }

  private:
    template <typename F>
    void both(F f) {
        f(*real_);
        f(*rec_);
    }
    std::unique_ptr<Page> real_, rec_;
};

class TeeTarget : public PrintTarget {
  public:
    TeeTarget(std::string path, std::shared_ptr<Recording> rec) : pdf_(path), rec_(rec) {}
    std::unique_ptr<Page> start_job(const std::string& name) override {
        auto real = pdf_.start_job(name);
        if (!real) return nullptr;
        rec_->job_name = name;
        rec_->width = real->width();
        rec_->height = real->height();
        rec_->pages = 1;
        auto recording = std::make_unique<RecordingPage>(rec_, real->screen_logical_dpi());
        return std::make_unique<TeePage>(std::move(real), std::move(recording));
    }

  private:
    PdfFile pdf_;
    std::shared_ptr<Recording> rec_;
};

struct Word {
    int page;
    double x_min, y_min, x_max, y_max;
    std::string text;
};

std::string run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    pclose(pipe);
    return out;
}

std::string unescape(std::string s) {
    const std::pair<const char*, const char*> entities[] = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}};
    for (auto [from, to] : entities) {
        for (size_t at; (at = s.find(from)) != std::string::npos;) s.replace(at, strlen(from), to);
    }
    return s;
}

// Every word of the PDF with its box in points, from pdftotext -bbox.
std::vector<Word> words_of(const std::string& pdf) {
    std::string html = run("pdftotext -bbox '" + pdf + "' - 2>/dev/null");
    std::vector<Word> words;
    int page = -1;
    std::istringstream in(html);
    std::string line;
    const std::regex word_re(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re");
    std::smatch m;
    while (std::getline(in, line)) {
        if (line.find("<page ") != std::string::npos) ++page;
        if (std::regex_search(line, m, word_re)) {
            words.push_back({page, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]),
                             std::stod(m[4]), unescape(m[5])});
        }
    }
    return words;
}

// An 8-bit grey rendering of one page.
struct Gray {
    int width = 0, height = 0;
    std::string pixels;
    int at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return 255;
        return static_cast<unsigned char>(pixels[static_cast<size_t>(y) * width + x]);
    }
};

Gray render_gray(const std::string& pdf, int page, int dpi) {
    const std::string out = pdf + ".page";
    run("pdftoppm -gray -aa no -aaVector no -r " + std::to_string(dpi) + " -f " +
        std::to_string(page) + " -l " + std::to_string(page) + " -singlefile '" + pdf + "' '" +
        out + "' 2>/dev/null");
    Gray g;
    std::ifstream in(out + ".pgm", std::ios::binary);
    std::string magic;
    int maxval = 0;
    if (!(in >> magic >> g.width >> g.height >> maxval) || magic != "P5") return {};
    in.get();
    g.pixels.resize(static_cast<size_t>(g.width) * g.height);
    in.read(g.pixels.data(), static_cast<std::streamsize>(g.pixels.size()));
    return g;
}

ListPrintout client_card() {
    ListPrintout p;
    p.page_header = [](Page& page, PrintState& s) {
        start_page_header(page, s, {1.2f, 3.2f, 14, 16, 18, 20});
        page.select_font(88);
        page.text(s.columns[0], s.y, "FICHE CLIENT (VF)");
        s.y += cm_to_y(page, 0.8f);
        page.select_font(67);
        page.text(cm_to_x(page, 1.2f), s.y, "BENALI KARIM");
        page.text(cm_to_x(page, 14), s.y, "Période du 01/01/2024 au 31/12/2024");
        s.y += cm_to_y(page, 1);
        // A grey band behind the column titles, the titles dark grey on it.
        page.box(s.columns.front(), s.y, s.columns.back(), s.y + cm_to_y(page, 1),
                 Rgb{211, 211, 211});
        page.set_text_colours(Rgb{69, 69, 69}, Rgb{211, 211, 211});
        draw_column_titles(page, s, 68,
                           {{"Date", 1.2f, 0.4f},
                            {"Libellé de l'opération", 3.2f, 0.5f},
                            {"Débit", 14, 0.5f},
                            {"Crédit", 16, 0.5f},
                            {"Solde", 18, 0.5f}});
    };
    p.cells = {
        {0, 1.2f, 0.1f}, {1, 3.2f, 0.2f}, {2, 16, 0, true}, {3, 18, 0, true}, {4, 20, 0, true}};
    p.step_before_frame = true;
    p.user = "ADMIN";
    return p;
}

ListRow row(std::vector<std::string> cells) {
    ListRow r;
    r.cells = std::move(cells);
    return r;
}

std::vector<ListRow> card_rows(int n) {
    std::vector<ListRow> rows;
    rows.push_back(row({"01/01/2024", "Solde au 01/01/2024", "", "", "12 500.00"}));
    for (int i = 1; i < n; ++i) {
        rows.push_back(row({"15/01/2024", "Versement n° " + std::to_string(i) + " espèces", "",
                            "1 250.00", std::to_string(12500 - i * 10) + ".00"}));
    }
    return rows;
}

class PdfBackEnd : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "print_pdf_tests";
        static char* argv[] = {arg0, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    void SetUp() override {
        if (run("command -v pdftotext").empty()) GTEST_SKIP() << "pdftotext is not installed";
        set_fixed_clock(LocalDateTime{{2024, 3, 5}, 9, 7, 30});
    }
    void TearDown() override { set_fixed_clock(std::nullopt); }
};

TEST_F(PdfBackEnd, ListPrintoutReachesThePdfWhereTheRecorderPutsIt) {
    const std::string pdf = ::testing::TempDir() + "kelmo_print_card.pdf";
    std::remove(pdf.c_str());
    auto rec = std::make_shared<Recording>();
    test::ScriptedOperator op;
    op.printers.push_back(std::make_unique<TeeTarget>(pdf, rec));
    ASSERT_EQ(print_list(op, client_card(), card_rows(70)), PrintOutcome::Printed);
    ASSERT_TRUE(QFile::exists(QString::fromStdString(pdf)));
    EXPECT_EQ(rec->pages, 2);

    // 600 device pixels per inch; A4 (595 x 842 points) is the whole sheet.
    EXPECT_NEAR(rec->width, 4960, 3);
    EXPECT_NEAR(rec->height, 7016, 3);
    const double pt = 72.0 / 600.0;

    std::vector<Word> words = words_of(pdf);
    ASSERT_FALSE(words.empty());
    int pages_read = words.back().page + 1;
    EXPECT_EQ(pages_read, 2);

    // Every text the recorder holds that is one word or more: its first word is in the PDF
    // on the same page, its left edge at the recorded x and its top near the recorded y.
    int checked = 0;
    for (const Call& c : rec->of_kind(Call::Text)) {
        std::string first = c.text.substr(0, c.text.find(' '));
        if (first.empty()) continue;
        bool found = false;
        for (const Word& w : words) {
            if (w.page != c.page || w.text.rfind(first, 0) != 0) continue;
            // Glyph side bearings and ascent differ from the cell: a point or two.
            if (std::abs(w.x_min - c.x * pt) < 2.0 && std::abs(w.y_min - c.y * pt) < 4.0) {
                found = true;
                break;
            }
        }
        EXPECT_TRUE(found) << "page " << c.page << " \"" << c.text << "\" at " << c.x << "," << c.y;
        ++checked;
    }
    EXPECT_GT(checked, 500);

    // The plain text carries the accents and the footer once, on the last page.
    std::string text = run("pdftotext -layout '" + pdf + "' - 2>/dev/null");
    EXPECT_NE(text.find("Libellé de l'opération"), std::string::npos);
    EXPECT_NE(text.find("Période du 01/01/2024 au 31/12/2024"), std::string::npos);
    size_t agent = text.find("Agent: ADMIN");
    ASSERT_NE(agent, std::string::npos);
    EXPECT_EQ(text.find("Agent: ADMIN", agent + 1), std::string::npos);
    EXPECT_GT(agent, text.find('\f'));  // after the first page's end
    EXPECT_NE(text.find("Heure: 09:07:30"), std::string::npos);

    // Lines and boxes: the first page rendered without anti-aliasing at 150 dpi (a quarter
    // of the device pixels) is dark along every recorded line and grey inside the band.
    Gray image = render_gray(pdf, 1, 150);
    ASSERT_GT(image.width, 0);
    int lines = 0;
    for (const Call& c : rec->of_kind(Call::Line)) {
        if (c.page != 0) continue;
        int darkest = 255;
        const int x = (c.x + c.x2) / 2 / 4, y = (c.y + c.y2) / 2 / 4;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) darkest = std::min(darkest, image.at(x + dx, y + dy));
        }
        EXPECT_LT(darkest, 100) << "line " << c.x << "," << c.y << " " << c.x2 << "," << c.y2;
        ++lines;
    }
    EXPECT_EQ(lines, 9);  // six boundaries, three rules
    auto boxes = rec->of_kind(Call::Box);
    ASSERT_FALSE(boxes.empty());
    const Call& band = boxes.front();
    // Left of the first title, inside the band: grey 211, not white.
    EXPECT_NEAR(image.at((band.x + 10) / 4, (band.y + 10) / 4), 211, 3);
}

TEST_F(PdfBackEnd, FontHeightsOnPaperFollowTheCentimetres) {
    // Font 54 (0.22 cm) at 96 logical pixels per inch: an em of 4/3 x 0.22 cm on paper.
    const std::string pdf = ::testing::TempDir() + "kelmo_print_font.pdf";
    PdfFile target(pdf);
    auto page = target.start_job(kJobName);
    ASSERT_TRUE(page);
    load_print_fonts(*page);
    page->select_font(54);
    page->text(cm_to_x(*page, 2), cm_to_y(*page, 2), "HHHH");
    page->end_job();
    std::vector<Word> words = words_of(pdf);
    ASSERT_EQ(words.size(), 1u);
    const double em_cm = 69.0 / 600.0 * 2.54;  // 69 pixels at 600 dpi
    const double box_cm = (words[0].y_max - words[0].y_min) / 72.0 * 2.54;
    // pdftotext's box is the font's ascent plus descent, a little more than the em.
    EXPECT_GT(box_cm, em_cm * 0.95);
    EXPECT_LT(box_cm, em_cm * 1.4);
}

}  // namespace
}  // namespace kelmo::print
