// Calendar of instalments and the instalments paid.
#include "sales_fixture.h"

namespace kelmo::test {
namespace {

std::vector<std::string> column(const std::vector<ListRow>& rows, size_t c) {
    std::vector<std::string> out;
    for (const ListRow& r : rows) out.push_back(r.cell(c));
    return out;
}

TEST_F(SalesTest, CalendarOfTheExample) {
    example_document();
    sale.form.first_date = "15/11/2024";
    sale.form.months = "3";
    sale.form.instalment = "1 200.00";
    sale.generate_instalment_calendar();
    EXPECT_EQ(column(sale.form.calendar, 0),
              (std::vector<std::string>{"15/12/2024", "15/12/2024", "15/01/2025", "15/01/2025",
                                        "15/02/2025", "15/02/2025"}));
    EXPECT_EQ(sale.form.calendar[0].cell(1), "1 200.00");
    EXPECT_EQ(sale.form.calendar[0].background, sales::kCalendarFirst);
    EXPECT_EQ(sale.form.calendar[1].background, sales::kCalendarFirst);
    EXPECT_EQ(sale.form.calendar[2].background, sales::kCalendarSecond);
    EXPECT_EQ(sale.form.calendar[4].background, sales::kCalendarFirst);
    EXPECT_EQ(sale.form.progress, 100);
    EXPECT_EQ(sale.form.months_left, "3");
    EXPECT_EQ(sale.form.remaining, "24 000.00");

    store::Rows rows = db().query(store::kCal, "select * from Fcal order by rowid");
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[1].text(0), "1");
    EXPECT_EQ(rows[1].text(1), "77");
    EXPECT_EQ(rows[1].text(4), "2");
    EXPECT_EQ(rows[2].text(4), "1");
    EXPECT_EQ(rows[1].text(5), "120000");

    // Generated again: replaced, not added to.
    sale.generate_instalment_calendar();
    EXPECT_EQ(db().query(store::kCal, "select * from Fcal").size(), 6u);
}

TEST_F(SalesTest, CalendarDatesThatDoNotExistAndYearChange) {
    example_document();
    sale.form.first_date = "31/01/2025";
    sale.form.months = "3";
    sale.form.per_month = "1";
    sale.generate_instalment_calendar();
    EXPECT_EQ(column(sale.form.calendar, 0),
              (std::vector<std::string>{"31/02/2025", "31/03/2025", "31/04/2025"}));
    store::Rows rows = db().query(store::kCal, "select Datenum from Fcal order by rowid");
    EXPECT_EQ(rows[0].text(0), "-1");
    EXPECT_EQ(rows[1].integer(0), day_number("31/03/2025"));
    EXPECT_EQ(rows[2].text(0), "-1");

    sale.form.first_date = "05/11/2024";
    sale.form.months = "12";
    sale.generate_instalment_calendar();
    std::vector<std::string> dates = column(sale.form.calendar, 0);
    ASSERT_EQ(dates.size(), 12u);
    EXPECT_EQ(dates.front(), "05/12/2024");
    EXPECT_EQ(dates[1], "05/01/2025");
    EXPECT_EQ(dates.back(), "05/11/2025");
}

TEST_F(SalesTest, CalendarWithoutLinesDoesNothing) {
    sale.new_instalment_sale();
    sale.form.first_date = "15/11/2024";
    sale.form.months = "3";
    sale.form.per_month = "1";
    sale.generate_instalment_calendar();
    EXPECT_TRUE(sale.form.calendar.empty());
    EXPECT_TRUE(db().query(store::kCal, "select * from Fcal").empty());
}

TEST_F(SalesTest, PaymentsRemainingAndMonthsLeft) {
    example_document();
    ASSERT_TRUE(sale.save_instalment_sale());
    auto pay = [&](const char* date, const char* tr, const char* amount, const char* obs) {
        sale.form.paid_date = date;
        sale.form.tr = tr;
        sale.form.paid = amount;
        sale.form.obs = obs;
        sale.record_instalment_payment();
    };
    pay("15/04/2025", "1", "1000", "a");
    pay("15/04/2025", "1", "4800", "b");  // same document, date and TR: replaced
    pay("15/05/2025", "1", "4 800.00", "");
    EXPECT_TRUE(data.op().shown.empty());
    store::Rows rows = db().query(store::kBlfVer, "select * from fBlfVer order by datenum");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text(6), "480000");
    EXPECT_EQ(rows[0].text(7), "b");
    EXPECT_EQ(rows[0].text(1), "77");
    EXPECT_EQ(rows[0].text(2), "1");

    ASSERT_EQ(sale.form.payments.size(), 3u);
    const ListRow& totals = sale.form.payments.back();
    EXPECT_EQ(totals.cells, (std::vector<std::string>{"   TOTAUX", "", "9 600.00", ""}));
    EXPECT_EQ(totals.background, sales::kTotalsBack);
    EXPECT_EQ(sale.form.remaining, "14 400.00");
    EXPECT_EQ(sale.form.months_left, "3");
    EXPECT_EQ(sale.total_paid(), "9 600.00");

    pay("20/05/2025", "2", "1.50", "");  // same month: counted once
    EXPECT_EQ(sale.form.months_left, "3");
    EXPECT_EQ(db().sum(store::kBlfVer, "select sum(MntV) from fBlfVer where Tr=2"), 150);

    // Deleting one that does not exist says nothing.
    sale.form.paid_date = "01/01/2030";
    sale.delete_instalment_payment();
    EXPECT_TRUE(data.op().shown.empty());
    sale.form.paid_date = "20/05/2025";
    sale.delete_instalment_payment();
    EXPECT_EQ(db().query(store::kBlfVer, "select * from fBlfVer").size(), 2u);
}

TEST_F(SalesTest, PaymentChecksInOrder) {
    example_document();
    ASSERT_TRUE(sale.save_instalment_sale());
    struct Case {
        std::string number, file, tr, paid, date, message;
    } cases[] = {
        {"x", "77", "1", "10", "01/04/2025", "N° BLF incorrect !"},
        {"1", "", "1", "10", "01/04/2025", "N° dossier incorrect !"},
        {"1", "77", "", "10", "01/04/2025", "Tranche doit être numérique !"},
        {"1", "77", "0", "10", "01/04/2025", "La valeur de Tranche est incorrecte !"},
        {"1", "77", "1", "0.99", "01/04/2025", "Montant versé incorrect !"},
        {"1", "77", "1", "abc", "01/04/2025", "Montant versé incorrect !"},
        {"1", "77", "1", "10", "   TOTAUX", "Date versement incorrecte !"},
    };
    for (const Case& c : cases) {
        sale.form.number = c.number;
        sale.form.file_number = c.file;
        sale.form.tr = c.tr;
        sale.form.paid = c.paid;
        sale.form.paid_date = c.date;
        data.op().clear();
        sale.record_instalment_payment();
        EXPECT_EQ(data.op().texts(), std::vector<std::string>{c.message});
    }
    EXPECT_TRUE(db().query(store::kBlfVer, "select * from fBlfVer").empty());
}

}  // namespace
}  // namespace kelmo::test
