// The access-parameters window: the administrator's tab (his code, adding and removing
// users) and the user's tab (changing one's own code).
#pragma once

#include <QWidget>
#include <functional>

#include "app/accounts.h"
#include "gui/session.h"
#include "gui/working_window.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kelmo::app {

class AccessParametersWindow : public gui::WorkingWindow {
    Q_OBJECT
  public:
    AccessParametersWindow(gui::Session& session, QWidget* parent = nullptr);

    AccessParameters& logic() { return logic_; }

    // The controls, named as on screen.
    QLineEdit* admin_name = nullptr;
    QLineEdit* admin_old_code = nullptr;
    QLineEdit* admin_new_code = nullptr;
    QPushButton* admin_validate = nullptr;
    QLineEdit* managed_name = nullptr;
    QPushButton* add_button = nullptr;
    QPushButton* remove_button = nullptr;
    QTreeWidget* users = nullptr;
    QLineEdit* user_name = nullptr;
    QLineEdit* user_old_code = nullptr;
    QLineEdit* user_new_code = nullptr;
    QPushButton* user_validate = nullptr;

  private:
    void build_admin_tab(QWidget* page, int desktop_width);
    void build_user_tab(QWidget* page);
    void read_fields();
    void show_state();
    void show_users();

    // Field texts into the state, the operation, the state back into the fields.
    void apply(const std::function<void()>& operation);
    void on_user_clicked();

    AccessParameters logic_;
};

// Opens the window on the selected entry's tab and returns when it is closed.
void access_parameters_window(gui::Session& session, QWidget* parent);

}  // namespace kelmo::app
