#include "masters/suppliers.h"

#include <gtest/gtest.h>

#include "support/temp_data.h"

namespace kelmo::masters {
namespace {

class SuppliersTest : public ::testing::Test {
  protected:
    store::Store& s() { return data.store(); }
    test::ScriptedOperator& op() { return data.op(); }
    long long count() { return s().sum(store::kFour, "select count(*) from Ffour"); }
    void save(const std::string& nom) {
        tab.form = {"", nom, "ORAN", "041", ""};
        tab.save_supplier();
    }

    test::TempData data;
    SuppliersTab tab{data.store(), data.op()};
};

TEST_F(SuppliersTest, SavingUnderAnExistingNameUpdatesThatSupplier) {
    save("SONELEC");
    save("ENIEM");
    tab.form = {"", "SONELEC", "ALGER", "021", "1 500,5"};
    tab.save_supplier();
    EXPECT_EQ(count(), 2);
    const store::Row r = s().query(store::kFour, "select * from Ffour where codefour='1'")[0];
    EXPECT_EQ(r.text(2), "ALGER");
    EXPECT_EQ(r.text(4), "150050");
    EXPECT_EQ(tab.rows()[0].cells,
              (std::vector<std::string>{"1", "SONELEC", "ALGER", "021", "1 500.50"}));
}

TEST_F(SuppliersTest, RenamingKeepsTheCodeButNotOntoAnotherSuppliersName) {
    save("SONELEC");
    save("ENIEM");
    tab.fill_supplier_list();
    ASSERT_EQ(tab.rows().size(), 2u);
    EXPECT_EQ(tab.rows()[0].cell(1), "ENIEM");
    EXPECT_EQ(tab.rows()[1].background, kAlternateRow);
    tab.choose_row(1);
    EXPECT_EQ(tab.form, (SupplierForm{"1", "SONELEC", "ORAN", "041", "0.00"}));
    tab.form.nom = "SONELGAZ";
    EXPECT_EQ(tab.save_supplier().kind, RowChange::Replaced);
    EXPECT_EQ(tab.rows()[1].cell(1), "SONELGAZ");
    EXPECT_EQ(count(), 2);

    tab.choose_row(1);
    tab.form.nom = "ENIEM";
    EXPECT_EQ(tab.save_supplier().kind, RowChange::None);
    EXPECT_EQ(
        op().shown,
        (std::vector<test::Shown>{{"message", "Erreur", "Ce Nom existe avec un autre code"}}));
    EXPECT_EQ(s().query(store::kFour, "select nom from Ffour where codefour='1'").first(),
              "SONELGAZ");
}

TEST_F(SuppliersTest, EmptyNameIsRefused) {
    tab.form = {"", " ", "", "", ""};
    tab.save_supplier();
    EXPECT_EQ(op().last(), "Nom Fournisseur incorrect !");
    EXPECT_EQ(count(), 0);
}

TEST_F(SuppliersTest, EnterInTheNameLoadsTheSupplier) {
    save("SONELEC");
    tab.form = {"", "SONELEC", "", "", ""};
    tab.enter_name();
    EXPECT_EQ(tab.form, (SupplierForm{"1", "SONELEC", "ORAN", "041", "0.00"}));
    tab.new_supplier();
    EXPECT_EQ(tab.form, (SupplierForm{"2", "", "", "", ""}));
}

TEST_F(SuppliersTest, DeleteGuards) {
    save("SONELEC");
    s().update(store::kVer, "insert into fVerE (numdoc,CodeFour) values ('12','1')");
    tab.load_supplier("1");
    tab.delete_supplier();
    EXPECT_EQ(op().shown,
              (std::vector<test::Shown>{
                  {"message", "Fournisseur",
                   "Ce fournisseur est utilisé au niveau des versements (c). Impossible de le "
                   "supprimer de la table. Voir Ver (E) N°: 12"}}));
    s().update(store::kBr, "insert into FBr (Numdoc,CodeFour,CodeProd) values ('8','1','9999')");
    op().clear();
    tab.load_supplier("1");
    tab.delete_supplier();
    EXPECT_EQ(op().shown,
              (std::vector<test::Shown>{
                  {"message", "Fournisseur utilisé",
                   "Ce Fournisseur est utilisé au niveau des réceptions. Impossible de le "
                   "supprimer de la table. Voir Br N°: 8"}}));
    s().update(store::kBr, "delete from FBr");
    s().update(store::kVer, "delete from fVerE");
    op().clear();
    tab.load_supplier("1");
    tab.delete_supplier();
    EXPECT_EQ(op().shown,
              (std::vector<test::Shown>{{"yes_no_cancel", "Confirmation",
                                         "Etes-vous sûr de vouloir supprimer ce fournisseur ?"}}));
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(tab.form, SupplierForm{});

    op().clear();
    tab.form.code = "1";
    tab.delete_supplier();
    EXPECT_EQ(op().last(), "Code Fournisseur introuvable dans la table !");
    EXPECT_EQ(op().shown[0].title, "Erreur inattendue");
}

}  // namespace
}  // namespace kelmo::masters
