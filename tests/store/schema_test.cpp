#include "store/schema.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "support/temp_data.h"

namespace kelmo::store {
namespace {

// Column names and declared types of a table, in order, as "name:TYPE".
std::vector<std::string> columns(Store& store, int db, const std::string& table) {
    std::vector<std::string> out;
    for (const Row& r : store.query(db, "SELECT name, type FROM pragma_table_info(?)", {table}))
        out.push_back(r.text(0) + ":" + r.text(1));
    return out;
}

TEST(Schema, SeventeenFilesInOrderUnderTheirNumbers) {
    std::vector<std::pair<int, std::string>> got;
    for (const DataFile& f : data_files()) got.emplace_back(f.db, f.name);
    std::vector<std::pair<int, std::string>> expected = {
        {10, "dbProd.db"},   {11, "dbclient.db"}, {12, "dbFonc.db"},   {13, "DBlf.db"},
        {14, "DBlfVer.db"},  {15, "DBlFProd.db"}, {16, "DBlc.db"},     {17, "DBr.db"},
        {18, "Dbfac.db"},    {19, "Dbrs.db"},     {20, "DbVer.db"},    {21, "DbCaisse.db"},
        {22, "DBCal.db"},    {23, "dbfour.db"},   {24, "DbCpte.db"},   {25, "Dbvo.db"},
        {30, "DbParam.db"}};
    EXPECT_EQ(got, expected);
}

TEST(Schema, ColumnsInOrderWithTheirAffinities) {
    test::TempData data;
    Store& s = data.store();
    using V = std::vector<std::string>;
    EXPECT_EQ(columns(s, kProd, "FProd"),
              (V{"Codeprod:INTEGER", "Prod:TEXT", "Qi:INTEGER", "Pa:INTEGER", "Pvf:INTEGER",
                 "Pvc:INTEGER", "stock:INTEGER", "Ref:TEXT", "Pai:INTEGER"}));
    EXPECT_EQ(columns(s, kClient, "fclient"),
              (V{"CodeClient:INTEGER", "nom:TEXT", "ad:TEXT", "tel:TEXT", "fonc:TEXT",
                 "dateN:TEXT", "ccp:TEXT", "si:INTEGER", "Vf:INTEGER"}));
    EXPECT_EQ(columns(s, kBlc, "Fblc").size(), 14u);
    EXPECT_EQ(columns(s, kBr, "FBr").size(), 13u);
    EXPECT_EQ(columns(s, kFac, "facv").size(), 15u);
    EXPECT_EQ(columns(s, kBlf, "fBLf").size(), 17u);
    EXPECT_EQ(columns(s, kBlfProd, "FblfProd").size(), 9u);
    EXPECT_EQ(columns(s, kVer, "fVerE"),
              (V{"numdoc:INTEGER", "DateDoc:TEXT", "DateNum:INTEGER", "CodeFour:INTEGER",
                 "Mnt:INTEGER", "Modep:TEXT", "obs:TEXT"}));
    EXPECT_EQ(columns(s, kParam, "Fparam"), (V{"UserName:TEXT", "Mp:TEXT"}));
    // No column anywhere has REAL affinity: sums must read back as whole digits.
    for (const DataFile& f : data_files())
        for (const Row& t : s.query(f.db, "SELECT name FROM sqlite_master WHERE type='table'"))
            for (const std::string& c : columns(s, f.db, t.text(0)))
                EXPECT_EQ(c.find("REAL"), std::string::npos) << t.text(0) << " " << c;
}

TEST(Schema, ExistingFileIsLeftUntouched) {
    test::TempDir dir;
    std::filesystem::path folder = dir.path() / "Data";
    std::filesystem::create_directories(folder);
    { std::ofstream(folder / "dbProd.db") << "keep me"; }
    auto created = create_data_folder(folder.string());
    EXPECT_EQ(created.size(), 16u);
    std::ifstream in(folder / "dbProd.db");
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(content, "keep me");
    EXPECT_TRUE(create_data_folder(folder.string()).empty());
}

}  // namespace
}  // namespace kelmo::store
