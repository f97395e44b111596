#include "store/store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_data.h"

namespace kelmo::store {
namespace {

TEST(StoreOpen, MissingFolderNamesTheFirstFileOnly) {
    test::ScriptedOperator op;
    test::TempDir dir;
    std::string folder = (dir.path() / "Data").string();
    EXPECT_EQ(Store::open(op, folder), nullptr);
    ASSERT_EQ(op.shown.size(), 1u);
    EXPECT_EQ(op.shown[0].title, "Info");
    EXPECT_EQ(op.shown[0].text, "Ouverture " + folder + "/dbProd.db impossible!");
    EXPECT_FALSE(std::filesystem::exists(folder + "/dbProd.db"));  // never created
}

TEST(StoreOpen, MissingLastFileIsNamed) {
    test::ScriptedOperator op;
    test::TempDir dir;
    std::string folder = (dir.path() / "Data").string();
    create_data_folder(folder);
    std::filesystem::remove(folder + "/DbParam.db");
    EXPECT_EQ(Store::open(op, folder), nullptr);
    EXPECT_EQ(op.texts(), std::vector<std::string>{"Ouverture " + folder +
                                                   "/DbParam.db impossible!"});
    EXPECT_FALSE(std::filesystem::exists(folder + "/DbParam.db"));
}

TEST(StoreOpen, RelativeDataFolderIsNamedAsOpened) {
    test::ScriptedOperator op;
    test::TempDir dir;
    auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(Store::open(op), nullptr);
    std::filesystem::current_path(previous);
    EXPECT_EQ(op.last(), "Ouverture Data/dbProd.db impossible!");
}

TEST(StoreQuery, FailureReportShowsValuesInPlace) {
    test::TempData data;
    Rows rows = data.store().query(kProd, "SELECT * FROM Fnothing where codeprod=?", {"5"});
    EXPECT_TRUE(rows.empty());
    ASSERT_EQ(data.op().shown.size(), 1u);
    EXPECT_EQ(data.op().shown[0].title, "Erreur");
    EXPECT_EQ(data.op().shown[0].text,
              "no such table: Fnothing    Db=10 query$= SELECT * FROM Fnothing where "
              "codeprod=\"5\"");
}

TEST(StoreUpdate, FailureIsReportedAndReturnsFalse) {
    test::TempData data;
    EXPECT_FALSE(data.store().update(kFour, "update Ffour set nocol=? where codefour=?",
                                     {"x", "1"}));
    EXPECT_EQ(data.op().last(),
              "no such column: nocol    Db=23 query$= update Ffour set nocol=\"x\" where "
              "codefour=\"1\"");
}

TEST(StoreNumbering, LargestPlusOne) {
    test::TempData data;
    Store& s = data.store();
    const char* numbering = "SELECT max(numdoc) FROM facv";
    EXPECT_EQ(s.next_number(numbering, kFac), "1");
    for (const char* n : {"1", "2", "7"})
        s.update(kFac, "insert into facv(numdoc,codeprod) values (?,?)", {n, "1"});
    EXPECT_EQ(s.next_number(numbering, kFac), "8");
    s.update(kFac, "insert into facv(numdoc,codeprod) values (?,?)", {"9", "1"});
    EXPECT_EQ(s.next_number(numbering, kFac), "10");
    s.update(kFac, "insert into facv(numdoc,codeprod) values (?,?)", {"10", "1"});
    EXPECT_EQ(s.next_number(numbering, kFac), "11");
    s.update(kFac, "delete from facv where numdoc=?", {"10"});
    EXPECT_EQ(s.next_number(numbering, kFac), "10");  // freed top number given again
    // A failing numbering statement reports and yields 1.
    EXPECT_EQ(s.next_number("SELECT max(numdoc) FROM nothing", kFac), "1");
    EXPECT_EQ(data.op().shown.size(), 1u);
}

TEST(StoreValues, QuotesAndColumnNamesAreStoredAndFoundExactly) {
    test::TempData data;
    Store& s = data.store();
    const std::string names[] = {"PROD", "Prod", "NOM", "TV 21\" LED", "L'ARMOIRE",
                                 "A\" or \"1\"=\"1", "Codeprod"};
    int code = 1;
    for (const std::string& name : names)
        s.update(kProd, "insert into FProd(codeprod,prod) values (?,?)",
                 {std::to_string(code++), name});
    for (const std::string& name : names) {
        Rows rows = s.query(kProd, "select * from FProd where prod=?", {name});
        ASSERT_EQ(rows.size(), 1u) << name;
        EXPECT_EQ(rows[0].text(1), name);
    }
    EXPECT_EQ(s.query(kProd, "select count(*) from FProd where prod=?", {"PROD"}).first(), "1");
    EXPECT_TRUE(data.op().shown.empty());
}

TEST(StoreValues, HundredthsSumAsWholeDigits) {
    test::TempData data;
    Store& s = data.store();
    for (const char* doc : {"1", "2"})
        s.update(kCaisse, "insert into fcaisse(numdoc,rec,dep) values (?,?,?)",
                 {doc, "1250", "0"});
    EXPECT_EQ(s.query(kCaisse, "select sum(rec) from fcaisse").first(), "2500");
    EXPECT_EQ(s.sum(kCaisse, "select sum(rec) from fcaisse"), 2500);
    EXPECT_EQ(s.sum(kCaisse, "select sum(dep) from fcaisse where numdoc=?", {"9"}), 0);
    // 64-bit amounts never wrap.
    s.update(kCaisse, "insert into fcaisse(numdoc,rec,dep) values (?,?,?)",
             {"3", "300000000000", "0"});
    EXPECT_EQ(s.query(kCaisse, "select sum(rec) from fcaisse").first(), "300000002500");
    // Codes compare numerically: 10 is after 9.
    EXPECT_EQ(s.query(kCaisse, "select count(*) from fcaisse where numdoc>=?", {"2"}).first(),
              "2");
}

TEST(StoreRows, NullReadsEmptyAndZero) {
    test::TempData data;
    Store& s = data.store();
    s.update(kProd, "insert into FProd(codeprod) values (?)", {"4"});
    Rows rows = s.query(kProd, "select * from FProd");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].integer(0), 4);
    EXPECT_EQ(rows[0].text(1), "");
    EXPECT_EQ(rows[0].integer(6), 0);
    EXPECT_EQ(rows[0].text(42), "");
}

TEST(StoreTransaction, RollsBackUnlessCommitted) {
    test::TempData data;
    Store& s = data.store();
    {
        Store::Transaction t(s, kBlfProd);
        s.update(kBlfProd, "insert into FblfProd(numdoc,codeprod) values (?,?)", {"1", "1"});
    }
    EXPECT_EQ(s.query(kBlfProd, "select count(*) from FblfProd").first(), "0");
    {
        Store::Transaction t(s, kBlfProd);
        s.update(kBlfProd, "insert into FblfProd(numdoc,codeprod) values (?,?)", {"1", "1"});
        EXPECT_TRUE(t.commit());
    }
    EXPECT_EQ(s.query(kBlfProd, "select count(*) from FblfProd").first(), "1");
}

TEST(StoreForEach, StopsWhenAsked) {
    test::TempData data;
    Store& s = data.store();
    for (int i = 1; i <= 5; ++i)
        s.update(kCaisse, "insert into fcaisse(numdoc) values (?)", {std::to_string(i)});
    int seen = 0;
    EXPECT_TRUE(s.for_each(kCaisse, "select numdoc from fcaisse order by numdoc", {},
                           [&seen](const Row& r) { return ++seen < 3; }));
    EXPECT_EQ(seen, 3);
}

}  // namespace
}  // namespace kelmo::store
