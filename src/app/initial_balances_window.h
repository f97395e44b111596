// The initial-balances window: the opening cash balance and the business's postal account.
#pragma once

#include <QDialog>

#include "app/initial_balances.h"
#include "gui/session.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelmo::app {

class InitialBalancesWindow : public QDialog {
    Q_OBJECT
  public:
    InitialBalancesWindow(gui::Session& session, QWidget* parent = nullptr);

    QLabel* balance_label = nullptr;
    QLineEdit* balance = nullptr;
    QLabel* account_label = nullptr;
    QLineEdit* account = nullptr;
    QPushButton* validate = nullptr;

    // Shows the window maximised and returns when it is closed.
    void run();

  private:
    void show_state();
    void on_validate();

    InitialBalances logic_;
};

void initial_balances_window(gui::Session& session, QWidget* parent);

}  // namespace kelmo::app
