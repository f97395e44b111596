// The products tab of the Tables window: its form, its list and its operations, in plain
// values. The widget moves field texts in and out of `form` around each operation.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "masters/master_lists.h"

namespace kelmo::masters {

// Field texts of the product form, as shown.
struct ProductForm {
    std::string code;  // read-only, empty for a product not yet numbered
    std::string prod;
    std::string qi;
    std::string pa;
    std::string pvf;
    std::string pvc;
    std::string stock;  // read-only
    bool operator==(const ProductForm&) const = default;
};

// Next product code: the largest plus one, skipping 999 and 9999, which mark the header
// rows of cash sales, receipts and invoices and so can never name a product.
std::string next_product_code(store::Store& store);

// True when FProd keeps the purchase price typed on the product (column Pai).
bool products_keep_initial_price(store::Store& store);

// Writes "Windows-1252" bytes of a UTF-8 text; characters it lacks become '?'.
std::string to_cp1252(const std::string& utf8);

class ProductsTab {
  public:
    // `open_file` starts the spreadsheet program on the exported file, without waiting.
    using Opener = std::function<void(const std::string& path)>;

    ProductsTab(store::Store& store, Operator& op) : store_(store), op_(op) {}

    static const std::vector<ListColumn>& columns();

    ProductForm form;
    const std::vector<ListRow>& rows() const { return rows_; }

    void fill_product_list();
    // Puts the cells of list row `index` into the form.
    void choose_row(int index);
    void new_product();
    RowChange save_product();
    RowChange delete_product();
    // Writes "inventaire.xls" into `folder` from the list as shown, then opens it.
    // Returns the path written, or "" when it could not be written.
    std::string export_products(const std::string& folder, const Opener& open_file);

  private:
    ListRow row_of(const ProductForm& f) const;

    store::Store& store_;
    Operator& op_;
    std::vector<ListRow> rows_;
};

}  // namespace kelmo::masters
