#include "masters/page_widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "gui/catalogue.h"
#include "gui/list_view.h"
#include "gui/upper_case.h"

namespace kelmo::masters {

namespace {

constexpr int kFieldHeight = 22;


}  // namespace

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
std::string text_of(const QLineEdit* field) {
    return field->text().toStdString();
}
std::string text_of(const QComboBox* box) {
    return box->currentText().toStdString();
}

QLabel* heading(QWidget* page, const QString& text) {
    auto* l = new QLabel(text, page);
    l->setObjectName("heading");
    l->setFont(gui::screen_font(17));
    l->move(20, 20);
    l->adjustSize();
    return l;
}

QLabel* label(QWidget* page, const QString& text, int x, int y, int width) {
    auto* l = new QLabel(text, page);
    l->setGeometry(x, y, width, kFieldHeight);
    return l;
}

QLineEdit* field(QWidget* page, const char* name, int x, int y, int width) {
    auto* f = new QLineEdit(page);
    f->setObjectName(name);
    f->setGeometry(x, y, width, kFieldHeight);
    return f;
}

QLineEdit* read_only(QWidget* page, const char* name, int x, int y, int width, Rgb background) {
    QLineEdit* f = field(page, name, x, y, width);
    f->setReadOnly(true);
    f->setFocusPolicy(Qt::NoFocus);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Base, gui::to_qcolor(background));
    f->setPalette(pal);
    return f;
}

QPushButton* button(QWidget* page, const QString& caption, int x, int y, int width) {
    auto* b = new QPushButton(caption, page);
    b->setGeometry(x, y, width, 28);
    // Return belongs to the fields' Enter chains, never to a default button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

void show_from_start(QLineEdit* field, const std::string& text) {
    field->setText(qs(text));
    field->setCursorPosition(0);
}

void frame(QWidget* page, int x, int y, int width, int height) {
    auto* f = new QFrame(page);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Plain);
    f->setGeometry(x, y, width, height);
    f->lower();
}

QPushButton* reset_button(QWidget* page, int x, int y) {
    auto* b = button(page, QString(), x, y, 30);
    b->setObjectName("reset");
    b->setFixedSize(30, 30);
    b->setIcon(QIcon(gui::picture(10)));
    b->setIconSize(QSize(26, 26));
    b->setToolTip("Initialiser les champs de saisie...");
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

PartnerRows partner_rows(QWidget* page, const std::string& prefix, const QString& name_caption,
                         int right_label_x, int right_field_x, int second_row_y) {
    const int label_width = right_field_x - right_label_x - 10;
    PartnerRows rows;
    label(page, "Code interne:", 20, 70, 140);
    rows.code = read_only(page, (prefix + "Code").c_str(), 170, 70, 50, {176, 217, 214});
    label(page, name_caption, right_label_x, 70, label_width);
    rows.nom = field(page, (prefix + "Name").c_str(), right_field_x, 70, 250);
    gui::make_upper_case(rows.nom);
    rows.reset = reset_button(page, 920, 65);

    label(page, "ADRESSE:", 20, second_row_y, 140);
    rows.ad = field(page, (prefix + "Address").c_str(), 170, second_row_y, 250);
    gui::make_upper_case(rows.ad);
    label(page, "N° TELEPHONE:", right_label_x, second_row_y, label_width);
    rows.tel = field(page, (prefix + "Tel").c_str(), right_field_x, second_row_y, 250);
    return rows;
}

void show_change(QTreeWidget* list, const std::vector<ListRow>& rows, RowChange change) {
    switch (change.kind) {
        case RowChange::None:
            return;
        case RowChange::Replaced:
            if (QTreeWidgetItem* item = list->topLevelItem(change.index))
                gui::set_row(list, item, rows[change.index]);
            return;
        case RowChange::Appended: {
            auto* item = new QTreeWidgetItem;
            gui::set_row(list, item, rows[change.index]);
            list->addTopLevelItem(item);
            return;
        }
        case RowChange::Removed:
            delete list->takeTopLevelItem(change.index);
            return;
    }
}

}  // namespace kelmo::masters
