// Opening cash balance and postal account: one row in FCpte, replaced on every save.
#include <gtest/gtest.h>

#include "app/initial_balances.h"
#include "support/temp_data.h"

using kelmo::app::InitialBalances;
using kelmo::store::kCpte;

namespace {

struct Stored {
    std::string si, account;
    size_t rows = 0;
};

Stored stored(kelmo::test::TempData& data) {
    auto rows = data.store().query(kCpte, "SELECT si, cpteccp FROM FCpte");
    Stored s;
    s.rows = rows.size();
    if (!rows.empty()) {
        s.si = rows[0].text(0);
        s.account = rows[0].text(1);
    }
    return s;
}

}  // namespace

TEST(InitialBalances, EmptyTableOpensEmptyWithCapitalLabels) {
    kelmo::test::TempData data;
    InitialBalances window(data.store(), data.op());
    window.open();
    EXPECT_EQ(window.state().balance, "");
    EXPECT_EQ(window.state().account, "");
    EXPECT_EQ(window.state().balance_label, "SOLDE INITIAL CAISSE:");
    EXPECT_EQ(window.state().account_label, "N° DE COMPTE CCP:");
}

TEST(InitialBalances, SaveCreatesThenReplacesTheSingleRow) {
    kelmo::test::TempData data;
    InitialBalances window(data.store(), data.op());
    window.open();
    window.state().balance = "1 000";
    window.state().account = "0012345 67";
    EXPECT_TRUE(window.save_initial_balances());
    EXPECT_EQ(data.op().shown.back(),
              (kelmo::test::Shown{"message", "Cnfirmation", "Configuration enregistrée!"}));
    Stored s = stored(data);
    EXPECT_EQ(s.rows, 1u);
    EXPECT_EQ(s.si, "100000");
    EXPECT_EQ(s.account, "0012345 67");

    window.state().balance = "250.5";
    window.state().account = "99";
    EXPECT_TRUE(window.save_initial_balances());
    s = stored(data);
    EXPECT_EQ(s.rows, 1u);
    EXPECT_EQ(s.si, "25050");
    EXPECT_EQ(s.account, "99");

    // Reopened, the window shows the row in display form and lower-case labels.
    InitialBalances again(data.store(), data.op());
    again.open();
    EXPECT_EQ(again.state().balance, "250.50");
    EXPECT_EQ(again.state().account, "99");
    EXPECT_EQ(again.state().balance_label, "Solde initial de caisse:");
    EXPECT_EQ(again.state().account_label, "N° de compte CCP:");
}

TEST(InitialBalances, BalanceThatIsNotANumberIsSavedAsZero) {
    kelmo::test::TempData data;
    InitialBalances window(data.store(), data.op());
    for (const char* typed : {"abc", "", "12a"}) {
        window.state().balance = typed;
        window.state().account = "77";
        EXPECT_TRUE(window.save_initial_balances());
        EXPECT_EQ(stored(data).si, "0") << typed;
    }
    EXPECT_EQ(window.state().balance, "12a");  // the fields stay as typed
}

TEST(InitialBalances, EmptyAccountIsRefusedAndNothingIsWritten) {
    kelmo::test::TempData data;
    InitialBalances window(data.store(), data.op());
    window.state().balance = "500";
    window.state().account = "77";
    window.save_initial_balances();
    for (const char* account : {"", "   "}) {
        data.op().clear();
        window.state().balance = "1000";
        window.state().account = account;
        EXPECT_FALSE(window.save_initial_balances());
        EXPECT_EQ(data.op().shown, (std::vector<kelmo::test::Shown>{
                                       {"message", "Erreur", "Le n° de compte est incorrect!"}}));
        Stored s = stored(data);
        EXPECT_EQ(s.rows, 1u);
        EXPECT_EQ(s.si, "50000");
    }
}

TEST(InitialBalances, RowIsKeptWhenTheNewOneCannotBeWritten) {
    kelmo::test::TempData data;
    InitialBalances window(data.store(), data.op());
    window.state().balance = "500";
    window.state().account = "77";
    ASSERT_TRUE(window.save_initial_balances());
    ASSERT_TRUE(data.store().update(
        kCpte,
        "CREATE TRIGGER refuse BEFORE INSERT ON FCpte BEGIN SELECT RAISE(ABORT, 'refusé'); END"));
    data.op().clear();
    window.state().balance = "1000";
    window.state().account = "88";
    EXPECT_FALSE(window.save_initial_balances());
    ASSERT_FALSE(data.op().shown.empty());
    EXPECT_EQ(data.op().shown.back().title, "Erreur");
    Stored s = stored(data);
    EXPECT_EQ(s.rows, 1u);
    EXPECT_EQ(s.si, "50000");
    EXPECT_EQ(s.account, "77");
}
