#include "masters/suppliers_page.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "gui/list_view.h"
#include "gui/session.h"
#include "masters/page_widgets.h"

namespace kelmo::masters {

SuppliersPage::SuppliersPage(QWidget* page, gui::Session& session)
    : MasterPage(page, session),
      partner_(partner_rows(page, "supplier", "N O M :", 480, 610, 100)) {
    heading(page, "TABLE DES FOURNISSEURS");
    frame(page, 10, 50, 960, 110);

    label(page, "SOLDE INITIAL:", 480, 126, 120);
    si_ = field(page, "supplierSi", 610, 126, 80);

    QPushButton* remove = button(page, "Supprimer", 500, 176, 150);
    QPushButton* create = button(page, "Nouveau Fournisseur", 660, 176, 150);
    QPushButton* save = button(page, "Valider", 820, 176, 150);

    list_ =
        gui::make_list(page, QRect(10, 221, 960, 200), SuppliersTab::columns(), Rgb{255, 192, 203});
    list_->setObjectName("supplierList");

    connect(partner_.reset, &QPushButton::clicked, this, [this] { clear_supplier_form(); });
    connect(remove, &QPushButton::clicked, this, [this] { delete_supplier(); });
    connect(create, &QPushButton::clicked, this, [this] { new_supplier(); });
    connect(save, &QPushButton::clicked, this, [this] { save_supplier(); });
    choose_on_click([this] { partner_.ad->setFocus(); });

    // Enter: the name loads a known supplier; the opening balance saves.
    connect(partner_.nom, &QLineEdit::returnPressed, this, [this] {
        change_form(&SuppliersTab::enter_name);
        partner_.ad->setFocus();
    });
    connect(partner_.ad, &QLineEdit::returnPressed, this, [this] { partner_.tel->setFocus(); });
    connect(partner_.tel, &QLineEdit::returnPressed, this, [this] { si_->setFocus(); });
    connect(si_, &QLineEdit::returnPressed, this, [this] { save_supplier(); });
}

void SuppliersPage::read_form() {
    tab_.form = {text_of(partner_.code), text_of(partner_.nom), text_of(partner_.ad),
                 text_of(partner_.tel), text_of(si_)};
}

void SuppliersPage::show_form() {
    const SupplierForm& f = tab_.form;
    partner_.code->setText(qs(f.code));
    show_from_start(partner_.nom, f.nom);
    show_from_start(partner_.ad, f.ad);
    partner_.tel->setText(qs(f.tel));
    si_->setText(qs(f.si));
}

void SuppliersPage::focus_form() {
    partner_.nom->setFocus();
}

void SuppliersPage::fill_on_choice() {
    fill_once(&SuppliersTab::fill_supplier_list);
}

void SuppliersPage::clear_supplier_form() {
    change_form(&SuppliersTab::clear_supplier_form);
}

void SuppliersPage::new_supplier() {
    change_form(&SuppliersTab::new_supplier);
    partner_.nom->setFocus();
}

void SuppliersPage::save_supplier() {
    if (change_list(&SuppliersTab::save_supplier).kind != RowChange::None) partner_.nom->setFocus();
}

void SuppliersPage::delete_supplier() {
    change_list(&SuppliersTab::delete_supplier);
}

}  // namespace kelmo::masters
