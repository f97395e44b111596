// The login window: banner, one row of controls, and the Enter key's own command (Enter in
// the user box moves on to the code; Enter in the code field submits).
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "app/accounts.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kelmo::app {

class LoginWindow : public QDialog {
    Q_OBJECT
  public:
    explicit LoginWindow(Accounts& accounts, QWidget* parent = nullptr);

    // Fills the user box and creates the default accounts when there are none.
    void fill_users();

    // Runs the login loop: the admitted user's name, or nothing when the window is closed.
    std::optional<std::string> run();

    QComboBox* user_box() const { return user_box_; }
    QLineEdit* code_field() const { return code_field_; }
    QPushButton* validate_button() const { return validate_; }
    const std::optional<std::string>& admitted_user() const { return admitted_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void on_enter();
    void login_check();
    void on_user_chosen(int index);

    Accounts& accounts_;
    QComboBox* user_box_;
    QLineEdit* code_field_;
    QPushButton* validate_;
    std::optional<std::string> admitted_;
};

}  // namespace kelmo::app
