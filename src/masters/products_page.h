// The products tab of the Tables window: lays out the form, the buttons and the list, and
// moves field texts between the widgets and ProductsTab around each operation.
#pragma once

#include "masters/page_widgets.h"
#include "masters/products.h"

class QLineEdit;

namespace kelmo::masters {

class ProductsPage : public MasterPage<ProductsTab> {
  public:
    ProductsPage(QWidget* page, gui::Session& session);

    // Fills the list the first time the tab is chosen.
    void fill_on_choice();
    // Puts the cursor in the form's first field.
    void focus_form();
    void new_product();
    void save_product();
    void delete_product();
    void export_products();

  private:
    void read_form() override;
    void show_form() override;

    QLineEdit* code_;
    QLineEdit* prod_;
    QLineEdit* qi_;
    QLineEdit* pa_;
    QLineEdit* pvf_;
    QLineEdit* pvc_;
    QLineEdit* stock_;
};

}  // namespace kelmo::masters
