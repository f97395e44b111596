// The list printout pattern shared by account cards, balance statements and journals.
// Qt-free. A window hands over what it shows: its list rows (kelmo::ListRow, cells as
// displayed) and the field texts its header needs; nothing is read from the database.
//
//     ListPrintout card;
//     card.page_header = [&](Page& page, PrintState& s) {
//         start_page_header(page, s, {1.2, 3.2, 14, 16, 18, 20});   // letterhead, y = 4 cm
//         page.select_font(88);
//         page.text(s.columns[0], s.y, "FICHE CLIENT (VF)");
//         s.y += cm_to_y(page, 0.8);
//         ... sub-title lines, each advancing s.y ...
//         draw_column_titles(page, s, 68, {{"Date", 1.2, 0.4}, {"Débit", 14, 0.5}, ...});
//     };
//     card.cells = {{0, 1.2, 0.1}, {1, 3.2, 0.2}, {2, 16, 0, true}, ...};
//     card.step_before_frame = true;
//     card.user = session.user;
//     print_list(op, card, rows);   // "Il n'y a rien à imprimer ! " when rows is empty
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "print/page.h"
#include "print/print_job.h"
#include "util/list_rows.h"
#include "util/operator.h"

namespace kelmo::print {

// What the pieces of one printout share while it is drawn, in device pixels.
struct PrintState {
    int y = 0;                 // top of the next thing to draw
    std::vector<int> columns;  // x of each column boundary, left edge to right edge
    int table_top = 0;         // y of the table's top line
    int header_bottom = 0;     // y of the line under the column titles
    size_t row = 0;            // index of the row being printed
    std::string date, time;    // footer stamp
};

// A position given as a boundary plus an offset, both in centimetres; converted piece by
// piece: cm_to_x(cm) + cm_to_x(offset_cm).
struct ColumnTitle {
    std::string text;
    float cm = 0;
    float offset_cm = 0;
};

// Where a row cell goes: left-aligned at cm + offset, or right-aligned against the
// boundary at cm (inset and pitch of the printout).
struct CellPlace {
    size_t cell = 0;
    float cm = 0;
    float offset_cm = 0;
    bool right_aligned = false;
};

int x_at(const Page& page, float cm, float offset_cm = 0);

// Page header opening: draws the letterhead, sets y to cm_to_y(4) and the column table to
// `columns_cm` in pixels.
void start_page_header(Page& page, PrintState& state, const std::vector<float>& columns_cm);

// Page header closing: table top = y, header bottom = table top + cm_to_y(header_cm); the
// titles in `font` at table top + cm_to_y(0.3); y = header bottom + cm_to_y(0.4).
void draw_column_titles(Page& page, PrintState& state, int font,
                        const std::vector<ColumnTitle>& titles, float header_cm = 1.0f);

struct ListPrintout {
    // Draws a page's header (letterhead, title, sub-titles, column titles) and leaves
    // state.columns, table_top, header_bottom and y set; called again after each break.
    std::function<void(Page&, PrintState&)> page_header;

    // Row drawing: the cells placed by `cells`, or `draw_row` when a row needs more.
    std::vector<CellPlace> cells;
    std::function<void(Page&, PrintState&, const ListRow&)> draw_row;
    int row_font = 54;
    float row_step_cm = 0.4f;
    float inset_cm = 0.18f;  // right-aligned cells
    float pitch_cm = 0.16f;

    // Account cards and balance statements add one more row step before the last frame.
    bool step_before_frame = false;

    // The footer "Agent: ..." with date and time, on the last page only; no footer when
    // unset. `user` is the session's user name (gui::Session::user).
    std::optional<std::string> user;
    // Its x in cm; unset: the table's first boundary.
    std::optional<float> footer_cm;
};

// Draws the rows on a job already started (list pattern steps 1 to 6).
void draw_list(Page& page, const ListPrintout& printout, const std::vector<ListRow>& rows);

// The whole printout: "Il n'y a rien à imprimer ! " for no rows, printer dialog, job, rows.
PrintOutcome print_list(Operator& op, const ListPrintout& printout,
                        const std::vector<ListRow>& rows);

// The footer text: "Agent: " + user + "           Date: " + date + "           Heure: " + time.
std::string footer_text(const std::string& user, const std::string& date, const std::string& time);

}  // namespace kelmo::print
