// What the three tabs of the Tables window share: their list rows and their colours, the
// lookups of a record's key, and the guards that refuse to delete a record in use.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "util/list_rows.h"

namespace kelmo {
class Operator;
}
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

// Position 0 (the code or document number) of the first row `sql` finds for `value`, or
// nothing.
std::optional<std::string> first_key(store::Store& store, int db, const char* sql,
                                     const std::string& value);

// A table whose rows name a record, and what to say when one does; the message ends with
// the number of the first document found.
struct RecordUse {
    int db;
    const char* sql;
    const char* message;
};

// When `use` finds a row for `value`, shows its message in a box titled `title` and
// returns true: the record must not be deleted.
bool report_use(store::Store& store, Operator& op, const char* title, const RecordUse& use,
                const std::string& value);

// How an operation changed a list, so the widget redraws only that row.
struct RowChange {
    enum Kind { None, Replaced, Appended, Removed } kind = None;
    int index = -1;
};

// Puts a saved record's row in place of the row of its code, keeping that row's colour,
// or appends it when the list does not show the record (not filled yet).
RowChange put_row(std::vector<ListRow>& rows, ListRow row);

// Removes the row of a deleted record, if the list shows it.
RowChange remove_row(std::vector<ListRow>& rows, const std::string& code);

}  // namespace kelmo::masters
