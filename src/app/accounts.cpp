#include "app/accounts.h"

#include <algorithm>

#include "util/text.h"

namespace kelmo::app {

using store::kParam;

std::vector<std::string> Accounts::fill_users_and_create_defaults() {
    std::vector<std::string> names{kAdmin};
    for (const auto& row : store_.query(kParam, "SELECT * FROM FParam")) {
        if (row.text(0) != kAdmin) names.push_back(row.text(0));
    }
    if (store_.query(kParam, "SELECT * FROM FParam").empty()) {
        store_.update(kParam, "Insert into Fparam(UserName,Mp)values (?,?)", {kAdmin, "580471"});
        store_.update(kParam, "Insert into Fparam(UserName,Mp)values (?,?)", {"VARO", "702638"});
    }
    return names;
}

LoginResult Accounts::login_check(const std::string& user, const std::string& code) {
    auto rows = store_.query(kParam, "select * from Fparam where username=?", {user});
    if (rows.empty()) {
        op_.message("Erreur", "Identifiant incorrect !");
        return LoginResult::UnknownUser;
    }
    if (rows[0].text(1) != code) {
        op_.message("Erreur", "Mot de passe incorrect !");
        return LoginResult::WrongCode;
    }
    return LoginResult::Admitted;
}

std::vector<std::string> Accounts::user_names() {
    std::vector<std::string> names;
    for (const auto& row : store_.query(kParam, "select * from fparam ")) {
        if (row.text(0) != kAdmin) names.push_back(row.text(0));
    }
    return names;
}

AccessParameters::AccessParameters(store::Store& store, Operator& op, std::string session_user)
    : store_(store), op_(op), session_user_(std::move(session_user)) {}

void AccessParameters::fill_users() {
    state_.users = Accounts(store_, op_).user_names();
}

void AccessParameters::validate_admin() {
    if (state_.admin_name != kAdmin) {
        op_.message("Erreur", "Nom administrateur incorrect!");
        return;
    }
    auto rows = store_.query(kParam, "select * from fparam where username='ADMIN'");
    if (rows.empty()) return;
    if (rows[0].text(1) != state_.admin_old_code) {
        op_.message("Erreur", "Mot de passe incorrect!");
        return;
    }
    state_.management_enabled = true;
    if (state_.admin_new_code.empty()) return;
    if (op_.ask_yes_no_cancel("Nouveau mot de passe",
                              "Etes-vous sûr de vouloir modifier le mot de passe?") != Answer::Yes)
        return;
    if (store_.update(kParam, "Update fparam set mp=? where username='ADMIN'",
                      {state_.admin_new_code}))
        op_.message("Confirmation", "Le Mot de passe a été modifié !");
}

void AccessParameters::pick_user(int row) {
    if (session_user_ != kAdmin) return;
    if (row < 0 || row >= static_cast<int>(state_.users.size())) return;
    state_.managed_name = state_.users[row];
}

void AccessParameters::add_user() {
    // A blank name would create an account nobody can pick or type.
    const std::string name = trim(state_.managed_name);
    if (name.empty()) return;
    if (!store_.query(kParam, "Select * from fparam where username=?", {name}).empty()) return;
    store_.update(kParam, "Insert into Fparam(UserName)values (?)", {name});
    fill_users();
}

void AccessParameters::remove_user() {
    const std::string name = state_.managed_name;
    auto it = std::find(state_.users.begin(), state_.users.end(), name);
    if (it == state_.users.end()) return;
    if (op_.ask_yes_no_cancel("Supprimer un utilisateur",
                              "Etes-vous sûr de vouloir supprimer cet utilisateur?") != Answer::Yes)
        return;
    state_.users.erase(it);
    store_.update(kParam, "Delete from Fparam where username=?", {name});
    state_.managed_name.clear();
}

void AccessParameters::validate_user() {
    const std::string name = state_.user_name;
    const std::string old_code = state_.user_old_code;
    const std::string new_code = state_.user_new_code;
    auto rows = store_.query(kParam, "Select * from fparam where username=?", {name});
    if (!rows.empty()) {
        if (rows[0].text(1) == old_code) {
            if (!new_code.empty() &&
                op_.ask_yes_no_cancel("Modifier mot de passe",
                                      "Etes-vous sûr de vouloir modifier le mot de passe?") ==
                    Answer::Yes) {
                store_.update(kParam, "Update Fparam set mp=? where username=?", {new_code, name});
            }
        } else {
            op_.message("Erreur", "Mot de passe incorrect !");
        }
    }
    state_.user_old_code.clear();
    state_.user_new_code.clear();
}

}  // namespace kelmo::app
