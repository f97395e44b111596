// User accounts (table Fparam): the default accounts, the login check and the operations of
// the access-parameters window. Qt-free; the widgets only copy field texts in and out.
#pragma once

#include <string>
#include <vector>

#include "store/store.h"
#include "util/operator.h"

namespace kelmo::app {

inline constexpr const char* kAdmin = "ADMIN";

enum class LoginResult { Admitted, WrongCode, UnknownUser };

class Accounts {
  public:
    Accounts(store::Store& store, Operator& op) : store_(store), op_(op) {}

    // Names for the login box: "ADMIN" first, then every other account in table order.
    // Creates the two default accounts when the table has no row at all; they are listed
    // from the next start on (the second can be typed meanwhile).
    std::vector<std::string> fill_users_and_create_defaults();

    // Compares the typed code with the account's as exact text; on refusal tells the
    // operator why (the login window then empties both fields).
    LoginResult login_check(const std::string& user, const std::string& code);

    // Every user name except the administrator's, in table order.
    std::vector<std::string> user_names();

  private:
    store::Store& store_;
    Operator& op_;
};

// The access-parameters window's state and operations.
class AccessParameters {
  public:
    struct State {
        // Administrator tab.
        std::string admin_name = kAdmin;
        std::string admin_old_code;
        std::string admin_new_code;
        std::string managed_name;  // the middle group's name field
        bool management_enabled = false;
        std::vector<std::string> users;  // the users list
        // User tab.
        std::string user_name;
        std::string user_old_code;
        std::string user_new_code;
    };

    AccessParameters(store::Store& store, Operator& op, std::string session_user);

    State& state() { return state_; }
    const State& state() const { return state_; }

    // Fills the users list (on opening and after an addition).
    void fill_users();

    // "VALIDER" of the administrator: checks the administrator's code, unlocks the user
    // management and, when a new code is typed, changes it after confirmation.
    void validate_admin();

    // A click on row `row` of the users list: only the administrator's session may pick.
    void pick_user(int row);

    // "Valider" of the middle group: adds the typed name unless it exists.
    void add_user();

    // "Supprimer": removes the listed user named in the name field, after confirmation.
    void remove_user();

    // "Valider" of the user tab: changes a user's code given the old one.
    void validate_user();

  private:
    store::Store& store_;
    Operator& op_;
    std::string session_user_;
    State state_;
};

}  // namespace kelmo::app
