// The suppliers tab of the Tables window: form and list, moved to and from SuppliersTab
// around each operation. It has no keyboard command other than Enter.
#pragma once

#include "masters/page_widgets.h"
#include "masters/suppliers.h"

class QLineEdit;

namespace kelmo::masters {

class SuppliersPage : public MasterPage<SuppliersTab> {
  public:
    SuppliersPage(QWidget* page, gui::Session& session);

    // Fills the list the first time the tab is chosen.
    void fill_on_choice();
    // Puts the cursor in the form's first field.
    void focus_form();
    void new_supplier();
    void save_supplier();
    void delete_supplier();
    void clear_supplier_form();

  private:
    void read_form() override;
    void show_form() override;

    PartnerRows partner_;
    QLineEdit* si_;
};

}  // namespace kelmo::masters
