#include "print/layout.h"

#include <gtest/gtest.h>

#include <memory>

#include "print/recorder.h"

namespace kelmo::print {
namespace {

struct Job {
    std::shared_ptr<Recording> rec = std::make_shared<Recording>();
    std::unique_ptr<Page> page;
    explicit Job(int w = 4960, int h = 7014, int dpi = 96) {
        RecordingTarget target(rec, w, h, dpi);
        page = target.start_job(kJobName);
    }
};

TEST(PrintLayout, WorkedExampleOnA4At600Dpi) {
    Job job;
    const Page& p = *job.page;
    EXPECT_EQ(cm_to_x(p, 1.2), 283);
    EXPECT_EQ(cm_to_x(p, 20), 4724);
    EXPECT_EQ(cm_to_y(p, 4), 945);
    EXPECT_EQ(cm_to_y(p, 0.4), 94);  // rows are 94 pixels apart, not 94.46
    EXPECT_EQ(cm_to_y(p, 29), 6849);
    EXPECT_EQ(bottom_limit(p), 6814);

    load_print_fonts(*job.page);
    auto f54 = job.rec->font(54);
    ASSERT_TRUE(f54);
    EXPECT_EQ(f54->face, "Verdana");
    EXPECT_EQ(f54->nominal, 52);
    EXPECT_EQ(f54->em_height, 69);
    EXPECT_FALSE(f54->bold);
}

TEST(PrintLayout, RoundsHalvesToEven) {
    EXPECT_EQ(round_half_even(2.5), 2);
    EXPECT_EQ(round_half_even(3.5), 4);
    EXPECT_EQ(round_half_even(3.4999), 3);
    EXPECT_EQ(round_half_even(-2.5), -2);
    EXPECT_EQ(round_half_even(-0.6), -1);
    // 2.1 cm on a 210-pixel-wide area is exactly 21 pixels from the double 2.1 but the
    // single-precision 2.1f is a little more: the float is what counts.
    EXPECT_EQ(cm_to_pixels(2.5f, 21, 21.0), 2);  // 2.5 exactly: to even
    EXPECT_EQ(cm_to_pixels(3.5f, 21, 21.0), 4);
    EXPECT_EQ(cm_to_pixels(0.1f, 2100000, 21.0), 10000);  // 0.1f = 0.10000000149..
}

TEST(PrintLayout, ConvertsStepByStepSoRoundingAccumulates) {
    Job job;
    int y = cm_to_y(*job.page, 4);
    for (int i = 0; i < 10; ++i) y += cm_to_y(*job.page, 0.4);
    EXPECT_EQ(y, 945 + 940);
    EXPECT_NE(y, cm_to_y(*job.page, 8));  // 1889: summing centimetres would differ
}

TEST(PrintLayout, FontTableHasEveryNumberExceptThirtySevenToThirtyNine) {
    Job job;
    load_print_fonts(*job.page);
    std::vector<int> numbers;
    for (const auto& [n, font] : job.rec->fonts_created) numbers.push_back(n);
    std::vector<int> expected{36};
    for (int n = 40; n <= 90; ++n) expected.push_back(n);
    EXPECT_EQ(numbers, expected);

    struct Case {
        int number;
        const char* face;
        int nominal;
        bool bold;
    };
    // nominal = cm_to_y(h) on 7014 pixels for 29.7 cm
    for (const Case& c : {Case{36, "Calibri", 59, false}, Case{40, "arial", 43, false},
                          Case{46, "Arial", 57, false}, Case{49, "arial", 64, false},
                          Case{50, "Verdana", 43, false}, Case{67, "Calibri", 59, false},
                          Case{79, "Candara", 64, false}, Case{80, "Calibri", 76, true},
                          Case{81, "Verdana", 57, true}, Case{82, "Calibri", 64, true},
                          Case{83, "Verdana", 52, true}, Case{84, "Calibri", 57, true},
                          Case{85, "Calibri", 80, true}, Case{86, "Calibri", 66, true},
                          Case{87, "arial", 94, true}, Case{88, "verdana", 64, true},
                          Case{89, "verdana", 76, true}, Case{90, "Calibri", 52, true}}) {
        auto f = job.rec->font(c.number);
        ASSERT_TRUE(f) << c.number;
        EXPECT_EQ(f->face, c.face) << c.number;
        EXPECT_EQ(f->nominal, c.nominal) << c.number;
        EXPECT_EQ(f->bold, c.bold) << c.number;
        EXPECT_EQ(f->proof_quality, c.bold) << c.number;
    }
}

TEST(PrintLayout, FontHeightFollowsTheScreenAndTheCentimetresNotThePrinter) {
    // Two printers of different resolution: the same height in centimetres.
    Job fine(4960, 7014, 120), coarse(2480, 3507, 120);
    load_print_fonts(*fine.page);
    load_print_fonts(*coarse.page);
    EXPECT_EQ(fine.rec->font(54)->em_height, 87);    // 52 x 120 / 72 = 86.67
    EXPECT_EQ(coarse.rec->font(54)->em_height, 43);  // 26 x 120 / 72 = 43.33
    // A screen whose logical resolution cannot be read counts as 96.
    Job unknown(4960, 7014, 0);
    load_print_fonts(*unknown.page);
    EXPECT_EQ(unknown.rec->font(54)->em_height, 69);
}

TEST(PrintLayout, LetterheadIsScaledTo19Point4By3Centimetres) {
    Job job;
    draw_letterhead(*job.page);
    draw_letterhead(*job.page, kInvoiceLetterheadImage);
    auto pics = job.rec->of_kind(Call::Picture);
    ASSERT_EQ(pics.size(), 2u);
    EXPECT_EQ(pics[0].image, 98);
    EXPECT_EQ(pics[0].x, 236);  // 1 cm
    EXPECT_EQ(pics[0].y, 47);   // 0.2 cm
    EXPECT_EQ(pics[0].w, 4582);
    EXPECT_EQ(pics[0].h, 708);
    EXPECT_EQ(pics[1].image, 99);
}

TEST(PrintLayout, RightAlignedTextTakesOnePitchPerCharacterFromTheInset) {
    Job job;
    const int right = cm_to_x(*job.page, 20);  // 4724
    draw_right_aligned(*job.page, "1 234.50", right, 1000, 0.18, 0.16);
    auto texts = job.rec->of_kind(Call::Text);
    ASSERT_EQ(texts.size(), 8u);
    // Drawn from the last character to the first.
    EXPECT_EQ(texts[0].text, "0");
    EXPECT_EQ(texts[0].x, right - 43);  // inset 0.18 cm = 42.51 pixels
    EXPECT_EQ(texts[7].text, "1");
    EXPECT_EQ(texts[7].x, right - 43 - 7 * 38);  // pitch 0.16 cm = 37.8 -> 38
    for (const Call& c : texts) EXPECT_EQ(c.y, 1000);
    EXPECT_EQ(texts[6].text, " ");  // spaces take their pitch too
}

TEST(PrintLayout, RightAlignedAmountTooLongForItsColumnRunsLeftAcrossTheBoundary) {
    Job job;
    const int left = cm_to_x(*job.page, 18), right = cm_to_x(*job.page, 20);
    draw_right_aligned(*job.page, "123 456 789 012.34", right, 500, 0.18, 0.16);
    auto texts = job.rec->of_kind(Call::Text);
    ASSERT_EQ(texts.size(), 18u);  // nothing clipped
    EXPECT_LT(texts.back().x, left);
    EXPECT_EQ(texts.back().text, "1");
}

TEST(PrintLayout, RightAlignedTextSplitsUtf8Characters) {
    Job job;
    draw_right_aligned(*job.page, "é1", 1000, 0, 0, 0.2);
    auto texts = job.rec->of_kind(Call::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "1");
    EXPECT_EQ(texts[1].text, "é");
    EXPECT_EQ(utf8_characters("a\xC3"), (std::vector<std::string>{"a", "\xC3"}));
}

TEST(PrintLayout, TableFrameDrawsEveryBoundaryAndThreeRules) {
    Job job;
    std::vector<int> cols{283, 1000, 4724};
    draw_table_frame(*job.page, cols, 1200, 1436, 2000);
    auto lines = job.rec->of_kind(Call::Line);
    ASSERT_EQ(lines.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i].x, cols[i]);
        EXPECT_EQ(lines[i].x2, cols[i]);
        EXPECT_EQ(lines[i].y, 1200);
        EXPECT_EQ(lines[i].y2, 2000);
    }
    int rule_y[] = {1200, 1436, 2000};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[3 + i].x, 283);
        EXPECT_EQ(lines[3 + i].x2, 4724);
        EXPECT_EQ(lines[3 + i].y, rule_y[i]);
        EXPECT_EQ(lines[3 + i].y2, rule_y[i]);
        EXPECT_EQ(lines[3 + i].front, kBlack);
    }
}

TEST(PrintLayout, RecorderMeasuresHalfAnEmPerCharacter) {
    Job job;
    load_print_fonts(*job.page);
    job.page->select_font(54);  // em 69
    EXPECT_EQ(job.page->text_width("12é"), 3 * 34);
}

}  // namespace
}  // namespace kelmo::print
