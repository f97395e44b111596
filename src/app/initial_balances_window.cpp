#include "app/initial_balances_window.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/catalogue.h"
#include "gui/working_window.h"

namespace kelmo::app {

namespace {
constexpr int kRow = 70 - 50;  // y = 70 in the window, inside the frame at y = 50
}

InitialBalancesWindow::InitialBalancesWindow(gui::Session& session, QWidget* parent)
    : QDialog(parent), logic_(session.store, session.op) {
    setWindowTitle("Logiciel de vente par facilité - Configurer les soldes initiaux");
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);

    auto* heading = new QLabel("SOLDES INITIAUX", this);
    heading->setFont(gui::screen_font(17));
    heading->setGeometry(20, 20, 300, 30);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(10, 50, 800, 50);
    balance_label = new QLabel(frame);
    balance_label->setGeometry(20 - 10, kRow, 130, 22);
    balance = new QLineEdit(frame);
    balance->setObjectName("balance");
    balance->setAlignment(Qt::AlignRight);
    // The label is 130 wide from x = 20: the field starts where it ends, not under it.
    balance->setGeometry(152 - 10, kRow, 90, 22);
    account_label = new QLabel(frame);
    account_label->setGeometry(300 - 10, kRow, 120, 22);
    account = new QLineEdit(frame);
    account->setObjectName("account");
    account->setGeometry(430 - 10, kRow, 100, 22);

    validate = new QPushButton("Valider", this);
    validate->setAutoDefault(false);
    validate->setGeometry(710, 105, 100, 30);
    connect(validate, &QPushButton::clicked, this, &InitialBalancesWindow::on_validate);

    logic_.open();
    show_state();
}

void InitialBalancesWindow::show_state() {
    auto& s = logic_.state();
    balance_label->setText(QString::fromStdString(s.balance_label));
    account_label->setText(QString::fromStdString(s.account_label));
    balance->setText(QString::fromStdString(s.balance));
    account->setText(QString::fromStdString(s.account));
}

void InitialBalancesWindow::on_validate() {
    auto& s = logic_.state();
    s.balance = balance->text().toStdString();
    s.account = account->text().toStdString();
    logic_.save_initial_balances();
}

void InitialBalancesWindow::run() {
    gui::run_maximised(*this);
}

void initial_balances_window(gui::Session& session, QWidget* parent) {
    InitialBalancesWindow window(session, parent);
    window.run();
}

}  // namespace kelmo::app
