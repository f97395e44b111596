#include "masters/stock.h"

#include <gtest/gtest.h>

#include "support/temp_data.h"

namespace kelmo::masters {
namespace {

using store::Store;

class StockTest : public ::testing::Test {
  protected:
    Store& s() { return data.store(); }

    void product(const std::string& code, const std::string& qi, const std::string& pa) {
        s().update(store::kProd,
                   "insert into FProd (Codeprod,Prod,Qi,Pa,Pvf,Pvc,stock,Pai) "
                   "values (?,'P',?,?,'0','0','0',?)",
                   {code, qi, pa, pa});
    }
    void receipt(const std::string& code, long long day, const std::string& qte,
                 const std::string& pu) {
        s().update(store::kBr,
                   "insert into FBr (Numdoc,DateDoc,DateNum,CodeFour,CodeProd,Qte,Pu,Mnt) "
                   "values ('1','',?,'1',?,?,?,'0')",
                   {std::to_string(day), code, qte, pu});
    }
    void cash_sale(const std::string& code, long long day, const std::string& qte) {
        s().update(store::kBlc,
                   "insert into Fblc (Numdoc,DateDoc,DateNum,Codeclient,CodeProd,Qte,Pu,Mnt) "
                   "values ('1','',?,'1',?,?,'0','0')",
                   {std::to_string(day), code, qte});
    }
    void instalment_sale(const std::string& code, long long day, const std::string& qte) {
        s().update(store::kBlfProd,
                   "insert into FblfProd (numdoc,datedoc,datenum,codeclient,codeprod,qte,pu,mnt) "
                   "values ('1','',?,'1',?,?,'0','0')",
                   {std::to_string(day), code, qte});
    }
    void regularisation(const std::string& code, long long day, const std::string& qe,
                        const std::string& qs) {
        s().update(store::kBrs,
                   "insert into FBrs (Numdoc,DateDoc,DateNum,CodeProd,Qe,Qs,Obs) "
                   "values ('1','',?,?,?,?,'')",
                   {std::to_string(day), code, qe, qs});
    }
    std::string column(const std::string& code, int col) {
        return s().query(store::kProd, "select * from FProd where codeprod=?", {code})[0].text(col);
    }
    std::string stock(const std::string& code) { return column(code, 6); }
    std::string pa(const std::string& code) { return column(code, 3); }

    test::TempData data;
};

TEST_F(StockTest, AverageOfInitialQuantityAndReceiptIsStableAcrossRecomputes) {
    product("1", "1000", "10000");
    receipt("1", 86400, "1000", "20000");
    for (int i = 0; i < 3; ++i) {
        recompute_product_stock(s(), "1");
        EXPECT_EQ(stock("1"), "2000");
        EXPECT_EQ(pa("1"), "15000") << "recompute " << i + 1;
    }
}

TEST_F(StockTest, RecomputeIsIdempotentWithEverySource) {
    product("1", "500", "1000");
    receipt("1", 100, "1000", "1300");
    instalment_sale("1", 200, "300");
    cash_sale("1", 200, "200");
    regularisation("1", 300, "100", "0");
    receipt("1", 400, "700", "1700");
    recompute_product_stock(s(), "1");
    const std::string first_pa = pa("1");
    EXPECT_EQ(stock("1"), "1800");
    for (int i = 0; i < 2; ++i) {
        recompute_product_stock(s(), "1");
        EXPECT_EQ(pa("1"), first_pa);
        EXPECT_EQ(stock("1"), "1800");
    }
}

TEST_F(StockTest, FileWithoutInitialPriceColumnValuesInitialQuantityAtPa) {
    // A products file made before the column was added.
    s().update(store::kProd, "DROP TABLE FProd");
    s().update(store::kProd,
               "CREATE TABLE FProd (Codeprod INTEGER, Prod TEXT, Qi INTEGER, Pa INTEGER, "
               "Pvf INTEGER, Pvc INTEGER, stock INTEGER, Ref TEXT)");
    s().update(store::kProd,
               "insert into FProd (Codeprod,Prod,Qi,Pa,Pvf,Pvc,stock) "
               "values ('1','P','1000','10000','0','0','0')");
    receipt("1", 86400, "1000", "20000");
    for (const char* expected : {"15000", "17500", "18750"}) {
        recompute_product_stock(s(), "1");
        EXPECT_EQ(pa("1"), expected);
        EXPECT_EQ(stock("1"), "2000");
    }
    EXPECT_TRUE(data.op().shown.empty());
}

TEST_F(StockTest, EmptyInitialPriceTakesPaOnceAndKeepsIt) {
    s().update(store::kProd,
               "insert into FProd (Codeprod,Prod,Qi,Pa,Pvf,Pvc,stock) "
               "values ('1','P','1000','10000','0','0','0')");
    receipt("1", 86400, "1000", "20000");
    recompute_product_stock(s(), "1");
    recompute_product_stock(s(), "1");
    EXPECT_EQ(pa("1"), "15000");
    EXPECT_EQ(column("1", 8), "10000");
}

TEST_F(StockTest, ReceiptsOfADayAreReplayedBeforeItsSales) {
    product("1", "1000", "5000");
    cash_sale("1", 86400, "1500");  // stored first, same day
    receipt("1", 86400, "1000", "20000");
    recompute_product_stock(s(), "1");
    // Receipt first: (1000 x 50.00 + 1000 x 200.00) / 2000, then the sale.
    EXPECT_EQ(pa("1"), "12500");
    EXPECT_EQ(stock("1"), "500");
}

TEST_F(StockTest, ReceiptWhileStockIsNegativeLeavesTheAverage) {
    product("1", "1000", "5000");
    cash_sale("1", 86400, "1500");
    receipt("1", 2 * 86400, "1000", "20000");
    recompute_product_stock(s(), "1");
    EXPECT_EQ(pa("1"), "5000");
    EXPECT_EQ(stock("1"), "500");
}

TEST_F(StockTest, RegularisationLeavingNothingToAverageOverKeepsTheAverage) {
    product("1", "100", "1000");
    regularisation("1", 86400, "50", "150");  // divisor 100 + 50 - 150 = 0
    recompute_product_stock(s(), "1");
    EXPECT_EQ(stock("1"), "0");
    EXPECT_EQ(pa("1"), "1000");
}

TEST_F(StockTest, NegativeStockIsStoredWithItsSign) {
    product("1", "0", "1000");
    instalment_sale("1", 86400, "300");
    recompute_product_stock(s(), "1");
    EXPECT_EQ(stock("1"), "-300");
    const StockBySums sums = product_stock_by_sums(s(), "1");
    EXPECT_EQ(sums.hundredths, -300);
    EXPECT_EQ(sums.text, "-300");
    EXPECT_EQ(sums.units, "-3");
}

TEST_F(StockTest, NoReceiptAndNoPriceLeavesPa) {
    product("1", "500", "0");
    recompute_product_stock(s(), "1");
    EXPECT_EQ(pa("1"), "0");
    EXPECT_EQ(stock("1"), "500");
}

TEST_F(StockTest, UnknownProductIsLeftAlone) {
    product("1", "500", "100");
    recompute_product_stock(s(), "2");
    EXPECT_EQ(stock("1"), "0");
    EXPECT_TRUE(data.op().shown.empty());
    EXPECT_EQ(product_stock_by_sums(s(), "2").hundredths, 0);
}

TEST_F(StockTest, StockBySumsAddsEverySourceAndIgnoresHeaderRows) {
    product("1", "1000", "100");
    receipt("1", 1, "250", "100");
    receipt("9999", 1, "0", "0");
    regularisation("1", 2, "100", "50");
    instalment_sale("1", 3, "200");
    cash_sale("1", 4, "75");
    cash_sale("2", 4, "5000");
    const StockBySums sums = product_stock_by_sums(s(), "1");
    EXPECT_EQ(sums.hundredths, 1000 + 250 + 100 - 50 - 200 - 75);
    EXPECT_EQ(sums.text, "1025");
    EXPECT_EQ(sums.units, "10");
}

TEST(WholeUnits, CutsTheHundredths) {
    const std::pair<long long, const char*> cases[] = {
        {1250, "12"}, {50, ""}, {0, ""}, {-300, "-3"}, {-50, ""}, {100, "1"}, {-12345, "-123"}};
    for (auto [h, units] : cases) EXPECT_EQ(whole_units_text(h), units) << h;
}

TEST(Replay, RegularisationTakingMoreThanThereIsKeepsTheAverage) {
    // 2 units at 10.00, then a regularisation of 0.50 in and 3.00 out: nothing left to
    // spread the entry over, and the stock goes below zero.
    const Replayed r = replay_movements({{0, 200, 0, 1000}, {1, 50, 300, 4000}});
    EXPECT_EQ(r.stock, -50);
    EXPECT_EQ(r.average, 1000);
}

TEST(Replay, LargeQuantitiesDoNotOverflow) {
    const Replayed r = replay_movements(
        {{0, 100'000'000'00LL, 0, 90'000'000'00LL}, {1, 100'000'000'00LL, 0, 110'000'000'00LL}});
    EXPECT_EQ(r.average, 100'000'000'00LL);
    EXPECT_EQ(r.stock, 200'000'000'00LL);
}

}  // namespace
}  // namespace kelmo::masters
