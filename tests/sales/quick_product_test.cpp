// The "Nouveau produit" window's save.
#include "sales/quick_product.h"
#include "sales_fixture.h"

namespace kelmo::test {
namespace {

TEST_F(SalesTest, QuickProductSavesUnderTheNextCodeWithoutStock) {
    sales::QuickProduct empty{"  "};
    EXPECT_FALSE(sales::save_quick_product(db(), data.op(), empty));
    EXPECT_EQ(data.op().last(), "La désignation du Produit est incorrecte !");

    product("998", "AUTRE", 0);
    sales::QuickProduct p{"LAMPE", "3", "12.5", "", "20", "25"};
    ASSERT_TRUE(sales::save_quick_product(db(), data.op(), p));
    EXPECT_EQ(data.op().last(), "Le nouveau produit a été ajouté dans la table ! ");
    EXPECT_EQ(p.wholesale, "0");
    // 999 marks header rows: the next code skips it.
    store::Rows r = db().query(store::kProd, "select * from FProd where prod=?", {"LAMPE"});
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].text(0), "1000");
    EXPECT_EQ(r[0].text(2), "300");
    EXPECT_EQ(r[0].text(3), "1250");
    EXPECT_EQ(r[0].text(4), "2500");
    EXPECT_EQ(r[0].text(5), "2000");
    EXPECT_EQ(r[0].text(6), "");
}

}  // namespace
}  // namespace kelmo::test
