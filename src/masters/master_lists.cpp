#include "masters/master_lists.h"

#include "store/store.h"

namespace kelmo::masters {

void stripe_rows(std::vector<ListRow>& rows) {
    for (size_t i = 1; i < rows.size(); i += 2) rows[i].background = kAlternateRow;
}

int find_row(const std::vector<ListRow>& rows, const std::string& code) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].cell(0) == code) return static_cast<int>(i);
    return -1;
}

std::optional<std::string> first_document(store::Store& store, int db, const char* sql,
                                          const std::string& value) {
    std::optional<std::string> number;
    store.for_each(db, sql, {value}, [&number](const store::Row& r) {
        number = r.text(0);
        return false;  // the first row is enough
    });
    return number;
}

}  // namespace kelmo::masters
