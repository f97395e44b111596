// The products tab of the Tables window: lays out the form, the buttons and the list, and
// moves field texts between the widgets and ProductsTab around each operation.
#pragma once

#include <QObject>

#include "masters/products.h"

class QLineEdit;
class QTreeWidget;
class QWidget;

namespace kelmo::gui {
struct Session;
}

namespace kelmo::masters {

class ProductsPage : public QObject {
  public:
    ProductsPage(QWidget* page, gui::Session& session);

    ProductsTab& tab() { return tab_; }
    QTreeWidget* list() const { return list_; }

    // Fills the list the first time the tab is chosen.
    void fill_on_choice();
    // Puts the cursor in the form's first field.
    void focus_form();
    void new_product();
    void save_product();
    void delete_product();
    void export_products();

  private:
    void read_form();
    void show_form();
    void choose_row(int index);

    ProductsTab tab_;
    QLineEdit* code_;
    QLineEdit* prod_;
    QLineEdit* qi_;
    QLineEdit* pa_;
    QLineEdit* pvf_;
    QLineEdit* pvc_;
    QLineEdit* stock_;
    QTreeWidget* list_;
    // Rows saved before the first fill are only a few of the table's: the fill still runs.
    bool filled_ = false;
};

}  // namespace kelmo::masters
