#include "app/access_parameters_window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include "gui/catalogue.h"
#include "gui/list_view.h"
#include "gui/upper_case.h"

namespace kelmo::app {

namespace {

constexpr int kFieldHeight = 22;

gui::FrameLayout frame_layout() {
    return {"Logiciel de vente par facilité",
            QColor(100, 100, 100),
            {"Paramètres d'accès (ADMIN)", "Paramètres d'accès (Utilisateur)", " FERMER"},
            30,
            50};
}

QLabel* label(const QString& text, QWidget* parent, int x, int y, int width) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, width, kFieldHeight);
    return l;
}

QLineEdit* field(QWidget* parent, int x, int y, int width, bool password, bool capitals) {
    auto* f = new QLineEdit(parent);
    f->setGeometry(x, y, width, kFieldHeight);
    if (password) f->setEchoMode(QLineEdit::Password);
    if (capitals) gui::make_upper_case(f);
    return f;
}

QPushButton* button(const QString& text, QWidget* parent, int x, int y, int width) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(x, y, width, 30);
    b->setAutoDefault(false);
    return b;
}

QLabel* heading(const QString& text, QWidget* page) {
    auto* h = new QLabel(text, page);
    h->setFont(gui::screen_font(17));
    h->setGeometry(20, 15, 500, 30);
    return h;
}

QFrame* flat_frame(QWidget* page, int x, int y, int width, int height) {
    auto* f = new QFrame(page);
    f->setFrameShape(QFrame::StyledPanel);
    f->setGeometry(x, y, width, height);
    return f;
}

std::string text_of(const QLineEdit* f) {
    return f->text().toStdString();
}

}  // namespace

AccessParametersWindow::AccessParametersWindow(gui::Session& session, QWidget* parent)
    : gui::WorkingWindow(frame_layout(), parent), logic_(session.store, session.op, session.user) {
    const int desktop_width = QGuiApplication::primaryScreen()->availableGeometry().width();
    build_admin_tab(page(0), desktop_width);
    build_user_tab(page(1));
    logic_.fill_users();
    show_state();
}

void AccessParametersWindow::build_admin_tab(QWidget* page, int desktop_width) {
    heading("Paramètres d'accès (ADMIN)", page);
    flat_frame(page, 10, 50, desktop_width - 180, 140);
    QWidget* frame = page;
    const int top = 50;

    label("ADMINISTRATEUR :", frame, 20, top + 10, 160);
    admin_name = field(frame, 160, top + 10, 100, false, true);
    label("Ancien mot de passe :", frame, 20, top + 37, 160);
    admin_old_code = field(frame, 160, top + 37, 100, true, false);
    label("Nouveau mot de passe :", frame, 20, top + 64, 160);
    admin_new_code = field(frame, 160, top + 64, 100, true, false);
    admin_validate = button("VALIDER", frame, 160, top + 98, 100);

    label("Aouter/Supprimer un utilisateur >>", frame, 400, top + 10, 205);
    managed_name = field(frame, 610, top + 10, 140, false, true);
    add_button = button("Valider", frame, 610, top + 44, 140);
    remove_button = button("Supprimer", frame, 610, top + 80, 140);

    users = gui::make_list(frame, QRect(810, top, 300, 140),
                           {{"LISTE DES UTILISATEURS", 200, Align::Left}, {"", 10, Align::Left}},
                           Rgb{175, 238, 238});

    connect(admin_validate, &QPushButton::clicked, this,
            [this] { apply([this] { logic_.validate_admin(); }); });
    connect(users, &QTreeWidget::itemClicked, this, &AccessParametersWindow::on_user_clicked);
    connect(add_button, &QPushButton::clicked, this,
            [this] { apply([this] { logic_.add_user(); }); });
    connect(remove_button, &QPushButton::clicked, this,
            [this] { apply([this] { logic_.remove_user(); }); });
}

void AccessParametersWindow::build_user_tab(QWidget* page) {
    heading("Paramètres d'accès (Utilisateur)", page);
    flat_frame(page, 10, 50, 1060, 50);
    QWidget* frame = page;
    const int y = 50 + 14;
    // Each label ends a few pixels before its field.
    label("NOM UTILISATEUR >>", frame, 15, y, 135)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    user_name = field(frame, 158, y, 100, false, true);
    label("ANCIEN MOT DE PASSE >>", frame, 268, y, 180)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    user_old_code = field(frame, 456, y, 80, true, false);
    label("NOUVEAU MOT DE PASSE >>", frame, 546, y, 190)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    user_new_code = field(frame, 744, y, 80, true, false);
    user_validate = button("Valider", frame, 850, y - 4, 100);
    connect(user_validate, &QPushButton::clicked, this,
            [this] { apply([this] { logic_.validate_user(); }); });
}

void AccessParametersWindow::read_fields() {
    auto& s = logic_.state();
    s.admin_name = text_of(admin_name);
    s.admin_old_code = text_of(admin_old_code);
    s.admin_new_code = text_of(admin_new_code);
    s.managed_name = text_of(managed_name);
    s.user_name = text_of(user_name);
    s.user_old_code = text_of(user_old_code);
    s.user_new_code = text_of(user_new_code);
}

void AccessParametersWindow::show_state() {
    const auto& s = logic_.state();
    admin_name->setText(QString::fromStdString(s.admin_name));
    admin_old_code->setText(QString::fromStdString(s.admin_old_code));
    admin_new_code->setText(QString::fromStdString(s.admin_new_code));
    managed_name->setText(QString::fromStdString(s.managed_name));
    for (QWidget* w : {static_cast<QWidget*>(managed_name), static_cast<QWidget*>(add_button),
                       static_cast<QWidget*>(remove_button)})
        w->setEnabled(s.management_enabled);
    user_name->setText(QString::fromStdString(s.user_name));
    user_old_code->setText(QString::fromStdString(s.user_old_code));
    user_new_code->setText(QString::fromStdString(s.user_new_code));
    show_users();
}

void AccessParametersWindow::show_users() {
    std::vector<ListRow> rows;
    for (const auto& name : logic_.state().users) {
        ListRow row{{name, ""}};
        row.foreground = Rgb{53, 116, 228};
        rows.push_back(row);
    }
    // Keep the operator's selection when the list is unchanged.
    if (users->topLevelItemCount() == static_cast<int>(rows.size())) {
        bool same = true;
        for (int i = 0; i < users->topLevelItemCount() && same; ++i)
            same = users->topLevelItem(i)->text(0).toStdString() == rows[i].cells[0];
        if (same) return;
    }
    gui::show_rows(users, rows);
}

void AccessParametersWindow::apply(const std::function<void()>& operation) {
    read_fields();
    operation();
    show_state();
}

void AccessParametersWindow::on_user_clicked() {
    apply([this] {
        if (QTreeWidgetItem* item = users->currentItem())
            logic_.pick_user(users->indexOfTopLevelItem(item));
    });
}

void access_parameters_window(gui::Session& session, QWidget* parent) {
    AccessParametersWindow window(session, parent);
    window.run(session.selected_entry);
}

}  // namespace kelmo::app
