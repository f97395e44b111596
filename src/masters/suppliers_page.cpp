#include "masters/suppliers_page.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "gui/list_view.h"
#include "gui/session.h"
#include "masters/page_widgets.h"

namespace kelmo::masters {

SuppliersPage::SuppliersPage(QWidget* page, gui::Session& session)
    : QObject(page), tab_(session.store, session.op) {
    heading(page, "TABLE DES FOURNISSEURS");
    frame(page, 10, 50, 960, 110);

    label(page, "Code interne:", 20, 70, 140);
    code_ = read_only(page, "supplierCode", 170, 70, 50, {176, 217, 214});
    label(page, "N O M :", 480, 70, 120);
    nom_ = field(page, "supplierName", 610, 70, 250);
    capitals(nom_);
    QPushButton* reset = reset_button(page, 920, 65);

    label(page, "ADRESSE:", 20, 100, 140);
    ad_ = field(page, "supplierAddress", 170, 100, 250);
    capitals(ad_);
    label(page, "N° TELEPHONE:", 480, 100, 120);
    tel_ = field(page, "supplierTel", 610, 100, 250);

    label(page, "SOLDE INITIAL:", 480, 126, 120);
    si_ = field(page, "supplierSi", 610, 126, 80);

    QPushButton* remove = button(page, "Supprimer", 500, 176, 150);
    QPushButton* create = button(page, "Nouveau Fournisseur", 660, 176, 150);
    QPushButton* save = button(page, "Valider", 820, 176, 150);

    list_ =
        gui::make_list(page, QRect(10, 221, 960, 200), SuppliersTab::columns(), Rgb{255, 192, 203});
    list_->setObjectName("supplierList");

    connect(reset, &QPushButton::clicked, this, [this] { clear_supplier_form(); });
    connect(remove, &QPushButton::clicked, this, [this] { delete_supplier(); });
    connect(create, &QPushButton::clicked, this, [this] { new_supplier(); });
    connect(save, &QPushButton::clicked, this, [this] { save_supplier(); });
    connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        tab_.choose_row(list_->indexOfTopLevelItem(item));
        show_form();
        ad_->setFocus();
    });

    // Enter: the name loads a known supplier; the opening balance saves.
    connect(nom_, &QLineEdit::returnPressed, this, [this] {
        read_form();
        tab_.enter_name();
        show_form();
        ad_->setFocus();
    });
    connect(ad_, &QLineEdit::returnPressed, this, [this] { tel_->setFocus(); });
    connect(tel_, &QLineEdit::returnPressed, this, [this] { si_->setFocus(); });
    connect(si_, &QLineEdit::returnPressed, this, [this] { save_supplier(); });
}

void SuppliersPage::read_form() {
    tab_.form = {text_of(code_), text_of(nom_), text_of(ad_), text_of(tel_), text_of(si_)};
}

void SuppliersPage::show_form() {
    const SupplierForm& f = tab_.form;
    code_->setText(qs(f.code));
    nom_->setText(qs(f.nom));
    ad_->setText(qs(f.ad));
    tel_->setText(qs(f.tel));
    si_->setText(qs(f.si));
}

void SuppliersPage::focus_form() {
    nom_->setFocus();
}

void SuppliersPage::fill_on_choice() {
    if (filled_) return;
    filled_ = true;
    tab_.fill_supplier_list();
    show_all(list_, tab_.rows());
}

void SuppliersPage::clear_supplier_form() {
    tab_.clear_supplier_form();
    show_form();
}

void SuppliersPage::new_supplier() {
    tab_.new_supplier();
    show_form();
    nom_->setFocus();
}

void SuppliersPage::save_supplier() {
    read_form();
    const RowChange change = tab_.save_supplier();
    show_change(list_, tab_.rows(), SuppliersTab::columns(), change);
    show_form();
    if (change.kind != RowChange::None) nom_->setFocus();
}

void SuppliersPage::delete_supplier() {
    read_form();
    show_change(list_, tab_.rows(), SuppliersTab::columns(), tab_.delete_supplier());
    show_form();
}

}  // namespace kelmo::masters
