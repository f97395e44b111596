// Schedule figures and validation of an instalment sale.
#include "sales_fixture.h"

namespace kelmo::test {
namespace {

using sales::InstalmentSale;

TEST_F(SalesTest, WorkedExample) {
    example_document();
    EXPECT_EQ(sale.form.total, "30 000.00");
    EXPECT_EQ(sale.form.discount, "1 000.00");
    EXPECT_EQ(sale.form.first_payment, "5 000.00");
    EXPECT_EQ(sale.form.net, "24 000.00");
    EXPECT_EQ(sale.form.monthly, "4 800.00");
    EXPECT_EQ(sale.form.instalment, "2 400.00");
    EXPECT_EQ(sale.form.count_text, "2 X");

    sale.form.months = "7";
    sale.recompute_instalment_schedule();
    EXPECT_EQ(sale.form.monthly, "3 428.57");
    EXPECT_EQ(sale.form.instalment, "1 714.28");
}

TEST_F(SalesTest, TenThousandOverThreeMonths) {
    product("1", "ARMOIRE", 100);
    sale.new_instalment_sale();
    add("ARMOIRE", "1", "10000");
    sale.form.months = "3";
    sale.recompute_instalment_schedule();
    EXPECT_EQ(sale.form.monthly, "3 333.33");
    EXPECT_EQ(sale.form.instalment, "3 333.33");
    EXPECT_EQ(sale.form.per_month, "1");
    EXPECT_EQ(sale.form.count_text, "1 X");
}

TEST_F(SalesTest, MonthsDefaultToFiveAndNeverDivideByZero) {
    product("1", "ARMOIRE", 100);
    sale.new_instalment_sale();
    add("ARMOIRE", "1", "1000");
    for (const char* months : {"", "abc", "0", "0.5"}) {
        sale.form.months = months;
        sale.form.per_month = "0";
        sale.recompute_instalment_schedule();
        EXPECT_EQ(sale.form.months, "5") << months;
        EXPECT_EQ(sale.form.monthly, "200.00") << months;
        EXPECT_EQ(sale.form.per_month, "1") << months;
    }
}

TEST_F(SalesTest, LargeSaleNeverWraps) {
    product("1", "IMMEUBLE", 100);
    sale.new_instalment_sale();
    add("IMMEUBLE", "1", "50000000");  // 5 000 000 000 hundredths, past 32 bits
    sale.form.months = "10";
    sale.form.per_month = "2";
    sale.recompute_instalment_schedule();
    EXPECT_EQ(sale.form.net, "50 000 000.00");
    EXPECT_EQ(sale.form.monthly, "5 000 000.00");
    EXPECT_EQ(sale.form.instalment, "2 500 000.00");
}

TEST_F(SalesTest, ValidationChecksInOrder) {
    struct Case {
        std::function<void(sales::InstalmentForm&)> spoil;
        std::string message;
    } cases[] = {
        {[](auto& f) { f.date = "32/01/2025"; }, "Date incorrecte !"},
        {[](auto& f) { f.months = "x"; }, "Nbre de mois incorrect !"},
        {[](auto& f) { f.months = "0"; }, "Nbre de mois incorrect !"},
        {[](auto& f) { f.per_month = ""; }, "Nbre de tranches par mois incorrect !"},
        {[](auto& f) { f.instalment = "?"; }, "Montant à verser incorrect !"},
        {[](auto& f) { f.total = ""; }, "Montant total blf incorrect !"},
        {[](auto& f) { f.first_date = ""; }, "Date 1er versement incorrecte !"},
        {[](auto& f) { f.mode = "   "; }, "Mode de 1er versement incorrect !"},
        {[](auto& f) { f.file_number = ""; }, "N° de dossier incorrect !"},
        {[](auto& f) { f.client = ""; }, "Nom de client incorrect !"},
        {[](auto& f) { f.ccp = ""; }, "N° de CCP incorrect !"},
        // Two faults at once: the earlier check speaks.
        {[](auto& f) {
             f.client = "";
             f.months = "z";
         },
         "Nbre de mois incorrect !"},
    };
    example_document();
    const sales::InstalmentForm good = sale.form;
    for (const Case& c : cases) {
        sale.form = good;
        c.spoil(sale.form);
        data.op().clear();
        EXPECT_FALSE(sale.save_instalment_sale());
        EXPECT_EQ(data.op().texts(), std::vector<std::string>{c.message});
        EXPECT_TRUE(sale.validation_failed());
    }
    EXPECT_TRUE(db().query(store::kBlf, "select * from fBLf").empty());
    EXPECT_TRUE(db().query(store::kClient, "select * from fclient").empty());
}

TEST_F(SalesTest, ValidationWritesTheRowAndCreatesTheClient) {
    client("1", "BENALI", "0550", "999");  // same name, another CCP
    example_document();
    sale.form.debit_day = "20";
    sale.form.remaining = "24 000.00";
    ASSERT_TRUE(sale.save_instalment_sale());
    EXPECT_FALSE(sale.validation_failed());
    store::Rows c = db().query(store::kClient, "select * from fclient where codeclient=2");
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].text(1), "BENALI");
    EXPECT_EQ(c[0].text(6), "123456");
    EXPECT_EQ(c[0].text(8), "1");
    EXPECT_EQ(sale.form.client_id, "2");

    store::Rows r = db().query(store::kBlf, "select * from fBLf");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].text(0), "1");
    EXPECT_EQ(r[0].text(1), "10/03/2025");
    EXPECT_EQ(r[0].integer(2), day_number("10/03/2025"));
    EXPECT_EQ(r[0].text(3), "2");
    EXPECT_EQ(r[0].text(4), "20");
    EXPECT_EQ(r[0].text(5), "3000000");
    EXPECT_EQ(r[0].text(9), "ESPECE");
    EXPECT_EQ(r[0].text(10), "2400000");
    EXPECT_EQ(r[0].text(11), "5");
    EXPECT_EQ(r[0].text(14), "240000");
    EXPECT_EQ(r[0].text(15), "2400000");
    EXPECT_EQ(r[0].text(16), "77");

    // Validating again rewrites the row and finds the client by name and CCP.
    sale.form.discount = "2000";
    ASSERT_TRUE(sale.save_instalment_sale());
    EXPECT_EQ(db().query(store::kClient, "select * from fclient").size(), 2u);
    r = db().query(store::kBlf, "select remise from fBLf");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].text(0), "200000");
}

TEST_F(SalesTest, ValidationWithoutNumberOrFirstPayment) {
    example_document();
    sale.form.number = "";
    sale.form.first_payment = "0";
    sale.form.first_date = "";
    sale.form.mode = "";
    ASSERT_TRUE(sale.save_instalment_sale());
    EXPECT_EQ(sale.form.number, "");
    EXPECT_EQ(sale.form.first_date, "10/03/2025");
    EXPECT_EQ(db().query(store::kBlf, "select numdoc from fBLf").first(), "1");
}

// A first payment that is not a number becomes "0" only when the checks before it passed;
// it then needs neither a date nor a mode.
TEST_F(SalesTest, FirstPaymentThatIsNotANumberBecomesZeroInItsTurn) {
    struct Case {
        std::string total;
        std::string first_payment_after;
        std::string message;
    } cases[] = {
        {"", "ABC", "Montant total blf incorrect !"},
        {"30 000.00", "0", "BLF validé"},
    };
    example_document();
    const sales::InstalmentForm good = sale.form;
    for (const Case& c : cases) {
        sale.form = good;
        sale.form.total = c.total;
        sale.form.first_payment = "ABC";
        sale.form.first_date = "";
        sale.form.mode = "";
        data.op().clear();
        bool saved = sale.save_instalment_sale();
        EXPECT_EQ(saved, c.message == "BLF validé") << c.message;
        if (!saved) {
            EXPECT_EQ(data.op().texts(), std::vector<std::string>{c.message});
        }
        EXPECT_EQ(sale.form.first_payment, c.first_payment_after) << c.message;
    }
    EXPECT_EQ(db().query(store::kBlf, "select FirstVer from fBLf").first(), "0");
}

TEST_F(SalesTest, FailedValidationBlocksPaymentsUntilItSucceeds) {
    example_document();
    sale.form.ccp = "";
    EXPECT_FALSE(sale.save_instalment_sale());
    sale.form.tr = "1";
    sale.form.paid_date = "15/04/2025";
    sale.form.paid = "100";
    data.op().clear();
    sale.record_instalment_payment();
    EXPECT_TRUE(data.op().shown.empty());
    EXPECT_TRUE(db().query(store::kBlfVer, "select * from fBlfVer").empty());
    // Deleting is not blocked.
    sale.delete_instalment_payment();

    sale.form.ccp = "123456";
    EXPECT_TRUE(sale.save_instalment_sale());
    sale.record_instalment_payment();
    EXPECT_EQ(db().query(store::kBlfVer, "select * from fBlfVer").size(), 1u);
}

}  // namespace
}  // namespace kelmo::test
