// What the three tabs of the Tables window share: their list rows and their colours.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "util/list_rows.h"

namespace kelmo::store {
class Store;
}

namespace kelmo::masters {

// Background of every second row (the second, fourth, ...) of a freshly filled list.
inline constexpr Rgb kAlternateRow{218, 218, 218};

// Colours the filled list's rows alternately.
void stripe_rows(std::vector<ListRow>& rows);

// Index of the row whose first cell is `code`, or -1.
int find_row(const std::vector<ListRow>& rows, const std::string& code);

// The number (position 0) of the first row `sql` finds for `value`, or nothing: the guards
// that refuse to delete a record still named by a document.
std::optional<std::string> first_document(store::Store& store, int db, const char* sql,
                                          const std::string& value);

// How an operation changed a list, so the widget redraws only that row.
struct RowChange {
    enum Kind { None, Replaced, Appended, Removed } kind = None;
    int index = -1;
};

}  // namespace kelmo::masters
