// Search as you type, the chooser, the client fields with the balance, the product panel
// and the tab-change initialisation.
#include "sales_fixture.h"

namespace kelmo::test {
namespace {

using sales::LookupKind;
using sales::make_row;

TEST_F(SalesTest, SearchAsYouTypeContainsInOrderAndCase) {
    client("1", "BRAHIMI", "0661", "111");
    client("2", "ABDERAHIM", "0550", "222");
    client("3", "Brahim", "0770", "333");
    client("4", "KACI", "0661 22", "444");
    sale.form.client = "RA";
    sale.search_by_name();
    EXPECT_EQ(sale.form.chooser, (std::vector<std::string>{"ABDERAHIM", "BRAHIMI"}));
    EXPECT_EQ(sale.lookup_kind(), LookupKind::Name);

    sale.form.tel = "0661";
    sale.search_by_tel();
    EXPECT_EQ(sale.form.chooser, (std::vector<std::string>{"0661", "0661 22"}));
    EXPECT_EQ(sale.lookup_kind(), LookupKind::Tel);

    sale.form.ccp = "33";
    sale.search_by_ccp();
    EXPECT_EQ(sale.form.chooser, (std::vector<std::string>{"333"}));

    sale.form.client = "";  // an empty field leaves the chooser as it was
    sale.search_by_name();
    EXPECT_EQ(sale.form.chooser, (std::vector<std::string>{"333"}));
    EXPECT_EQ(sale.lookup_kind(), LookupKind::Ccp);
}

TEST_F(SalesTest, DesignationSearchOffersOnlyProductsInStock) {
    product("1", "TABLE BASSE", 100);
    product("2", "TABLE RONDE", 0);
    product("3", "PORTABLE", 50);
    sale.form.designation = " table ";
    sale.search_by_designation();
    EXPECT_EQ(sale.form.chooser, (std::vector<std::string>{"PORTABLE", "TABLE BASSE"}));
    EXPECT_EQ(sale.lookup_kind(), LookupKind::Prod);

    sale.choose(1);
    EXPECT_EQ(sale.form.designation, "TABLE BASSE");
    EXPECT_EQ(sale.form.stock, "1");
    // "Code P.:" searches the references of the products in stock.
    db().update(store::kProd, "update FProd set Ref=? where codeprod=?", {"TB-01", "1"});
    db().update(store::kProd, "update FProd set Ref=? where codeprod=?", {"TB-02", "2"});
    sale.form.code = "tb";
    sale.code_changed();
    EXPECT_EQ(sale.lookup_kind(), LookupKind::Ref);
    EXPECT_EQ(sale.form.chooser, (std::vector<std::string>{"TABLE BASSE"}));
    sale.form.designation.clear();
    sale.choose(0);
    EXPECT_EQ(sale.form.designation, "TABLE BASSE");
    sale.form.code = "X";
    sale.code_changed();
    EXPECT_TRUE(sale.form.chooser.empty());
}

TEST_F(SalesTest, ChoosingAClientByTelFillsEverythingAndTheBalance) {
    client("1", "SAIDI", "0550", "111", 100000, "ENSEIGNANT");
    db().update(store::kBlf, "insert into fBLf (numdoc,codeclient,netApayer) values (?,?,?)",
                {"1", "1", "2400000"});
    db().update(store::kBlfVer,
                "insert into fBlfVer (NumDoc,codeclient,DateV,MntV) values (?,?,?,?)",
                {"1", "1", "01/01/2025", "480000"});
    sale.form.file_number = "typed";
    sale.form.tel = "55";
    sale.search_by_tel();
    sale.choose(0);
    EXPECT_EQ(sale.form.client, "SAIDI");
    EXPECT_EQ(sale.form.client_id, "1");
    EXPECT_EQ(sale.client_code(), "1");
    EXPECT_EQ(sale.form.file_number, "1");
    EXPECT_EQ(sale.form.address, "ADR SAIDI");
    EXPECT_EQ(sale.form.occupation, "ENSEIGNANT");
    EXPECT_EQ(sale.form.ccp, "111");
    EXPECT_EQ(sale.form.balance, "20 200.00");
}

TEST_F(SalesTest, SameNameResolvesToTheFirstRowFound) {
    client("5", "HADJ", "01", "A");
    client("6", "HADJ", "02", "B");
    sale.form.ccp = "B";
    sale.search_by_ccp();
    sale.choose(0);
    EXPECT_EQ(sale.form.client_id, "5");
    EXPECT_EQ(sale.form.ccp, "A");
}

TEST_F(SalesTest, LineAndPaymentClicks) {
    product("1", "CHAISE", 1000, 123456, 1000, 2000);
    sale.new_instalment_sale();
    add("CHAISE", "2", "5");
    sale.pick_line(0);
    EXPECT_EQ(sale.form.code, "1");
    EXPECT_EQ(sale.form.quantity, "2.00");
    EXPECT_EQ(sale.form.instalment_price, "1 234.56");
    EXPECT_EQ(sale.form.purchase_price, "10.00");
    EXPECT_EQ(sale.form.cash_price, "20.00");
    EXPECT_EQ(sale.form.stock, "8");
    sale.take_instalment_price();
    EXPECT_EQ(sale.form.unit_price, "1 234.56");

    sale.form.payments = {make_row({"01/02/2025", "3", "10.00", "x"}),
                          make_row({"   TOTAUX", "", "10.00", ""})};
    sale.form.obs = "kept";
    sale.pick_payment(1);
    EXPECT_EQ(sale.form.paid_date, "   TOTAUX");
    EXPECT_EQ(sale.form.tr, "");
    EXPECT_EQ(sale.form.obs, "kept");
    sale.pick_payment(7);  // no such row: nothing
}

TEST_F(SalesTest, TabChosenFillsTheBoxesAndTheNumberOnce) {
    client("1", "A", "", "", 0, "medecin");
    client("2", "B", "", "", 0, "AVOCAT");
    client("3", "C", "", "", 0, "MEDECIN");
    client("4", "D", "", "", 0, "");
    db().update(store::kBlf, "insert into fBLf (numdoc) values (?)", {"8"});
    sale.tab_chosen();
    std::string pad(28, ' ');
    EXPECT_EQ(sale.form.modes,
              (std::vector<std::string>{pad + "ESPECE", pad + "CHEQUE", pad + "VO"}));
    EXPECT_EQ(sale.form.occupations, (std::vector<std::string>{"AVOCAT", "MEDECIN"}));
    EXPECT_EQ(sale.form.number, "9");
    sale.form.number = "3";
    sale.tab_chosen();
    EXPECT_EQ(sale.form.number, "3");
    EXPECT_EQ(sale.form.modes.size(), 3u);
}

}  // namespace
}  // namespace kelmo::test
