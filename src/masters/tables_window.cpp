#include "masters/tables_window.h"

#include <QShortcut>
#include <QTabWidget>

#include "gui/session.h"
#include "masters/clients_page.h"
#include "masters/products_page.h"
#include "masters/suppliers_page.h"

namespace kelmo::masters {

namespace {

gui::FrameLayout frame_layout() {
    gui::FrameLayout frame;
    frame.title = "Logiciel de vente par facilité - Tables";
    frame.background = QColor(33, 33, 255);
    frame.tabs = {"TABLE DES PRODUITS", " TABLE DES CLIENTS", " TABLE DES FOURNISSEURS"};
    frame.width_less = 100;
    frame.height_less = 50;
    return frame;
}

}  // namespace

TablesWindow::TablesWindow(gui::Session& session, QWidget* parent)
    : gui::WorkingWindow(frame_layout(), parent),
      products_(new ProductsPage(page(Products), session)),
      clients_(new ClientsPage(page(Clients), session)),
      suppliers_(new SuppliersPage(page(Suppliers), session)) {
    connect(this, &gui::WorkingWindow::tabChosen, this, &TablesWindow::on_tab_chosen);
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this,
            &TablesWindow::on_save_key);
    connect(new QShortcut(QKeySequence(Qt::Key_F6), this), &QShortcut::activated, this,
            &TablesWindow::on_new_key);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Delete), this), &QShortcut::activated,
            this, &TablesWindow::on_delete_key);
}

void TablesWindow::open_on(int entry) {
    select_tab(entry);
    clients_->fill_occupation_box();
    focus_form(entry);
}

void TablesWindow::on_tab_chosen(int index) {
    switch (index) {
        case Products:
            products_->fill_on_choice();
            break;
        case Clients:
            clients_->fill_on_choice();
            break;
        case Suppliers:
            suppliers_->fill_on_choice();
            break;
    }
    focus_form(index);
}

void TablesWindow::focus_form(int index) {
    switch (index) {
        case Products:
            products_->focus_form();
            break;
        case Clients:
            clients_->focus_form();
            break;
        case Suppliers:
            suppliers_->focus_form();
            break;
    }
}

void TablesWindow::on_save_key() {
    switch (tabs()->currentIndex()) {
        case Products:
            products_->save_product();
            break;
        case Clients:
            clients_->save_client();
            break;
    }
}

void TablesWindow::on_new_key() {
    switch (tabs()->currentIndex()) {
        case Products:
            products_->new_product();
            break;
        case Clients:
            clients_->new_client();
            break;
    }
}

void TablesWindow::on_delete_key() {
    switch (tabs()->currentIndex()) {
        case Products:
            products_->delete_product();
            break;
        case Clients:
            clients_->delete_client();
            break;
    }
}

void tables_window(gui::Session& session, QWidget* parent) {
    const int entry = session.selected_entry >= TablesWindow::Products &&
                              session.selected_entry <= TablesWindow::Suppliers
                          ? session.selected_entry
                          : TablesWindow::Products;
    TablesWindow window(session, parent);
    window.open_on(entry);
    window.run(entry);
}

}  // namespace kelmo::masters
