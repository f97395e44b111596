// The clients tab of the Tables window: form, occupation box, kind buttons and list, moved
// to and from ClientsTab around each operation.
#pragma once

#include "masters/clients.h"
#include "masters/page_widgets.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace kelmo::masters {

class ClientsPage : public MasterPage<ClientsTab> {
  public:
    ClientsPage(QWidget* page, gui::Session& session);

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
    void read_form() override;
    void show_form() override;

    PartnerRows partner_;
    QComboBox* fonc_;
    QLineEdit* date_;
    QLineEdit* ccp_;
    QLineEdit* si_;
    QRadioButton* instalment_;
    QRadioButton* cash_;
};

}  // namespace kelmo::masters
