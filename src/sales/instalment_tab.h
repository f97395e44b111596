// The widgets of the instalment tab "VENTE PAR FACILITE": fixed pixel layout, the moves of
// field texts to and from the logic around every operation, and the routing of events.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>

#include "sales/instalment_sale.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace kelmo::gui {
struct Session;
}

namespace kelmo::sales {

class InstalmentTab : public QObject {
    Q_OBJECT
  public:
    InstalmentTab(QWidget* page, gui::Session& session);
    ~InstalmentTab() override;

    InstalmentSale& logic() { return logic_; }

    // Tab-change initialisation (the operator chose this tab).
    void tab_chosen();
    // Shows stored document `number` (the product movement tab picks one this way).
    void show_document(const std::string& number);
    // Return with the focus in `focus`: true when the tab has an effect for it.
    bool next_field(QWidget* focus);
    // Shows the form's values in the controls.
    void refresh() { push(); }
    // The controls that Return acts on.
    std::vector<QWidget*> return_fields() const;

    // Controls, named as their captions (tests and the window reach them by these).
    QLineEdit *number, *file_number, *client_id, *client, *address, *tel, *ccp, *debit_day;
    QLineEdit *code, *designation, *quantity, *unit_price;
    QLineEdit *total, *discount, *first_payment, *first_date, *net, *months, *monthly, *per_month,
        *instalment, *tr_field, *paid, *obs;
    QComboBox *occupation, *mode;
    QDateEdit *date, *paid_date;
    QLabel *balance, *count_text, *purchase_price, *instalment_price, *cash_price, *stock,
        *months_left, *remaining;
    QPushButton *previous_button, *next_button, *print_button, *delete_line_button, *cancel_button,
        *new_button, *add_line_button, *record_payment_button, *delete_payment_button,
        *calendar_button, *save_button;
    QTreeWidget *chooser, *lines, *calendar, *payments;
    QProgressBar* progress;

  private:
    void build(QWidget* page);
    void build_schedule(QWidget* page);
    void connect_events();
    // The text fields and the form values they hold, both ways.
    std::vector<std::pair<QLineEdit*, std::string InstalmentForm::*>> text_fields() const;
    // Field texts to the form, and the form back to the controls.
    void pull();
    void push();
    // Runs one operation between a pull and a push.
    void run(const std::function<void()>& operation);
    void print();

    gui::Session& session_;
    InstalmentSale logic_;
    std::map<QWidget*, std::function<void()>> on_return_;
    bool pushing_ = false;
};

}  // namespace kelmo::sales
