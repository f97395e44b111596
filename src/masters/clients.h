// The clients tab of the Tables window: client form and list, occupations, and the client
// operations, in plain values.
#pragma once

#include <string>
#include <vector>

#include "masters/master_lists.h"

namespace kelmo::masters {

// Field texts of the client form, as shown.
struct ClientForm {
    std::string code;  // read-only
    std::string nom, ad, tel, fonc, dateN, ccp, si;
    bool vf = true;  // "CLIENT Vente par facilité" selected; false: "CLIENT Vente cash"
    bool operator==(const ClientForm&) const = default;
};

class ClientsTab {
  public:
    ClientsTab(store::Store& store, Operator& op) : store_(store), op_(op) {}

    static const std::vector<ListColumn>& columns();

    ClientForm form;
    const std::vector<ListRow>& rows() const { return rows_; }
    // Entries of the occupation box.
    const std::vector<std::string>& occupations() const { return occupations_; }

    void fill_client_list();
    // Fills the occupation box when it holds no entry: each occupation of the clients once,
    // in capitals and alphabetical order.
    void fill_occupation_box();
    void choose_row(int index);
    // Loads the client of `code` into the form; false when there is none.
    bool load_client(const std::string& code);
    // Enter in the name field: loads the client of that name, if any.
    void enter_name();
    // Enter in the CCP field: loads the client of that postal account, if any.
    void enter_ccp();

    void clear_client_form();
    void new_client();
    RowChange save_client();
    RowChange delete_client();
    void record_occupation(const std::string& fonc);

  private:
    ListRow row_of(const ClientForm& f, const std::string& si_display) const;

    store::Store& store_;
    Operator& op_;
    std::vector<ListRow> rows_;
    std::vector<std::string> occupations_;
};

}  // namespace kelmo::masters
