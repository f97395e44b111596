// The clients tab of the Tables window: form, occupation box, kind buttons and list, moved
// to and from ClientsTab around each operation.
#pragma once

#include <QObject>

#include "masters/clients.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QTreeWidget;
class QWidget;

namespace kelmo::gui {
struct Session;
}

namespace kelmo::masters {

class ClientsPage : public QObject {
  public:
    ClientsPage(QWidget* page, gui::Session& session);

    ClientsTab& tab() { return tab_; }
    QTreeWidget* list() const { return list_; }

    // Fills the list (and the occupation box) the first time the tab is chosen.
    void fill_on_choice();
    // Puts the cursor in the form's first field.
    void focus_form();
    void fill_occupation_box();
    void new_client();
    void save_client();
    void delete_client();
    void clear_client_form();

  private:
    void read_form();
    void show_form();

    ClientsTab tab_;
    QLineEdit* code_;
    QLineEdit* nom_;
    QLineEdit* ad_;
    QLineEdit* tel_;
    QComboBox* fonc_;
    QLineEdit* date_;
    QLineEdit* ccp_;
    QLineEdit* si_;
    QRadioButton* instalment_;
    QRadioButton* cash_;
    QTreeWidget* list_;
    // Rows saved before the first fill are only a few of the table's: the fill still runs.
    bool filled_ = false;
};

}  // namespace kelmo::masters
