#include "masters/products.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "masters/stock.h"
#include "support/temp_data.h"

namespace kelmo::masters {
namespace {

using store::Store;

class ProductsTest : public ::testing::Test {
  protected:
    Store& s() { return data.store(); }
    test::ScriptedOperator& op() { return data.op(); }

    store::Row product(const std::string& code) {
        const store::Rows rows =
            s().query(store::kProd, "select * from FProd where codeprod=?", {code});
        return rows.empty() ? store::Row({}) : rows[0];
    }
    long long product_count() { return s().sum(store::kProd, "select count(*) from FProd"); }
    void receipt(const std::string& numdoc, const std::string& code, const std::string& qte,
                 const std::string& pu) {
        s().update(store::kBr,
                   "insert into FBr (Numdoc,DateDoc,DateNum,CodeFour,CodeProd,Qte,Pu,Mnt) "
                   "values (?,'',86400,'1',?,?,?,'0')",
                   {numdoc, code, qte, pu});
    }

    test::TempData data;
    ProductsTab tab{data.store(), data.op()};
};

TEST_F(ProductsTest, NewProductWithDesignationOnly) {
    tab.form.prod = "  CAFE  ";
    const RowChange change = tab.save_product();
    EXPECT_TRUE(op().shown.empty());
    EXPECT_EQ(change.kind, RowChange::Appended);
    const store::Row p = product("1");
    EXPECT_EQ(p.text(1), "CAFE");
    for (int col : {2, 3, 4, 5, 6, 8}) EXPECT_EQ(p.text(col), "0") << col;
    ASSERT_EQ(tab.rows().size(), 1u);
    EXPECT_EQ(tab.rows()[0].cells,
              (std::vector<std::string>{"1", "CAFE", "0.00", "0.00", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(tab.form, ProductForm{});
}

TEST_F(ProductsTest, RefusalsWriteNothing) {
    struct Case {
        ProductForm form;
        const char* message;
    };
    const Case cases[] = {
        {{"", "", "1", "1", "1", "1", ""}, "La désignation du produit est incorrecte !"},
        {{"", "   ", "1", "1", "1", "1", ""}, "La désignation du produit est incorrecte !"},
        {{"", "A", "5", "", "1", "1", ""}, "Le prix d'achat est obligatoire !"},
        {{"", "A", "5", "abc", "1", "1", ""}, "Le prix d'achat est obligatoire !"},
        {{"", "A", "0", "", "x", "y", ""}, "Prix de vente incorrect !"},
        // A price that is not a number is refused even when the other one is valid.
        {{"", "A", "0", "", "12", "1O", ""}, "Prix de vente incorrect !"},
    };
    for (const Case& c : cases) {
        op().clear();
        tab.form = c.form;
        EXPECT_EQ(tab.save_product().kind, RowChange::None);
        ASSERT_EQ(op().shown.size(), 1u) << c.message;
        EXPECT_EQ(op().shown[0], (test::Shown{"message", "Erreur", c.message}));
    }
    EXPECT_EQ(product_count(), 0);
}

TEST_F(ProductsTest, NoPurchasePriceIsAcceptedWithoutInitialQuantity) {
    tab.form = {"", "A", "0", "", "10", "", ""};
    tab.save_product();
    EXPECT_TRUE(op().shown.empty());
    EXPECT_EQ(product("1").text(4), "1000");
}

TEST_F(ProductsTest, EditingAChosenRowKeepsItsCodeAndRefreshesItsStock) {
    tab.form = {"", "A", "2", "10", "15", "12", ""};
    tab.save_product();
    tab.form = {"", "B", "0", "", "1", "1", ""};
    tab.save_product();
    receipt("1", "1", "300", "1000");
    tab.fill_product_list();
    ASSERT_EQ(tab.rows().size(), 2u);
    EXPECT_EQ(tab.rows()[1].background, kAlternateRow);
    tab.choose_row(0);
    EXPECT_EQ(tab.form, (ProductForm{"1", "A", "2.00", "10.00", "15.00", "12.00", "2.00"}));
    tab.form.prod = "AA";
    tab.form.pvc = "13";
    const RowChange change = tab.save_product();
    EXPECT_EQ(change.kind, RowChange::Replaced);
    EXPECT_EQ(change.index, 0);
    ASSERT_EQ(tab.rows().size(), 2u);
    EXPECT_EQ(tab.rows()[0].cells,
              (std::vector<std::string>{"1", "AA", "2.00", "10.00", "15.00", "13.00", "5.00"}));
    EXPECT_EQ(product("1").text(6), "500");
    EXPECT_EQ(product_count(), 2);
}

TEST_F(ProductsTest, SavingAgainDoesNotTurnTheAverageIntoTheInitialPrice) {
    tab.form = {"", "A", "10", "100", "1", "1", ""};
    tab.save_product();
    receipt("1", "1", "1000", "20000");
    recompute_product_stock(s(), "1");
    EXPECT_EQ(product("1").text(3), "15000");
    tab.fill_product_list();
    tab.choose_row(0);
    EXPECT_EQ(tab.form.pa, "150.00");
    tab.form.prod = "B";
    tab.save_product();
    recompute_product_stock(s(), "1");
    EXPECT_EQ(product("1").text(3), "15000");
    EXPECT_EQ(product("1").text(8), "10000");

    // A purchase price the operator changes is the new initial price.
    tab.choose_row(0);
    tab.form.pa = "120";
    tab.save_product();
    recompute_product_stock(s(), "1");
    EXPECT_EQ(product("1").text(8), "12000");
    EXPECT_EQ(product("1").text(3), "16000");
}

TEST_F(ProductsTest, FileWithoutInitialPriceColumnSavesWithoutError) {
    // A products file made before FProd.Pai existed.
    s().update(store::kProd, "DROP TABLE FProd");
    s().update(store::kProd,
               "CREATE TABLE FProd (Codeprod INTEGER, Prod TEXT, Qi INTEGER, Pa INTEGER, "
               "Pvf INTEGER, Pvc INTEGER, stock INTEGER, Ref TEXT)");
    tab.form = {"", "A", "2", "10", "15", "12", ""};
    tab.save_product();
    receipt("1", "1", "300", "2000");
    tab.fill_product_list();
    tab.choose_row(0);
    tab.form.pa = "11";
    EXPECT_EQ(tab.save_product().kind, RowChange::Replaced);
    EXPECT_TRUE(op().shown.empty());
    EXPECT_EQ(product("1").text(3), "1100");
    EXPECT_EQ(product("1").text(6), "500");
}

TEST_F(ProductsTest, NumberingSkipsTheHeaderRowMarkers) {
    EXPECT_EQ(next_product_code(s()), "1");
    for (auto [last, next] : {std::pair{"998", "1000"}, std::pair{"9998", "10000"}}) {
        s().update(store::kProd, "insert into FProd (Codeprod,Prod) values (?,'X')", {last});
        EXPECT_EQ(next_product_code(s()), next);
    }
    tab.new_product();
    EXPECT_EQ(tab.form, (ProductForm{"10000", "", "", "", "", "", ""}));
}

TEST_F(ProductsTest, DeleteRefusesTheFirstUseFoundNamingItsDocument) {
    tab.form = {"", "A", "0", "", "1", "1", ""};
    tab.save_product();
    receipt("4", "1", "100", "100");
    s().update(store::kBlfProd, "insert into FblfProd (numdoc,codeprod,qte) values ('7','1','1')");
    s().update(store::kBlc, "insert into Fblc (Numdoc,CodeProd,Qte) values ('8','1','1')");
    s().update(store::kFac, "insert into facv (numdoc,codeprod,qte) values ('9','1','1')");
    s().update(store::kBrs, "insert into FBrs (Numdoc,CodeProd,Qe) values ('5','1','100')");
    const std::pair<std::pair<int, const char*>, const char*> steps[] = {
        {{store::kBr, "delete from FBr"},
         "Ce produit est utilisé au niveau des réceptions. Impossible de le supprimer de la "
         "table. Voir bon de réception N°: 4"},
        {{store::kBlfProd, "delete from FblfProd"},
         "Ce produit est utilisé au niveau des livraisons. Impossible de le supprimer de la "
         "table. Voir bon de livraison (f) N°: 7"},
        {{store::kBlc, "delete from Fblc"},
         "Ce produit est utilisé au niveau des livraisons. Impossible de le supprimer de la "
         "table. Voir bon de livraison (c) N°: 8"},
        {{store::kFac, "delete from facv"},
         "Ce produit est utilisé au niveau des factures. Impossible de le supprimer de la "
         "table. Voir facture N°: 9"},
    };
    for (const auto& [cleanup, message] : steps) {
        op().clear();
        tab.form.code = "1";
        EXPECT_EQ(tab.delete_product().kind, RowChange::None);
        EXPECT_EQ(op().shown, (std::vector<test::Shown>{{"message", "Produit utilisé", message}}));
        s().update(cleanup.first, cleanup.second);
    }
    // Regularisations alone do not keep a product.
    op().clear();
    op().answers = {Answer::No};
    tab.form.code = "1";
    tab.delete_product();
    EXPECT_EQ(product_count(), 1);
    EXPECT_EQ(op().last(), "Etes-vous sûr de vouloir supprimer ce produit?");
    EXPECT_EQ(op().shown.back().title, "Suppression d'un produit");
    tab.fill_product_list();
    tab.choose_row(0);
    const RowChange change = tab.delete_product();
    EXPECT_EQ(change.kind, RowChange::Removed);
    EXPECT_EQ(change.index, 0);
    EXPECT_EQ(product_count(), 0);
    EXPECT_TRUE(tab.rows().empty());
    EXPECT_EQ(tab.form, ProductForm{});
}

TEST_F(ProductsTest, DeleteOfAnUnknownCode) {
    tab.form.code = "3";
    tab.delete_product();
    EXPECT_EQ(op().shown,
              (std::vector<test::Shown>{{"message", "Erreur inattendue",
                                         "Code produit introuvable dans la table des produits!"}}));
}

std::string file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST_F(ProductsTest, ExportWritesTheListInWindows1252) {
    test::TempDir dir;
    std::vector<std::string> opened;
    auto opener = [&opened](const std::string& path) { opened.push_back(path); };
    const std::string title =
        "Code\tMarque\tR\xE9"
        "f\xE9"
        "rence\tD\xE9"
        "signation du produit\tQt\xE9 INV.\r\n";

    // Nothing shown yet: the title line only.
    const std::string path = tab.export_products(dir.path().string(), opener);
    EXPECT_EQ(file_bytes(path), title);
    EXPECT_EQ(opened, std::vector<std::string>{path});
    EXPECT_EQ(path, (dir.path() / "inventaire.xls").string());

    tab.form = {"", "CAFÉ MOULU", "1234.5", "1", "1", "1", ""};
    tab.save_product();
    tab.form = {"", "BOÎTE\tA", "", "", "1", "1", ""};
    tab.save_product();
    tab.fill_product_list();
    tab.export_products(dir.path().string(), opener);
    EXPECT_EQ(file_bytes(path),
              title + "2\tBO\xCETE A\t0.00\r\n" + "1\tCAF\xC9 MOULU\t1 234.50\r\n");
}

TEST(Cp1252, MapsWhatItHasAndMarksTheRest) {
    EXPECT_EQ(to_cp1252("é€œ…«»"), "\xE9\x80\x9C\x85\xAB\xBB");
    EXPECT_EQ(to_cp1252("a中b"), "a?b");
    EXPECT_EQ(to_cp1252(std::string("x\xC3")), "x?");
}

}  // namespace
}  // namespace kelmo::masters
