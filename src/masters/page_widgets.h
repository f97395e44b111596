// Small widget helpers shared by the three pages of the Tables window: labels, fields,
// buttons at fixed pixel positions, and the list kept in step with a tab's rows.
#pragma once

#include <QObject>
#include <QString>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "gui/list_view.h"
#include "gui/session.h"
#include "gui/upper_case.h"
#include "masters/master_lists.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class QComboBox;

namespace kelmo::masters {

QString qs(const std::string& s);
std::string text_of(const QLineEdit* field);
std::string text_of(const QComboBox* box);

// The page's heading (font 17) at (20, 20).
QLabel* heading(QWidget* page, const QString& text);
QLabel* label(QWidget* page, const QString& text, int x, int y, int width);
QLineEdit* field(QWidget* page, const char* name, int x, int y, int width);
// A read-only text on a coloured background (codes, stock).
QLineEdit* read_only(QWidget* page, const char* name, int x, int y, int width, Rgb background);
QPushButton* button(QWidget* page, const QString& caption, int x, int y, int width);
// Shows a text from its first letter: a long designation, name or address would otherwise
// show only its end.
void show_from_start(QLineEdit* field, const std::string& text);
// A flat frame drawn around a form.
void frame(QWidget* page, int x, int y, int width, int height);
// The reset picture button (image 10) with its tool tip.
QPushButton* reset_button(QWidget* page, int x, int y);

// Redraws only the row an operation changed.
void show_change(QTreeWidget* list, const std::vector<ListRow>& rows, RowChange change);

// The rows the clients and suppliers forms share: the code and the name (in the right
// column, with the reset button at its end), then the address and the telephone. Object
// names are `prefix` followed by "Code", "Name", "Address" and "Tel".
struct PartnerRows {
    QLineEdit* code;
    QLineEdit* nom;
    QLineEdit* ad;
    QLineEdit* tel;
    QPushButton* reset;
};
PartnerRows partner_rows(QWidget* page, const std::string& prefix, const QString& name_caption,
                         int right_label_x, int right_field_x, int second_row_y);

// What the three pages share: the tab's logic and its list, the fill the first time the
// tab is chosen, and the round trip of an operation through the form and the list. `Tab`
// is ProductsTab, ClientsTab or SuppliersTab.
template <typename Tab>
class MasterPage : public QObject {
  public:
    Tab& tab() { return tab_; }
    QTreeWidget* list() const { return list_; }

  protected:
    MasterPage(QWidget* page, gui::Session& session)
        : QObject(page), tab_(session.store, session.op) {}

    virtual void read_form() = 0;
    virtual void show_form() = 0;

    // Runs `fill` and shows its rows, the first time only; false when already done. Rows
    // saved before then are only a few of the table's, so they do not count as a fill.
    bool fill_once(void (Tab::*fill)()) {
        if (filled_) return false;
        filled_ = true;
        (tab_.*fill)();
        gui::show_rows(list_, tab_.rows());
        return true;
    }

    // Form in, the operation, form out: operations that leave the list as it is.
    void change_form(void (Tab::*operation)()) {
        read_form();
        (tab_.*operation)();
        show_form();
    }

    // Form in, the operation, then the row it changed and the form out.
    RowChange change_list(RowChange (Tab::*operation)()) {
        read_form();
        const RowChange change = (tab_.*operation)();
        show_change(list_, tab_.rows(), change);
        show_form();
        return change;
    }

    // A click on a list row puts its cells into the form, then runs `then`.
    template <typename Then>
    void choose_on_click(Then then) {
        connect(list_, &QTreeWidget::itemClicked, this, [this, then](QTreeWidgetItem* item) {
            tab_.choose_row(list_->indexOfTopLevelItem(item));
            show_form();
            then();
        });
    }

    Tab tab_;
    QTreeWidget* list_ = nullptr;

  private:
    bool filled_ = false;
};

}  // namespace kelmo::masters
