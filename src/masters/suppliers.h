// The suppliers tab of the Tables window: supplier form and list and the supplier
// operations, in plain values. A supplier name belongs to one supplier only.
#pragma once

#include <string>
#include <vector>

#include "masters/master_lists.h"

namespace kelmo::masters {

// Field texts of the supplier form, as shown.
struct SupplierForm {
    std::string code;  // read-only
    std::string nom, ad, tel, si;
    bool operator==(const SupplierForm&) const = default;
};

class SuppliersTab {
  public:
    SuppliersTab(store::Store& store, Operator& op) : store_(store), op_(op) {}

    static const std::vector<ListColumn>& columns();

    SupplierForm form;
    const std::vector<ListRow>& rows() const { return rows_; }

    void fill_supplier_list();
    void choose_row(int index);
    bool load_supplier(const std::string& code);
    // Enter in the name field: loads the supplier of that name, if any.
    void enter_name();

    void clear_supplier_form();
    void new_supplier();
    RowChange save_supplier();
    RowChange delete_supplier();

  private:
    store::Store& store_;
    Operator& op_;
    std::vector<ListRow> rows_;
};

}  // namespace kelmo::masters
