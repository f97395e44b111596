// The instalment tab's events: texts move from the controls to the logic, the operation
// runs, and its results come back to the controls.
#include "sales/instalment_tab.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include "gui/list_view.h"
#include "gui/session.h"
#include "sales/instalment_print.h"
#include "sales/quick_product_dialog.h"

namespace kelmo::sales {

namespace {

std::string text_of(const QLineEdit* f) {
    return f->text().toStdString();
}
std::string text_of(const QComboBox* b) {
    return b->currentText().toStdString();
}
std::string text_of(const QDateEdit* d) {
    return d->text().toStdString();
}

// Only a changed text is set, so that the cursor of the field being typed in stays put.
void set(QLineEdit* f, const std::string& s) {
    QString q = QString::fromStdString(s);
    if (f->text() != q) f->setText(q);
}
void set(QLabel* l, const std::string& s) {
    l->setText(QString::fromStdString(s));
}
void set(QComboBox* b, const std::vector<std::string>& entries, const std::string& s) {
    if (b->count() != static_cast<int>(entries.size())) {
        b->clear();
        for (const std::string& e : entries) b->addItem(QString::fromStdString(e));
    }
    QString q = QString::fromStdString(s);
    if (b->currentText() != q) b->setEditText(q);
}
// A picker takes only a real date; anything else (a totals row) leaves it as it was.
void set(QDateEdit* d, const std::string& s) {
    QDate value = QDate::fromString(QString::fromStdString(s), "dd/MM/yyyy");
    if (value.isValid()) d->setDate(value);
}

int selected_row(QTreeWidget* list) {
    QTreeWidgetItem* item = list->currentItem();
    return item ? list->indexOfTopLevelItem(item) : -1;
}

void focus(QWidget* w) {
    w->setFocus(Qt::OtherFocusReason);
    if (auto* f = qobject_cast<QLineEdit*>(w)) f->selectAll();
}

}  // namespace

InstalmentTab::InstalmentTab(QWidget* page, gui::Session& session)
    : QObject(page), session_(session), logic_(session.store, session.op) {
    build(page);
    logic_.create_product_quickly = [this, page](const std::string& designation) {
        run_quick_product_dialog(session_.store, session_.op, designation, page);
    };
    connect_events();
}

InstalmentTab::~InstalmentTab() = default;

std::vector<std::pair<QLineEdit*, std::string InstalmentForm::*>> InstalmentTab::text_fields()
    const {
    using F = InstalmentForm;
    return {{number, &F::number},
            {file_number, &F::file_number},
            {client, &F::client},
            {address, &F::address},
            {tel, &F::tel},
            {ccp, &F::ccp},
            {debit_day, &F::debit_day},
            {code, &F::code},
            {designation, &F::designation},
            {quantity, &F::quantity},
            {unit_price, &F::unit_price},
            {total, &F::total},
            {discount, &F::discount},
            {first_payment, &F::first_payment},
            {first_date, &F::first_date},
            {net, &F::net},
            {months, &F::months},
            {monthly, &F::monthly},
            {per_month, &F::per_month},
            {instalment, &F::instalment},
            {tr_field, &F::tr},
            {paid, &F::paid},
            {obs, &F::obs}};
}

void InstalmentTab::pull() {
    InstalmentForm& f = logic_.form;
    for (const auto& [field, value] : text_fields()) f.*value = text_of(field);
    f.date = text_of(date);
    f.occupation = text_of(occupation);
    f.mode = text_of(mode);
    f.paid_date = text_of(paid_date);
}

void InstalmentTab::push() {
    pushing_ = true;
    const InstalmentForm& f = logic_.form;
    for (const auto& [field, value] : text_fields()) set(field, f.*value);
    set(client_id, f.client_id);
    set(date, f.date);
    set(paid_date, f.paid_date);
    set(occupation, f.occupations, f.occupation);
    set(mode, f.modes, f.mode);
    for (auto [label, value] : {std::pair{balance, &f.balance},
                                {purchase_price, &f.purchase_price},
                                {instalment_price, &f.instalment_price},
                                {cash_price, &f.cash_price},
                                {stock, &f.stock},
                                {count_text, &f.count_text},
                                {months_left, &f.months_left},
                                {remaining, &f.remaining}})
        set(label, *value);
    progress->setValue(f.progress);

    std::vector<ListRow> chooser_rows;
    for (const std::string& s : f.chooser) chooser_rows.push_back(make_row({s, ""}));
    gui::show_rows(chooser, chooser_rows);
    gui::show_rows(lines, f.lines);
    gui::show_rows(calendar, f.calendar);
    gui::show_rows(payments, f.payments);
    pushing_ = false;
}

void InstalmentTab::run(const std::function<void()>& operation) {
    pull();
    operation();
    push();
}

void InstalmentTab::tab_chosen() {
    run([this] { logic_.tab_chosen(); });
}

void InstalmentTab::show_document(const std::string& number) {
    pull();
    logic_.form.number = number;
    logic_.load_instalment_sale();
    push();
}

void InstalmentTab::print() {
    pull();
    print_instalment_delivery_note(session_.op, logic_);
}

void InstalmentTab::connect_events() {
    auto on_click = [this](QPushButton* b, void (InstalmentSale::*op)()) {
        connect(b, &QPushButton::clicked, this,
                [this, op] { run([this, op] { (logic_.*op)(); }); });
    };
    on_click(new_button, &InstalmentSale::new_instalment_sale);
    on_click(previous_button, &InstalmentSale::previous_instalment_sale);
    on_click(next_button, &InstalmentSale::next_instalment_sale);
    on_click(add_line_button, &InstalmentSale::add_instalment_sale_line);
    on_click(delete_line_button, &InstalmentSale::delete_instalment_sale_line);
    on_click(cancel_button, &InstalmentSale::cancel_instalment_sale);
    on_click(calendar_button, &InstalmentSale::generate_instalment_calendar);
    on_click(record_payment_button, &InstalmentSale::record_instalment_payment);
    on_click(delete_payment_button, &InstalmentSale::delete_instalment_payment);
    // The confirmation comes once the fields show the validated document ("ID:" included).
    connect(save_button, &QPushButton::clicked, this, [this] {
        bool saved = false;
        run([this, &saved] { saved = logic_.save_instalment_sale(); });
        if (saved) session_.op.message("Confirmation", "BLF validé !");
    });
    connect(print_button, &QPushButton::clicked, this, [this] { print(); });

    // Search as you type: only what the operator types starts a search.
    auto on_typed = [this](QLineEdit* f, void (InstalmentSale::*op)()) {
        connect(f, &QLineEdit::textEdited, this, [this, op] {
            if (!pushing_) run([this, op] { (logic_.*op)(); });
        });
    };
    on_typed(client, &InstalmentSale::search_by_name);
    on_typed(tel, &InstalmentSale::search_by_tel);
    on_typed(ccp, &InstalmentSale::search_by_ccp);
    on_typed(designation, &InstalmentSale::search_by_designation);
    on_typed(code, &InstalmentSale::code_changed);

    connect(chooser, &QTreeWidget::itemClicked, this, [this] {
        int row = selected_row(chooser);
        run([this, row] { logic_.choose(row); });
    });
    connect(lines, &QTreeWidget::itemClicked, this, [this] {
        int row = selected_row(lines);
        run([this, row] { logic_.pick_line(row); });
    });
    connect(payments, &QTreeWidget::itemClicked, this, [this] {
        int row = selected_row(payments);
        run([this, row] { logic_.pick_payment(row); });
    });

    // Return, by the control that has the focus.
    auto to = [this](QWidget* from, QWidget* next) { on_return_[from] = [next] { focus(next); }; };
    auto op_then = [this](QWidget* from, void (InstalmentSale::*op)(), QWidget* next) {
        on_return_[from] = [this, op, next] {
            run([this, op] { (logic_.*op)(); });
            if (next) focus(next);
        };
    };
    to(file_number, client);
    to(client, address);
    to(address, tel);
    to(tel, occupation);
    to(occupation, ccp);
    to(ccp, debit_day);
    to(debit_day, designation);
    to(designation, quantity);
    op_then(quantity, &InstalmentSale::take_instalment_price, unit_price);
    op_then(unit_price, &InstalmentSale::add_instalment_sale_line, nullptr);
    op_then(discount, &InstalmentSale::recompute_instalment_schedule, first_payment);
    op_then(first_payment, &InstalmentSale::recompute_instalment_schedule, first_date);
    to(first_date, mode);
    op_then(mode, &InstalmentSale::recompute_instalment_schedule, months);
    to(months, per_month);
    op_then(per_month, &InstalmentSale::recompute_instalment_schedule, nullptr);
}

std::vector<QWidget*> InstalmentTab::return_fields() const {
    std::vector<QWidget*> out;
    for (const auto& [w, action] : on_return_) out.push_back(w);
    return out;
}

bool InstalmentTab::next_field(QWidget* focus_widget) {
    // The focus may sit in a part of a control (the line edit of a combo box).
    for (QWidget* w = focus_widget; w; w = w->parentWidget()) {
        auto it = on_return_.find(w);
        if (it != on_return_.end()) {
            it->second();
            return true;
        }
    }
    return false;
}

}  // namespace kelmo::sales
