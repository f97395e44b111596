// Multi-column list views with full-row selection, per-column alignment and per-row or
// per-cell colours, filled from the plain rows of the logic classes.
#pragma once

#include <QTreeWidget>
#include <vector>

#include "util/list_rows.h"

namespace kelmo::gui {

QColor to_qcolor(const Rgb& c);

// A list view at `geometry` with the given columns (titles, widths, alignments).
QTreeWidget* make_list(QWidget* parent, const QRect& geometry,
                       const std::vector<ListColumn>& columns,
                       std::optional<Rgb> background = std::nullopt);

// Replaces the list's rows with `rows`, keeping the columns' alignment.
void show_rows(QTreeWidget* list, const std::vector<ListRow>& rows);

// Puts one row's texts and colours into an item of `list` (new or already shown), with the
// columns' alignment; colours the row no longer has are cleared.
void set_row(QTreeWidget* list, QTreeWidgetItem* item, const ListRow& row);

// align_column: kind 1 right, 2 centred, other left (applies to the rows present).
void align_column(QTreeWidget* list, int column, int kind);

}  // namespace kelmo::gui
