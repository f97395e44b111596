// The Tables window: products, clients and suppliers, one tab each.
#pragma once

#include "gui/working_window.h"

class QWidget;

namespace kelmo::gui {
struct Session;
}

namespace kelmo::masters {

class ProductsPage;
class ClientsPage;
class SuppliersPage;

// Shows the Tables window on the tab of the session's selected entry (0 products,
// 1 clients, 2 suppliers) and returns when the operator closes it.
void tables_window(gui::Session& session, QWidget* parent);

class TablesWindow : public gui::WorkingWindow {
  public:
    enum Tab { Products = 0, Clients = 1, Suppliers = 2 };

    explicit TablesWindow(gui::Session& session, QWidget* parent = nullptr);

    // Selects the tab of `entry` without counting it as a tab change, so its list stays
    // empty until the operator chooses it again; fills the occupation box.
    void open_on(int entry);

    ProductsPage& products() { return *products_; }
    ClientsPage& clients() { return *clients_; }
    SuppliersPage& suppliers() { return *suppliers_; }

  private:
    // The list of a tab the operator chooses is filled, once.
    void on_tab_chosen(int index);
    void focus_form(int index);
    // F5, F6 and Alt+Delete act on the products and clients tabs only.
    void on_save_key();
    void on_new_key();
    void on_delete_key();

    ProductsPage* products_;
    ClientsPage* clients_;
    SuppliersPage* suppliers_;
};

}  // namespace kelmo::masters
