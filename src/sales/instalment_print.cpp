#include "sales/instalment_print.h"

#include <algorithm>

#include "print/layout.h"
#include "sales/instalment_sale.h"

namespace kelmo::sales {

using print::cm_to_x;
using print::cm_to_y;
using print::draw_right_aligned;
using print::Page;

namespace {

const Rgb kGrey{211, 211, 211};
const Rgb kDarkGrey{69, 69, 69};
// Where the table starts again on a continuation page.
constexpr float kContinuationTopCm = 1.5f;

struct NoteLayout {
    Page& page;
    std::vector<int> columns;  // boundaries: 1.2, 3.5, 13, 15.3, 17.5, 20 cm

    explicit NoteLayout(Page& p) : page(p) {
        for (float cm : {1.2f, 3.5f, 13.f, 15.3f, 17.5f, 20.f}) columns.push_back(cm_to_x(p, cm));
    }
    int x(float cm) const { return cm_to_x(page, cm); }
    int dy(float cm) const { return cm_to_y(page, cm); }
    void right(const std::string& text, int edge, int y) {
        draw_right_aligned(page, text, edge, y, 0.4f, 0.18f);
    }

    // A label and its value. A value set close to its label (the client's name) starts a
    // little after the label when the label runs past its place, so that neither hides the
    // other.
    void labelled(int label_font, float label_cm, const std::string& caption, int value_font,
                  float value_cm, const std::string& value, int y) {
        page.select_font(label_font);
        page.text(x(label_cm), y, caption);
        const int label_end = x(label_cm) + page.text_width(caption) + x(0.15f) - x(0);
        page.select_font(value_font);
        page.text(std::max(x(value_cm), label_end), y, value);
    }

    // The grey column header between `top` and its bottom; returns the first row's y.
    int column_header(int top, int& header_bottom) {
        header_bottom = top + dy(0.8f);
        page.box(columns.front(), top, columns.back(), header_bottom, kGrey);
        int y = top + dy(0.3f);
        page.select_font(81);
        page.set_text_colours(kDarkGrey, kGrey);
        page.text(x(2.4f), y, "REF.");
        page.text(x(6.2f), y, "DESIGNATION");
        page.text(x(13.4f), y, "QTE");
        page.text(x(16.1f), y, "P. U");
        page.text(x(17.9f), y, "MONTANT");
        page.set_text_colours(print::kBlack, print::kWhite);
        return header_bottom + dy(0.4f);
    }
};

}  // namespace

print::PrintOutcome print_instalment_delivery_note(Operator& op, const InstalmentSale& sale) {
    const InstalmentForm& f = sale.form;
    std::string refusal;
    if (f.number.empty())
        refusal = "N° de BL incorrect !";
    else if (f.lines.empty())
        refusal = print::kNothingToPrint;
    return print::run_print_job(op, refusal, [&](Page& page) {
        NoteLayout l(page);
        page.set_draw_colour(print::kBlack);
        print::draw_letterhead(page);
        int y = l.dy(4);
        page.select_font(80);
        page.text(l.x(1.2f), y, "BON DE LIVRAISON N° " + f.number);
        page.select_font(74);
        page.text(l.x(1.2f), y + l.dy(1), "(VENTE PAR FACILITE)");
        l.labelled(81, 15.3f, "DATE : ", 56, 16.8f, f.date, y);
        l.labelled(81, 15.3f, "Code Client:", 56, 17.6f, sale.client_code(), y + l.dy(1));

        y += l.dy(2);
        page.box(l.columns.front(), y, l.columns.back(), y + l.dy(0.2f), kGrey);
        y += l.dy(0.5f);
        l.labelled(81, 1.2f, "CLIENT:", 56, 2.5f, f.client, y);
        l.labelled(81, 9, "ADR.:", 56, 10.3f, f.address, y);
        l.labelled(81, 15.5f, "N° TEL.:", 56, 17, f.tel, y);
        y += l.dy(0.6f);
        l.labelled(56, 1.2f, "FONC.:", 56, 3.5f, f.occupation, y);
        l.labelled(56, 15.5f, "N° CCP :", 56, 17.4f, f.ccp, y);

        int table_top = y + l.dy(1);
        int header_bottom = 0;
        y = l.column_header(table_top, header_bottom);
        const int bottom = print::bottom_limit(page);
        for (const ListRow& row : f.lines) {
            if (y + l.dy(0.6f) > bottom) {
                // Close this page's part of the table and go on under a new header.
                print::draw_table_frame(page, l.columns, table_top, header_bottom, y);
                page.new_page();
                table_top = l.dy(kContinuationTopCm);
                y = l.column_header(table_top, header_bottom);
            }
            page.select_font(54);
            page.text(l.x(1.4f), y, row.cell(0));
            page.text(l.x(3.7f), y, row.cell(1));
            l.right(row.cell(2), l.columns[3], y);
            l.right(row.cell(3), l.columns[4], y);
            l.right(row.cell(4), l.columns[5], y);
            y += l.dy(0.6f);
        }
        print::draw_table_frame(page, l.columns, table_top, header_bottom, y);

        // Total, figures and the two sums after them, kept together on one page.
        const int block = l.dy(0.1f) + l.dy(1) + 8 * l.dy(0.5f) + 2 * l.dy(0.5f) + l.dy(0.6f);
        if (y + block > bottom) {
            page.new_page();
            y = l.dy(kContinuationTopCm);
        }
        y += l.dy(0.1f);
        page.select_font(82);
        page.text(l.x(15.5f), y, "T O T A L");
        l.right(f.total, l.columns[5], y);

        y += l.dy(1);
        const int block_top = y;
        page.select_font(69);
        const std::pair<const char*, const std::string*> figures[] = {
            {"REMISE", &f.discount},
            {"1er Versement", &f.first_payment},
            {"Net à payer", &f.net},
            {"Mensualité", &f.monthly},
            {"Nombre de mois", &f.months},
            {"Nbre de tranche/mois:", &f.per_month},
            {"Montant par tranche:", &f.instalment},
        };
        for (const auto& [caption, value] : figures) {
            y += l.dy(0.5f);
            page.text(l.x(13.5f), y, caption);
            l.right(*value, l.columns[5], y);
        }
        y += l.dy(0.5f);
        const int left = l.x(13), right = l.columns[5];
        page.line(left, block_top, right, block_top);
        page.line(left, y, right, y);
        page.line(left, block_top, left, y);
        page.line(right, block_top, right, y);

        y += l.dy(0.5f);
        page.text(l.x(13.5f), y, "TOTAL VERSEMENTS:");
        l.right(sale.total_paid(), right, y);
        y += l.dy(0.5f);
        page.text(l.x(13.5f), y, "RESTE A REMBOURSER:");
        l.right(f.remaining, right, y);
    });
}

}  // namespace kelmo::sales
