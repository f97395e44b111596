// The suppliers tab of the Tables window: form and list, moved to and from SuppliersTab
// around each operation. It has no keyboard command other than Enter.
#pragma once

#include <QObject>

#include "masters/suppliers.h"

class QLineEdit;
class QTreeWidget;
class QWidget;

namespace kelmo::gui {
struct Session;
}

namespace kelmo::masters {

class SuppliersPage : public QObject {
  public:
    SuppliersPage(QWidget* page, gui::Session& session);

    SuppliersTab& tab() { return tab_; }
    QTreeWidget* list() const { return list_; }

    // Fills the list the first time the tab is chosen.
    void fill_on_choice();
    // Puts the cursor in the form's first field.
    void focus_form();
    void new_supplier();
    void save_supplier();
    void delete_supplier();
    void clear_supplier_form();

  private:
    void read_form();
    void show_form();

    SuppliersTab tab_;
    QLineEdit* code_;
    QLineEdit* nom_;
    QLineEdit* ad_;
    QLineEdit* tel_;
    QLineEdit* si_;
    QTreeWidget* list_;
    // Rows saved before the first fill are only a few of the table's: the fill still runs.
    bool filled_ = false;
};

}  // namespace kelmo::masters
