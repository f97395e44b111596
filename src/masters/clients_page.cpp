#include "masters/clients_page.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "gui/list_view.h"
#include "gui/session.h"
#include "masters/page_widgets.h"

namespace kelmo::masters {

ClientsPage::ClientsPage(QWidget* page, gui::Session& session)
    : QObject(page), tab_(session.store, session.op) {
    heading(page, "TABLE DES CLIENTS");
    frame(page, 10, 50, 960, 160);

    label(page, "Code interne:", 20, 70, 140);
    code_ = read_only(page, "clientCode", 170, 70, 50, {176, 217, 214});
    label(page, "CLIENT:", 500, 70, 110);
    nom_ = field(page, "clientName", 620, 70, 250);
    capitals(nom_);
    QPushButton* reset = reset_button(page, 920, 65);

    label(page, "ADRESSE:", 20, 95, 140);
    ad_ = field(page, "clientAddress", 170, 95, 250);
    capitals(ad_);
    label(page, "N° TELEPHONE:", 500, 95, 110);
    tel_ = field(page, "clientTel", 620, 95, 250);

    label(page, "FONCTION:", 20, 120, 140);
    fonc_ = new QComboBox(page);
    fonc_->setObjectName("clientFonc");
    fonc_->setEditable(true);
    fonc_->setInsertPolicy(QComboBox::NoInsert);
    fonc_->setGeometry(170, 120, 150, 22);
    capitals(fonc_);
    label(page, "DATE NAISSANCE:", 500, 120, 115);
    date_ = field(page, "clientDateN", 620, 120, 150);

    label(page, "N° C.C.P.:", 20, 145, 140);
    ccp_ = field(page, "clientCcp", 170, 145, 150);
    label(page, "SOLDE INITIAL:", 500, 145, 110);
    si_ = field(page, "clientSi", 620, 145, 80);

    instalment_ = new QRadioButton("CLIENT Vente par facilité", page);
    instalment_->setObjectName("clientInstalment");
    instalment_->setGeometry(170, 170, 250, 22);
    instalment_->setChecked(true);
    cash_ = new QRadioButton("CLIENT Vente cash", page);
    cash_->setObjectName("clientCash");
    cash_->setGeometry(620, 170, 200, 22);

    QPushButton* remove = button(page, "(#Alt+#SUP) Supprimer", 450, 225, 170);
    QPushButton* create = button(page, "(#F6) Nouveau Client", 630, 225, 170);
    QPushButton* save = button(page, "(#F5) Valider", 810, 225, 160);

    list_ =
        gui::make_list(page, QRect(10, 265, 960, 280), ClientsTab::columns(), Rgb{216, 205, 232});
    list_->setObjectName("clientList");

    connect(reset, &QPushButton::clicked, this, [this] { clear_client_form(); });
    connect(remove, &QPushButton::clicked, this, [this] { delete_client(); });
    connect(create, &QPushButton::clicked, this, [this] { new_client(); });
    connect(save, &QPushButton::clicked, this, [this] { save_client(); });
    connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        tab_.choose_row(list_->indexOfTopLevelItem(item));
        show_form();
    });

    // Enter: the name and the postal account load a known client; the opening balance
    // saves.
    connect(nom_, &QLineEdit::returnPressed, this, [this] {
        read_form();
        tab_.enter_name();
        show_form();
        ad_->setFocus();
    });
    connect(ad_, &QLineEdit::returnPressed, this, [this] { tel_->setFocus(); });
    connect(tel_, &QLineEdit::returnPressed, this, [this] { fonc_->setFocus(); });
    connect(fonc_->lineEdit(), &QLineEdit::returnPressed, this, [this] { date_->setFocus(); });
    connect(date_, &QLineEdit::returnPressed, this, [this] { ccp_->setFocus(); });
    connect(ccp_, &QLineEdit::returnPressed, this, [this] {
        read_form();
        tab_.enter_ccp();
        show_form();
        si_->setFocus();
    });
    connect(si_, &QLineEdit::returnPressed, this, [this] { save_client(); });
}

void ClientsPage::read_form() {
    tab_.form = {text_of(code_), text_of(nom_),  text_of(ad_),
                 text_of(tel_),  text_of(fonc_), text_of(date_),
                 text_of(ccp_),  text_of(si_),   instalment_->isChecked()};
}

void ClientsPage::show_form() {
    const ClientForm& f = tab_.form;
    code_->setText(qs(f.code));
    nom_->setText(qs(f.nom));
    ad_->setText(qs(f.ad));
    tel_->setText(qs(f.tel));
    fonc_->setEditText(qs(f.fonc));
    date_->setText(qs(f.dateN));
    ccp_->setText(qs(f.ccp));
    si_->setText(qs(f.si));
    (f.vf ? instalment_ : cash_)->setChecked(true);
}

void ClientsPage::fill_occupation_box() {
    if (fonc_->count() > 0) return;
    tab_.fill_occupation_box();
    const QString typed = fonc_->currentText();
    for (const std::string& fonc : tab_.occupations()) fonc_->addItem(qs(fonc));
    fonc_->setEditText(typed);
}

void ClientsPage::focus_form() {
    nom_->setFocus();
}

void ClientsPage::fill_on_choice() {
    if (filled_) return;
    filled_ = true;
    tab_.fill_client_list();
    show_all(list_, tab_.rows());
    fill_occupation_box();
}

void ClientsPage::clear_client_form() {
    read_form();
    tab_.clear_client_form();
    show_form();
}

void ClientsPage::new_client() {
    read_form();
    tab_.new_client();
    show_form();
    nom_->setFocus();
}

void ClientsPage::save_client() {
    read_form();
    const RowChange change = tab_.save_client();
    show_change(list_, tab_.rows(), ClientsTab::columns(), change);
    show_form();
    if (change.kind != RowChange::None) nom_->setFocus();
}

void ClientsPage::delete_client() {
    read_form();
    show_change(list_, tab_.rows(), ClientsTab::columns(), tab_.delete_client());
    show_form();
}

}  // namespace kelmo::masters
