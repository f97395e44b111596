#include "print/list_printout.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "print/layout.h"
#include "print/recorder.h"
#include "support/scripted_operator.h"
#include "util/dates.h"

namespace kelmo::print {
namespace {

// A journal-like printout: columns 1.2, 3, 17, 20 cm; title and one sub-title line.
ListPrintout sample_printout() {
    ListPrintout p;
    p.page_header = [](Page& page, PrintState& s) {
        start_page_header(page, s, {1.2f, 3.0f, 17.0f, 20.0f});
        page.select_font(88);
        page.text(s.columns[0], s.y, "JOURNAL");
        s.y += cm_to_y(page, 1);
        draw_column_titles(
            page, s, 68, {{"Date", 1.2f, 0.4f}, {"Libellé", 3.0f, 0.5f}, {"Montant", 17.0f, 0.5f}});
    };
    p.cells = {{0, 1.2f, 0.1f}, {1, 3.0f, 0.2f}, {2, 20.0f, 0, true}};
    p.user = "ADMIN";
    return p;
}

std::vector<ListRow> rows_of(int n) {
    std::vector<ListRow> rows;
    for (int i = 0; i < n; ++i) {
        ListRow row;
        row.cells = {"01/02/2024", "ligne " + std::to_string(i + 1), "1 250.00"};
        rows.push_back(row);
    }
    return rows;
}

class ListPrintoutTest : public ::testing::Test {
  protected:
    void SetUp() override { set_fixed_clock(LocalDateTime{{2024, 3, 5}, 9, 7, 30}); }
    void TearDown() override { set_fixed_clock(std::nullopt); }

    PrintOutcome print(int n_rows, const ListPrintout& p = sample_printout()) {
        op.printers.push_back(std::make_unique<RecordingTarget>(rec));
        return print_list(op, p, rows_of(n_rows));
    }
    std::vector<Call> texts_starting(const std::string& prefix, int page) const {
        std::vector<Call> out;
        for (const Call& c : rec->texts_on_page(page)) {
            if (c.text.rfind(prefix, 0) == 0) out.push_back(c);
        }
        return out;
    }

    test::ScriptedOperator op;
    std::shared_ptr<Recording> rec = std::make_shared<Recording>();
};

// Header on 4960 x 7014: y = 945, title, y + 236 = 1181 = table top, header bottom 1417,
// rows from 1511, 94 apart; the break comes when y reaches 6814, i.e. after 57 rows.
constexpr int kTableTop = 1181, kHeaderBottom = 1417, kFirstRow = 1511, kRowsPerPage = 57;

TEST_F(ListPrintoutTest, EmptyListIsRefusedBeforeThePrinterDialog) {
    EXPECT_EQ(print(0), PrintOutcome::Refused);
    ASSERT_EQ(op.shown.size(), 1u);
    EXPECT_EQ(op.shown[0], (test::Shown{"message", "Erreur", "Il n'y a rien à imprimer ! "}));
    EXPECT_TRUE(rec->calls.empty());
}

TEST_F(ListPrintoutTest, CancelledDialogPrintsAndShowsNothing) {
    // No printer queued: the scripted dialog is cancelled.
    EXPECT_EQ(print_list(op, sample_printout(), rows_of(3)), PrintOutcome::Cancelled);
    ASSERT_EQ(op.shown.size(), 1u);
    EXPECT_EQ(op.shown[0].kind, "printer");
}

TEST_F(ListPrintoutTest, RefusedJobEndsSilently) {
    auto target = std::make_unique<RecordingTarget>(rec);
    target->refuse_job = true;
    op.printers.push_back(std::move(target));
    EXPECT_EQ(print_list(op, sample_printout(), rows_of(3)), PrintOutcome::JobRefused);
    EXPECT_EQ(op.shown.size(), 1u);
    EXPECT_TRUE(rec->calls.empty());
}

TEST_F(ListPrintoutTest, JobIsNamedAndFontsAreCreatedBeforeDrawing) {
    EXPECT_EQ(print(2), PrintOutcome::Printed);
    EXPECT_EQ(rec->job_name, "Print-Doc");
    EXPECT_EQ(rec->fonts_created.size(), 52u);
    EXPECT_TRUE(rec->ended);
    EXPECT_EQ(rec->calls.back().kind, Call::EndJob);
}

TEST_F(ListPrintoutTest, RowsAreDrawnInTheRowFontFromHeaderBottomPlusFourMillimetres) {
    print(2);
    auto dates = texts_starting("01/02/2024", 0);
    ASSERT_EQ(dates.size(), 2u);
    EXPECT_EQ(dates[0].y, kFirstRow);
    EXPECT_EQ(dates[1].y, kFirstRow + 94);
    EXPECT_EQ(dates[0].x, 283 + 24);  // 1.2 cm + 0.1 cm, converted apart
    EXPECT_EQ(dates[0].font, 54);
    EXPECT_EQ(dates[0].front, kBlack);
    EXPECT_EQ(dates[0].back, kWhite);
    // Column titles at table top + 0.3 cm.
    auto title = texts_starting("Montant", 0);
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].y, kTableTop + 71);
    EXPECT_EQ(title[0].x, 4015 + 118);
    EXPECT_EQ(title[0].font, 68);
    // The amount's last character at the inset from 20 cm.
    std::vector<Call> amount;
    for (const Call& c : rec->texts_on_page(0)) {
        if (c.y == kFirstRow && c.text.size() == 1) amount.push_back(c);
    }
    ASSERT_EQ(amount.size(), 8u);  // "1 250.00", one character at a time
    EXPECT_EQ(amount[0].text, "0");
    EXPECT_EQ(amount[0].x, 4724 - 43);
}

TEST_F(ListPrintoutTest, FrameAndFooterCloseTheLastPage) {
    print(2);
    const int y_end = kFirstRow + 2 * 94;
    auto lines = rec->of_kind(Call::Line);
    ASSERT_EQ(lines.size(), 7u);  // four boundaries and three rules
    EXPECT_EQ(lines[0].y, kTableTop);
    EXPECT_EQ(lines[0].y2, y_end);
    EXPECT_EQ(lines[4].y, kTableTop);
    EXPECT_EQ(lines[5].y, kHeaderBottom);
    EXPECT_EQ(lines[6].y, y_end);
    auto footer = texts_starting("Agent: ", 0);
    ASSERT_EQ(footer.size(), 1u);
    EXPECT_EQ(footer[0].text, "Agent: ADMIN           Date: 05/03/2024           Heure: 09:07:30");
    EXPECT_EQ(footer[0].y, 6849);
    EXPECT_EQ(footer[0].x, 283);
    EXPECT_EQ(footer[0].font, 56);
}

TEST_F(ListPrintoutTest, ListFillingOnePageExactlyBreaksAfterItsLastRow) {
    print(kRowsPerPage - 1);
    EXPECT_EQ(rec->pages, 1);

    rec = std::make_shared<Recording>();
    print(kRowsPerPage);
    EXPECT_EQ(rec->pages, 2);
    // Page 1: every row, its frame down to the y that broke, no footer.
    EXPECT_EQ(texts_starting("ligne", 0).size(), size_t(kRowsPerPage));
    EXPECT_TRUE(texts_starting("Agent: ", 0).empty());
    // Page 2: letterhead, header, an empty frame 0.4 cm deep, the footer.
    auto pics = rec->of_kind(Call::Picture);
    ASSERT_EQ(pics.size(), 2u);
    EXPECT_EQ(pics[1].page, 1);
    EXPECT_EQ(texts_starting("JOURNAL", 1).size(), 1u);
    EXPECT_TRUE(texts_starting("ligne", 1).empty());
    std::vector<Call> rules;
    for (const Call& c : rec->of_kind(Call::Line)) {
        if (c.page == 1 && c.y == c.y2) rules.push_back(c);
    }
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_EQ(rules[2].y - rules[1].y, 94);
    EXPECT_EQ(texts_starting("Agent: ", 1).size(), 1u);
}

TEST_F(ListPrintoutTest, FurtherStepBeforeFrameMakesTheEmptyFrameEightMillimetres) {
    ListPrintout p = sample_printout();
    p.step_before_frame = true;
    print(kRowsPerPage, p);
    std::vector<Call> rules;
    for (const Call& c : rec->of_kind(Call::Line)) {
        if (c.page == 1 && c.y == c.y2) rules.push_back(c);
    }
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_EQ(rules[2].y - rules[1].y, 188);
}

TEST_F(ListPrintoutTest, RowsContinueUnderTheHeaderOfTheNextPageInTheRowFont) {
    print(kRowsPerPage + 2);
    auto page1 = texts_starting("ligne", 1);
    ASSERT_EQ(page1.size(), 2u);
    EXPECT_EQ(page1[0].text, "ligne 58");
    EXPECT_EQ(page1[0].y, kFirstRow);
    EXPECT_EQ(page1[0].font, 54);
    EXPECT_EQ(page1[1].y, kFirstRow + 94);
    // The page-1 frame reaches the y that triggered the break.
    std::vector<Call> rules0;
    for (const Call& c : rec->of_kind(Call::Line)) {
        if (c.page == 0 && c.y == c.y2) rules0.push_back(c);
    }
    ASSERT_EQ(rules0.size(), 3u);
    EXPECT_EQ(rules0[2].y, kFirstRow + kRowsPerPage * 94);
    EXPECT_GE(rules0[2].y, 6814);
}

TEST_F(ListPrintoutTest, BottomLimitIsInDevicePixelsSoItDependsOnTheResolution) {
    // At 300 dpi (2480 x 3507) the same layout holds about twice as many centimetres of
    // margin: rows 47 apart from 756, break at 3307 -> 55 rows per page.
    op.printers.push_back(std::make_unique<RecordingTarget>(rec, 2480, 3507));
    print_list(op, sample_printout(), rows_of(55));
    EXPECT_EQ(rec->pages, 2);
    rec = std::make_shared<Recording>();
    op.printers.push_back(std::make_unique<RecordingTarget>(rec, 2480, 3507));
    print_list(op, sample_printout(), rows_of(54));
    EXPECT_EQ(rec->pages, 1);
}

TEST_F(ListPrintoutTest, StartedJobIsEndedEvenWhenDrawingFails) {
    op.printers.push_back(std::make_unique<RecordingTarget>(rec));
    EXPECT_THROW(run_print_job(op, "",
                               [](Page& page) {
                                   page.text(0, 0, "avant");
                                   throw std::runtime_error("panne");
                               }),
                 std::runtime_error);
    EXPECT_TRUE(rec->ended);
    EXPECT_EQ(rec->calls.back().kind, Call::EndJob);
}

TEST_F(ListPrintoutTest, DocumentCheckRefusesWithItsOwnMessage) {
    op.printers.push_back(std::make_unique<RecordingTarget>(rec));
    bool drawn = false;
    EXPECT_EQ(run_print_job(op, "N° de BL incorrect !", [&](Page&) { drawn = true; }),
              PrintOutcome::Refused);
    EXPECT_FALSE(drawn);
    EXPECT_EQ(op.texts(), std::vector<std::string>{"N° de BL incorrect !"});
    EXPECT_EQ(op.printers.size(), 1u);  // the dialog never opened
}

TEST_F(ListPrintoutTest, NoFooterWhenThePrintoutHasNone) {
    ListPrintout p = sample_printout();
    p.user.reset();
    print(3, p);
    EXPECT_TRUE(texts_starting("Agent", 0).empty());
}

}  // namespace
}  // namespace kelmo::print
