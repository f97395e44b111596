#include "print/list_printout.h"

#include "print/layout.h"
#include "util/dates.h"

namespace kelmo::print {

int x_at(const Page& page, float cm, float offset_cm) {
    int x = cm_to_x(page, cm);
    if (offset_cm != 0) x += cm_to_x(page, offset_cm);
    return x;
}

void start_page_header(Page& page, PrintState& state, const std::vector<float>& columns_cm) {
    draw_letterhead(page);
    state.y = cm_to_y(page, 4);
    state.columns.clear();
    for (float cm : columns_cm) state.columns.push_back(cm_to_x(page, cm));
}

void draw_column_titles(Page& page, PrintState& state, int font,
                        const std::vector<ColumnTitle>& titles, float header_cm) {
    state.table_top = state.y;
    state.header_bottom = state.table_top + cm_to_y(page, header_cm);
    page.select_font(font);
    const int y = state.table_top + cm_to_y(page, 0.3f);
    for (const ColumnTitle& t : titles) page.text(x_at(page, t.cm, t.offset_cm), y, t.text);
    state.y = state.header_bottom + cm_to_y(page, 0.4f);
}

std::string footer_text(const std::string& user, const std::string& date, const std::string& time) {
    return "Agent: " + user + "           Date: " + date + "           Heure: " + time;
}

namespace {

void select_row_style(Page& page, const ListPrintout& p) {
    page.set_draw_colour(kBlack);
    page.set_text_colours(kBlack, kWhite);
    page.select_font(p.row_font);
}

void draw_cells(Page& page, const ListPrintout& p, const PrintState& state, const ListRow& row) {
    for (const CellPlace& c : p.cells) {
        const std::string& text = row.cell(c.cell);
        if (c.right_aligned) {
            draw_right_aligned(page, text, x_at(page, c.cm, c.offset_cm), state.y, p.inset_cm,
                               p.pitch_cm);
        } else if (!text.empty()) {
            page.text(x_at(page, c.cm, c.offset_cm), state.y, text);
        }
    }
}

}  // namespace

void draw_list(Page& page, const ListPrintout& p, const std::vector<ListRow>& rows) {
    PrintState state;
    state.row = 0;
    if (p.page_header) p.page_header(page, state);
    select_row_style(page, p);
    for (state.row = 0; state.row < rows.size(); ++state.row) {
        const ListRow& row = rows[state.row];
        if (p.draw_row) {
            p.draw_row(page, state, row);
        } else {
            draw_cells(page, p, state, row);
        }
        state.y += cm_to_y(page, p.row_step_cm);
        // The test runs after every row, so a break may follow the last one.
        if (state.y >= bottom_limit(page)) {
            draw_table_frame(page, state.columns, state.table_top, state.header_bottom, state.y);
            page.new_page();
            if (p.page_header) p.page_header(page, state);
            select_row_style(page, p);
        }
    }
    if (p.step_before_frame) state.y += cm_to_y(page, p.row_step_cm);
    draw_table_frame(page, state.columns, state.table_top, state.header_bottom, state.y);
    if (p.user) {
        Stamp now = stamp_now();
        state.date = now.date;
        state.time = now.time;
        state.y = cm_to_y(page, 29);
        page.set_text_colours(kBlack, kWhite);
        page.select_font(56);
        int x = p.footer_cm             ? cm_to_x(page, *p.footer_cm)
                : state.columns.empty() ? 0
                                        : state.columns.front();
        page.text(x, state.y, footer_text(*p.user, state.date, state.time));
    }
}

PrintOutcome print_list(Operator& op, const ListPrintout& printout,
                        const std::vector<ListRow>& rows) {
    return run_print_job(op, rows.empty() ? kNothingToPrint : "",
                         [&](Page& page) { draw_list(page, printout, rows); });
}

}  // namespace kelmo::print
