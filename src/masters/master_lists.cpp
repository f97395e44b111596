#include "masters/master_lists.h"

#include "store/store.h"
#include "util/operator.h"

namespace kelmo::masters {

void stripe_rows(std::vector<ListRow>& rows) {
    for (size_t i = 1; i < rows.size(); i += 2) rows[i].background = kAlternateRow;
}

int find_row(const std::vector<ListRow>& rows, const std::string& code) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].cell(0) == code) return static_cast<int>(i);
    return -1;
}

std::optional<std::string> first_key(store::Store& store, int db, const char* sql,
                                     const std::string& value) {
    std::optional<std::string> key;
    store.for_each(db, sql, {value}, [&key](const store::Row& r) {
        key = r.text(0);
        return false;  // the first row is enough
    });
    return key;
}

bool report_use(store::Store& store, Operator& op, const char* title, const RecordUse& use,
                const std::string& value) {
    const auto number = first_key(store, use.db, use.sql, value);
    if (number) op.message(title, use.message + *number);
    return number.has_value();
}

RowChange put_row(std::vector<ListRow>& rows, ListRow row) {
    const int index = find_row(rows, row.cell(0));
    if (index < 0) {
        rows.push_back(std::move(row));
        return {RowChange::Appended, static_cast<int>(rows.size()) - 1};
    }
    row.background = rows[index].background;
    rows[index] = std::move(row);
    return {RowChange::Replaced, index};
}

RowChange remove_row(std::vector<ListRow>& rows, const std::string& code) {
    const int index = find_row(rows, code);
    if (index < 0) return {};
    rows.erase(rows.begin() + index);
    return {RowChange::Removed, index};
}

}  // namespace kelmo::masters
