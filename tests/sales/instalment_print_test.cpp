// The delivery note of the instalment tab, drawn on the recorder.
#include <map>

#include "print/layout.h"
#include "print/recorder.h"
#include "sales/instalment_print.h"
#include "sales_fixture.h"

namespace kelmo::test {
namespace {

using print::Call;
using print::Recording;

class DeliveryNoteTest : public SalesTest {
  protected:
    std::shared_ptr<Recording> rec = std::make_shared<Recording>();

    int x(float cm) { return print::cm_to_pixels(cm, 4960, print::kPageWidthCm); }
    int y(float cm) { return print::cm_to_pixels(cm, 7014, print::kPageHeightCm); }

    print::PrintOutcome print_note() {
        data.op().printers.push_back(std::make_unique<print::RecordingTarget>(rec));
        return sales::print_instalment_delivery_note(data.op(), sale);
    }

    // The texts drawn at height `at` on `page`, left to right; characters drawn one by one
    // (right-aligned amounts) are joined back into their text.
    std::vector<std::string> line_at(int page, int at) {
        std::vector<Call> calls;
        for (const Call& c : rec->texts_on_page(page))
            if (c.y == at) calls.push_back(c);
        std::stable_sort(calls.begin(), calls.end(),
                         [](const Call& a, const Call& b) { return a.x < b.x; });
        const int pitch = x(0.18f);
        std::vector<std::string> out;
        int last_x = -1000;
        bool last_single = false;
        for (const Call& c : calls) {
            bool single = print::utf8_characters(c.text).size() == 1;
            if (single && last_single && c.x - last_x == pitch)
                out.back() += c.text;
            else
                out.push_back(c.text);
            last_x = c.x;
            last_single = single;
        }
        return out;
    }

    const Call* find_text(const std::string& text, int page = -1) {
        for (const Call& c : rec->calls)
            if (c.kind == Call::Text && c.text == text && (page < 0 || c.page == page)) return &c;
        return nullptr;
    }

    void fill(int line_count) {
        sale.form.number = "7";
        sale.form.date = "10/03/2025";
        // The current client code is the one last chosen.
        client("12", "BENALI", "0550", "777");
        sale.form.client = "BENALI";
        sale.search_by_name();
        sale.choose(0);
        sale.form.client = "BENALI";
        sale.form.address = "ORAN";
        sale.form.tel = "0550";
        sale.form.occupation = "MEDECIN";
        sale.form.ccp = "777";
        for (int i = 1; i <= line_count; ++i)
            sale.form.lines.push_back(
                sales::make_row({std::to_string(i), "ARTICLE " + std::to_string(i), "1.00",
                                 "1 234 567.89", "1 234 567.89"}));
        sale.form.total = "30 000.00";
        sale.form.discount = "1 000.00";
        sale.form.first_payment = "5 000.00";
        sale.form.net = "24 000.00";
        sale.form.monthly = "4 800.00";
        sale.form.months = "5";
        sale.form.per_month = "2";
        sale.form.instalment = "2 400.00";
        sale.form.remaining = "";
    }
};

TEST_F(DeliveryNoteTest, Refusals) {
    sale.form.lines.push_back(sales::make_row({"1", "A", "1.00", "1.00", "1.00"}));
    EXPECT_EQ(sales::print_instalment_delivery_note(data.op(), sale), print::PrintOutcome::Refused);
    EXPECT_EQ(data.op().last(), "N° de BL incorrect !");
    sale.form.number = "3";
    sale.form.lines.clear();
    EXPECT_EQ(sales::print_instalment_delivery_note(data.op(), sale), print::PrintOutcome::Refused);
    EXPECT_EQ(data.op().last(), "Il n'y a rien à imprimer ! ");
    for (const auto& s : data.op().shown) EXPECT_NE(s.kind, "printer");
}

TEST_F(DeliveryNoteTest, HeaderRowsAndFigures) {
    fill(2);
    ASSERT_EQ(print_note(), print::PrintOutcome::Printed);
    EXPECT_EQ(rec->job_name, "Print-Doc");
    EXPECT_EQ(rec->pages, 1);
    EXPECT_TRUE(rec->ended);

    const Call* title = find_text("BON DE LIVRAISON N° 7");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->x, x(1.2f));
    EXPECT_EQ(title->y, y(4));
    EXPECT_EQ(title->font, 80);
    EXPECT_EQ(find_text("(VENTE PAR FACILITE)")->font, 74);
    EXPECT_EQ(line_at(0, y(4)),
              (std::vector<std::string>{"BON DE LIVRAISON N° 7", "DATE : ", "10/03/2025"}));
    EXPECT_EQ(line_at(0, y(4) + y(1)),
              (std::vector<std::string>{"(VENTE PAR FACILITE)", "Code Client:", "12"}));
    int client_y = y(4) + y(2) + y(0.5f);
    EXPECT_EQ(line_at(0, client_y),
              (std::vector<std::string>{"CLIENT:", "BENALI", "ADR.:", "ORAN", "N° TEL.:", "0550"}));
    EXPECT_EQ(line_at(0, client_y + y(0.6f)),
              (std::vector<std::string>{"FONC.:", "MEDECIN", "N° CCP :", "777"}));

    int table_top = client_y + y(0.6f) + y(1);
    const Call* ref = find_text("REF.");
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->y, table_top + y(0.3f));
    EXPECT_EQ(ref->front, (Rgb{69, 69, 69}));
    EXPECT_EQ(ref->back, (Rgb{211, 211, 211}));
    EXPECT_EQ(line_at(0, ref->y),
              (std::vector<std::string>{"REF.", "DESIGNATION", "QTE", "P. U", "MONTANT"}));

    int row_y = table_top + y(0.8f) + y(0.4f);
    EXPECT_EQ(line_at(0, row_y),
              (std::vector<std::string>{"1", "ARTICLE 1", "1.00", "1 234 567.89", "1 234 567.89"}));
    const Call* code = find_text("ARTICLE 2");
    EXPECT_EQ(code->y, row_y + y(0.6f));
    EXPECT_EQ(code->font, 54);
    // The amount's last character stands 0.4 cm inside the right edge.
    std::vector<Call> at_row;
    for (const Call& c : rec->texts_on_page(0))
        if (c.y == row_y) at_row.push_back(c);
    int rightmost = 0;
    for (const Call& c : at_row) rightmost = std::max(rightmost, c.x);
    EXPECT_EQ(rightmost, x(20) - x(0.4f));

    int after_rows = row_y + 2 * y(0.6f);
    int total_y = after_rows + y(0.1f);
    EXPECT_EQ(line_at(0, total_y), (std::vector<std::string>{"T O T A L", "30 000.00"}));
    int fy = total_y + y(1);
    const std::vector<std::pair<std::string, std::string>> figures = {
        {"REMISE", "1 000.00"},
        {"1er Versement", "5 000.00"},
        {"Net à payer", "24 000.00"},
        {"Mensualité", "4 800.00"},
        {"Nombre de mois", "5"},
        {"Nbre de tranche/mois:", "2"},
        {"Montant par tranche:", "2 400.00"}};
    for (const auto& [label, value] : figures) {
        fy += y(0.5f);
        EXPECT_EQ(line_at(0, fy), (std::vector<std::string>{label, value})) << label;
    }
    fy += y(0.5f) + y(0.5f);
    EXPECT_EQ(line_at(0, fy), (std::vector<std::string>{"TOTAL VERSEMENTS:", "0.00"}));
    EXPECT_EQ(line_at(0, fy + y(0.5f)), (std::vector<std::string>{"RESTE A REMBOURSER:"}));
    EXPECT_EQ(find_text("Nombre de mois")->font, 69);
}

// A printer whose fonts are `factor` times as wide as the recorder's.
class WideLettersTarget : public PrintTarget {
  public:
    WideLettersTarget(std::shared_ptr<Recording> rec, int factor) : rec_(rec), factor_(factor) {}
    std::unique_ptr<print::Page> start_job(const std::string& job_name) override {
        rec_->job_name = job_name;
        rec_->width = 4960;
        rec_->height = 7014;
        rec_->pages = 1;
        return std::make_unique<Page>(rec_, factor_);
    }

  private:
    struct Page : print::RecordingPage {
        Page(std::shared_ptr<Recording> rec, int factor)
            : RecordingPage(std::move(rec), 96), factor(factor) {}
        int text_width(const std::string& text) override {
            return factor * RecordingPage::text_width(text);
        }
        int factor;
    };
    std::shared_ptr<Recording> rec_;
    int factor_;
};

// Each header value stands at its place, or just after its label when the label (drawn on
// an opaque background) runs past that place, so that neither hides the other.
TEST_F(DeliveryNoteTest, HeaderValuesNeverHideTheirLabels) {
    const struct {
        std::string label, value;
        float value_cm;
    } pairs[] = {{"DATE : ", "10/03/2025", 16.8f}, {"Code Client:", "12", 17.6f},
                 {"CLIENT:", "BENALI", 2.5f},      {"ADR.:", "ORAN", 10.3f},
                 {"N° TEL.:", "0550", 17},         {"FONC.:", "MEDECIN", 3.5f},
                 {"N° CCP :", "777", 17.4f}};
    fill(1);
    for (int factor : {1, 3}) {
        rec = std::make_shared<Recording>();
        data.op().printers.push_back(std::make_unique<WideLettersTarget>(rec, factor));
        ASSERT_EQ(sales::print_instalment_delivery_note(data.op(), sale),
                  print::PrintOutcome::Printed);
        int moved = 0;
        for (const auto& p : pairs) {
            const Call* label = find_text(p.label);
            const Call* value = find_text(p.value);
            ASSERT_TRUE(label && value) << p.label;
            const int label_end =
                label->x + factor * rec->font(label->font)->em_height / 2 *
                               static_cast<int>(print::utf8_characters(p.label).size());
            EXPECT_EQ(value->y, label->y) << p.label;
            EXPECT_GT(value->x, label_end) << p.label << " x" << factor;
            if (label_end < x(p.value_cm))
                EXPECT_EQ(value->x, x(p.value_cm)) << p.label << " x" << factor;
            else
                ++moved;
        }
        if (factor == 3) {
            EXPECT_GE(moved, 1);
        }
    }
}

TEST_F(DeliveryNoteTest, FortyLinesGoOnASecondPage) {
    fill(40);
    ASSERT_EQ(print_note(), print::PrintOutcome::Printed);
    EXPECT_EQ(rec->pages, 2);
    std::map<std::string, int> printed;  // designation -> page
    for (const Call& c : rec->of_kind(Call::Text))
        if (c.text.rfind("ARTICLE ", 0) == 0) printed[c.text] = c.page + 1;
    ASSERT_EQ(printed.size(), 40u);
    EXPECT_EQ(printed["ARTICLE 1"], 1);
    EXPECT_EQ(printed["ARTICLE 40"], 2);
    // Every row above the bottom limit, the header again on page 2, the figures after the
    // last row.
    for (const Call& c : rec->of_kind(Call::Text)) EXPECT_LT(c.y, 7014 - 200) << c.text;
    ASSERT_TRUE(find_text("REF.", 1));
    const Call* last = find_text("ARTICLE 40");
    const Call* total = find_text("T O T A L");
    EXPECT_EQ(total->page, 1);
    EXPECT_GT(total->y, last->y);
    EXPECT_GT(find_text("RESTE A REMBOURSER:")->y, total->y);
    EXPECT_LT(find_text("REF.", 1)->y, find_text("ARTICLE 40")->y);
}

TEST_F(DeliveryNoteTest, CancelledDialogPrintsNothing) {
    fill(1);
    EXPECT_EQ(sales::print_instalment_delivery_note(data.op(), sale),
              print::PrintOutcome::Cancelled);
    EXPECT_TRUE(rec->calls.empty());
}

}  // namespace
}  // namespace kelmo::test
