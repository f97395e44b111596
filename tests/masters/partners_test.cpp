#include "masters/partners.h"

#include <gtest/gtest.h>

#include "support/temp_data.h"

namespace kelmo::masters {
namespace {

TEST(Partners, ClientCreatedOnTheSpotIsFoundByCode) {
    test::TempData data;
    store::Store& s = data.store();
    EXPECT_EQ(next_client_code(s), "1");
    ASSERT_TRUE(insert_client(
        s, {"1", "BENALI", "ORAN", "0550", "PROF", "01/02/1970", "12345", "150050", "1"}));
    EXPECT_EQ(next_client_code(s), "2");
    const store::Rows rows = s.query(store::kClient, "SELECT * FROM fclient");
    ASSERT_EQ(rows.size(), 1u);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(rows[0].text(i),
                  (std::vector<std::string>{"1", "BENALI", "ORAN", "0550", "PROF", "01/02/1970",
                                            "12345", "150050", "1"}[i]));
    ClientContact contact;
    EXPECT_EQ(client_name_by_code(s, "1", &contact), "BENALI");
    EXPECT_EQ(contact.tel, "0550");
    EXPECT_EQ(contact.fonc, "PROF");
    EXPECT_EQ(contact.ccp, "12345");
}

TEST(Partners, UnknownCodeIsInconnuAndLeavesTheContact) {
    test::TempData data;
    ClientContact client{"t", "f", "c"};
    EXPECT_EQ(client_name_by_code(data.store(), "7", &client), "inconnu");
    EXPECT_EQ(client.tel, "t");
    EXPECT_EQ(client.ccp, "c");
    SupplierContact supplier{"a", "t"};
    EXPECT_EQ(supplier_name_by_code(data.store(), "7", &supplier), "inconnu");
    EXPECT_EQ(supplier.ad, "a");
    EXPECT_TRUE(data.op().shown.empty());
}

TEST(Partners, SupplierCreatedOnTheSpotIsFoundByCode) {
    test::TempData data;
    store::Store& s = data.store();
    EXPECT_EQ(next_supplier_code(s), "1");
    ASSERT_TRUE(insert_supplier(s, {"1", "SARL \"X\"", "ALGER", "021", "0"}));
    EXPECT_EQ(next_supplier_code(s), "2");
    SupplierContact contact;
    EXPECT_EQ(supplier_name_by_code(s, "1", &contact), "SARL \"X\"");
    EXPECT_EQ(contact.ad, "ALGER");
    EXPECT_EQ(contact.tel, "021");
}

}  // namespace
}  // namespace kelmo::masters
