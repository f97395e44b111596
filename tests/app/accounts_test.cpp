// Accounts: defaults on an empty table, the login check, and the access-parameter rules.
#include <gtest/gtest.h>

#include "app/accounts.h"
#include "support/temp_data.h"

using kelmo::Answer;
using kelmo::app::AccessParameters;
using kelmo::app::Accounts;
using kelmo::app::LoginResult;
using kelmo::store::kParam;

namespace {

std::vector<std::string> stored_names(kelmo::test::TempData& data) {
    std::vector<std::string> names;
    for (const auto& row : data.store().query(kParam, "select UserName from Fparam"))
        names.push_back(row.text(0));
    return names;
}

std::string stored_code(kelmo::test::TempData& data, const std::string& name) {
    return data.store().query(kParam, "select Mp from Fparam where UserName=?", {name}).first();
}

}  // namespace

TEST(Accounts, FirstStartOffersOnlyAdminAndCreatesBothDefaults) {
    kelmo::test::TempData data;
    Accounts accounts(data.store(), data.op());
    EXPECT_EQ(accounts.fill_users_and_create_defaults(), std::vector<std::string>{"ADMIN"});
    EXPECT_EQ(stored_names(data), (std::vector<std::string>{"ADMIN", "VARO"}));
    EXPECT_EQ(stored_code(data, "ADMIN"), "580471");
    EXPECT_EQ(stored_code(data, "VARO"), "702638");

    // From the next start on, VARO is listed after ADMIN and nothing is added again.
    EXPECT_EQ(accounts.fill_users_and_create_defaults(),
              (std::vector<std::string>{"ADMIN", "VARO"}));
    EXPECT_EQ(stored_names(data).size(), 2u);
    EXPECT_TRUE(data.op().shown.empty());
}

TEST(Accounts, DefaultsAreNotCreatedWhenAnyAccountExists) {
    kelmo::test::TempData data;
    data.store().update(kParam, "Insert into Fparam(UserName,Mp)values (?,?)", {"ALI", "1"});
    Accounts accounts(data.store(), data.op());
    EXPECT_EQ(accounts.fill_users_and_create_defaults(),
              (std::vector<std::string>{"ADMIN", "ALI"}));
    EXPECT_EQ(stored_names(data), std::vector<std::string>{"ALI"});
}

TEST(Accounts, LoginCheck) {
    kelmo::test::TempData data;
    Accounts accounts(data.store(), data.op());
    accounts.fill_users_and_create_defaults();
    data.store().update(kParam, "Insert into Fparam(UserName)values (?)", {"NOUVEAU"});

    struct Case {
        std::string user, code;
        LoginResult result;
        std::string message;
    };
    const Case cases[] = {
        {"ADMIN", "580471", LoginResult::Admitted, ""},
        {"VARO", "702638", LoginResult::Admitted, ""},
        {"NOUVEAU", "", LoginResult::Admitted, ""},  // no code yet: an empty field matches
        {"NOUVEAU", "x", LoginResult::WrongCode, "Mot de passe incorrect !"},
        {"ADMIN", "580471 ", LoginResult::WrongCode, "Mot de passe incorrect !"},
        {"ADMIN", "", LoginResult::WrongCode, "Mot de passe incorrect !"},
        {"admin", "580471", LoginResult::UnknownUser, "Identifiant incorrect !"},
        {"", "", LoginResult::UnknownUser, "Identifiant incorrect !"},
        {"X\" OR \"1\"=\"1", "", LoginResult::UnknownUser, "Identifiant incorrect !"},
    };
    for (const Case& c : cases) {
        data.op().clear();
        EXPECT_EQ(accounts.login_check(c.user, c.code), c.result) << c.user << "/" << c.code;
        if (c.message.empty()) {
            EXPECT_TRUE(data.op().shown.empty());
        } else {
            ASSERT_EQ(data.op().shown.size(), 1u);
            EXPECT_EQ(data.op().shown[0].title, "Erreur");
            EXPECT_EQ(data.op().last(), c.message);
        }
    }
}

class AccessParametersTest : public ::testing::Test {
  protected:
    AccessParametersTest() {
        Accounts(data.store(), data.op()).fill_users_and_create_defaults();
        data.store().update(kParam, "Insert into Fparam(UserName,Mp)values (?,?)", {"ALI", "11"});
    }
    AccessParameters open(const std::string& session_user) {
        AccessParameters window(data.store(), data.op(), session_user);
        window.fill_users();
        return window;
    }
    kelmo::test::TempData data;
};

TEST_F(AccessParametersTest, UsersListLeavesOutAdmin) {
    auto window = open("ADMIN");
    EXPECT_EQ(window.state().users, (std::vector<std::string>{"VARO", "ALI"}));
    EXPECT_FALSE(window.state().management_enabled);
}

TEST_F(AccessParametersTest, AdministratorChecks) {
    auto window = open("VARO");
    auto& s = window.state();
    s.admin_name = "VARO";
    s.admin_old_code = "580471";
    window.validate_admin();
    EXPECT_EQ(data.op().last(), "Nom administrateur incorrect!");
    EXPECT_FALSE(s.management_enabled);

    s.admin_name = "ADMIN";
    s.admin_old_code = "0000";
    window.validate_admin();
    EXPECT_EQ(data.op().last(), "Mot de passe incorrect!");
    EXPECT_EQ(data.op().shown.back().title, "Erreur");
    EXPECT_FALSE(s.management_enabled);

    // The right code with no new one only unlocks the user management.
    data.op().clear();
    s.admin_old_code = "580471";
    window.validate_admin();
    EXPECT_TRUE(s.management_enabled);
    EXPECT_TRUE(data.op().shown.empty());
    EXPECT_EQ(stored_code(data, "ADMIN"), "580471");
}

TEST_F(AccessParametersTest, AdministratorChangesHisCodeOnYesOnly) {
    auto window = open("ADMIN");
    auto& s = window.state();
    s.admin_old_code = "580471";
    s.admin_new_code = "999";
    data.op().answers = {Answer::No, Answer::Cancel};
    window.validate_admin();
    window.validate_admin();
    EXPECT_EQ(stored_code(data, "ADMIN"), "580471");
    EXPECT_EQ(data.op().shown[0].title, "Nouveau mot de passe");
    EXPECT_EQ(data.op().shown[0].text, "Etes-vous sûr de vouloir modifier le mot de passe?");

    data.op().clear();
    window.validate_admin();  // default answer: Yes
    EXPECT_EQ(stored_code(data, "ADMIN"), "999");
    EXPECT_EQ(data.op().shown.back(),
              (kelmo::test::Shown{"message", "Confirmation", "Le Mot de passe a été modifié !"}));
}

TEST_F(AccessParametersTest, OnlyTheAdministratorSessionPicksFromTheList) {
    auto other = open("VARO");
    other.pick_user(1);
    EXPECT_EQ(other.state().managed_name, "");

    auto admin = open("ADMIN");
    admin.pick_user(1);
    EXPECT_EQ(admin.state().managed_name, "ALI");
    admin.pick_user(7);  // no such row
    EXPECT_EQ(admin.state().managed_name, "ALI");
}

TEST_F(AccessParametersTest, AddingAUser) {
    auto window = open("VARO");  // any session may type a name to add
    auto& s = window.state();
    s.managed_name = "KARIM";
    window.add_user();
    EXPECT_EQ(s.users, (std::vector<std::string>{"VARO", "ALI", "KARIM"}));
    EXPECT_EQ(stored_code(data, "KARIM"), "");
    // The new user logs in with an empty code until he sets one.
    EXPECT_EQ(Accounts(data.store(), data.op()).login_check("KARIM", ""), LoginResult::Admitted);

    // An existing name, or a blank one, does nothing and says nothing.
    for (const char* name : {"ALI", "ADMIN", "", "   "}) {
        s.managed_name = name;
        window.add_user();
    }
    EXPECT_EQ(stored_names(data).size(), 4u);
    EXPECT_EQ(s.users.size(), 3u);
    EXPECT_TRUE(data.op().shown.empty());
}

TEST_F(AccessParametersTest, RemovingAUser) {
    auto window = open("ADMIN");
    auto& s = window.state();

    // ADMIN is never listed, so it can't be removed; nor can a name not in the list.
    for (const char* name : {"ADMIN", "PERSONNE"}) {
        s.managed_name = name;
        window.remove_user();
    }
    EXPECT_TRUE(data.op().shown.empty());
    EXPECT_EQ(stored_names(data).size(), 3u);

    s.managed_name = "ALI";
    data.op().answers = {Answer::No};
    window.remove_user();
    EXPECT_EQ(stored_names(data).size(), 3u);
    EXPECT_EQ(data.op().shown.back().title, "Supprimer un utilisateur");
    EXPECT_EQ(data.op().last(), "Etes-vous sûr de vouloir supprimer cet utilisateur?");

    window.remove_user();
    EXPECT_EQ(stored_names(data), (std::vector<std::string>{"ADMIN", "VARO"}));
    EXPECT_EQ(s.users, std::vector<std::string>{"VARO"});
    EXPECT_EQ(s.managed_name, "");
}

TEST_F(AccessParametersTest, UserChangesHisCode) {
    auto window = open("VARO");
    auto& s = window.state();
    auto submit = [&](const std::string& name, const std::string& old_code,
                      const std::string& new_code) {
        s.user_name = name;
        s.user_old_code = old_code;
        s.user_new_code = new_code;
        window.validate_user();
        EXPECT_EQ(s.user_old_code, "");
        EXPECT_EQ(s.user_new_code, "");
    };

    submit("VARO", "bad", "1");
    EXPECT_EQ(data.op().shown.back(),
              (kelmo::test::Shown{"message", "Erreur", "Mot de passe incorrect !"}));
    data.op().clear();
    submit("PERSONNE", "", "1");   // unknown names are ignored
    submit("VARO", "702638", "");  // no new code: nothing to do
    EXPECT_TRUE(data.op().shown.empty());
    EXPECT_EQ(stored_code(data, "VARO"), "702638");

    data.op().answers = {Answer::Cancel};
    submit("VARO", "702638", "4321");
    EXPECT_EQ(stored_code(data, "VARO"), "702638");
    EXPECT_EQ(data.op().shown.back().title, "Modifier mot de passe");

    data.op().clear();
    submit("VARO", "702638", "4321");
    EXPECT_EQ(stored_code(data, "VARO"), "4321");
    ASSERT_EQ(data.op().shown.size(), 1u);  // the question, and no note after it

    // A user added without a code sets his first one with an empty old code.
    data.store().update(kParam, "Insert into Fparam(UserName)values (?)", {"KARIM"});
    submit("KARIM", "", "55");
    EXPECT_EQ(stored_code(data, "KARIM"), "55");
}
