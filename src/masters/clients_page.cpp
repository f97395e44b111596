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
    : MasterPage(page, session), partner_(partner_rows(page, "client", "CLIENT:", 500, 620, 95)) {
    heading(page, "TABLE DES CLIENTS");
    frame(page, 10, 50, 960, 160);

    label(page, "FONCTION:", 20, 120, 140);
    fonc_ = new QComboBox(page);
    fonc_->setObjectName("clientFonc");
    fonc_->setEditable(true);
    fonc_->setInsertPolicy(QComboBox::NoInsert);
    fonc_->setGeometry(170, 120, 150, 22);
    gui::make_upper_case(fonc_);
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
    // The columns take the list's whole width, its frame included: a scroll bar would only
    // move them by those two pixels and hide the last row.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    connect(partner_.reset, &QPushButton::clicked, this, [this] { clear_client_form(); });
    connect(remove, &QPushButton::clicked, this, [this] { delete_client(); });
    connect(create, &QPushButton::clicked, this, [this] { new_client(); });
    connect(save, &QPushButton::clicked, this, [this] { save_client(); });
    choose_on_click([] {});

    // Enter: the name and the postal account load a known client; the opening balance
    // saves.
    connect(partner_.nom, &QLineEdit::returnPressed, this, [this] {
        change_form(&ClientsTab::enter_name);
        partner_.ad->setFocus();
    });
    connect(partner_.ad, &QLineEdit::returnPressed, this, [this] { partner_.tel->setFocus(); });
    connect(partner_.tel, &QLineEdit::returnPressed, this, [this] { fonc_->setFocus(); });
    connect(fonc_->lineEdit(), &QLineEdit::returnPressed, this, [this] { date_->setFocus(); });
    connect(date_, &QLineEdit::returnPressed, this, [this] { ccp_->setFocus(); });
    connect(ccp_, &QLineEdit::returnPressed, this, [this] {
        change_form(&ClientsTab::enter_ccp);
        si_->setFocus();
    });
    connect(si_, &QLineEdit::returnPressed, this, [this] { save_client(); });
}

void ClientsPage::read_form() {
    tab_.form = {text_of(partner_.code), text_of(partner_.nom), text_of(partner_.ad),
                 text_of(partner_.tel),  text_of(fonc_),        text_of(date_),
                 text_of(ccp_),          text_of(si_),          instalment_->isChecked()};
}

void ClientsPage::show_form() {
    const ClientForm& f = tab_.form;
    partner_.code->setText(qs(f.code));
    show_from_start(partner_.nom, f.nom);
    show_from_start(partner_.ad, f.ad);
    partner_.tel->setText(qs(f.tel));
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
    partner_.nom->setFocus();
}

void ClientsPage::fill_on_choice() {
    if (fill_once(&ClientsTab::fill_client_list)) fill_occupation_box();
}

void ClientsPage::clear_client_form() {
    change_form(&ClientsTab::clear_client_form);
}

void ClientsPage::new_client() {
    change_form(&ClientsTab::new_client);
    partner_.nom->setFocus();
}

void ClientsPage::save_client() {
    if (change_list(&ClientsTab::save_client).kind != RowChange::None) partner_.nom->setFocus();
}

void ClientsPage::delete_client() {
    change_list(&ClientsTab::delete_client);
}

}  // namespace kelmo::masters
