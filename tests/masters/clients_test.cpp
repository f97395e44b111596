#include "masters/clients.h"

#include <gtest/gtest.h>

#include "support/temp_data.h"

namespace kelmo::masters {
namespace {

class ClientsTest : public ::testing::Test {
  protected:
    store::Store& s() { return data.store(); }
    test::ScriptedOperator& op() { return data.op(); }
    long long count(const char* sql) { return s().sum(store::kClient, sql); }
    void save(const std::string& nom, const std::string& ccp, const std::string& fonc = "") {
        tab.form = {"", nom, "ORAN", "0550", fonc, "01/01/1980", ccp, "0", true};
        tab.save_client();
    }

    test::TempData data;
    ClientsTab tab{data.store(), data.op()};
};

TEST_F(ClientsTest, SavingWithoutCodeReusesTheClientOfSameNameAndPostalAccount) {
    save("BENALI", "111");
    save("BENALI", "222");
    EXPECT_EQ(count("select count(*) from fclient"), 2);
    tab.form = {"", "BENALI", "TLEMCEN", "0660", "", "", "111", "1 500,5", false};
    const RowChange change = tab.save_client();
    EXPECT_EQ(count("select count(*) from fclient"), 2);
    const store::Row r = s().query(store::kClient, "select * from fclient where codeclient='1'")[0];
    EXPECT_EQ(r.text(2), "TLEMCEN");
    EXPECT_EQ(r.text(7), "150050");
    EXPECT_EQ(r.text(8), "0");
    EXPECT_EQ(change.kind, RowChange::Replaced);
    EXPECT_EQ(change.index, 0);
    EXPECT_EQ(tab.rows()[0].cells, (std::vector<std::string>{"1", "BENALI", "TLEMCEN", "0660", "",
                                                             "", "111", "1 500.50", "0"}));
    // The form is emptied; the client kind stays as chosen.
    EXPECT_EQ(tab.form, (ClientForm{"", "", "", "", "", "", "", "", false}));
}

TEST_F(ClientsTest, EmptyNameIsRefused) {
    tab.form.nom = "  ";
    tab.save_client();
    EXPECT_EQ(op().shown,
              (std::vector<test::Shown>{{"message", "Erreur", "Nom de client incorrect !"}}));
    EXPECT_EQ(count("select count(*) from fclient"), 0);
}

TEST_F(ClientsTest, OpeningBalanceThatIsNotANumberIsZero) {
    tab.form = {"", "A", "", "", "", "", "", "douze", true};
    tab.save_client();
    EXPECT_TRUE(op().shown.empty());
    EXPECT_EQ(count("select si from fclient"), 0);
}

TEST_F(ClientsTest, EnterLoadsTheClientByNameOrPostalAccount) {
    save("BENALI", "111", "prof");
    save("KADDOUR", "222");
    tab.form = {"", "X", "typed", "", "", "", "222", "", true};
    tab.enter_ccp();
    EXPECT_EQ(tab.form,
              (ClientForm{"2", "KADDOUR", "ORAN", "0550", "", "01/01/1980", "222", "0.00", true}));
    tab.form = {};
    tab.form.nom = "BENALI";
    tab.enter_name();
    EXPECT_EQ(tab.form.code, "1");
    EXPECT_EQ(tab.form.fonc, "PROF");
    tab.form = {};
    tab.form.nom = "NOBODY";
    tab.enter_name();
    EXPECT_EQ(tab.form.code, "");
    // Enter on an empty postal account keeps what was typed, even if a client has none.
    save("NOCCP", "");
    tab.form = {"", "TYPED", "", "", "", "", "", "", true};
    tab.enter_ccp();
    EXPECT_EQ(tab.form.nom, "TYPED");
}

TEST_F(ClientsTest, ListAndChoosingARow) {
    save("A", "1");
    save("B", "2");
    s().update(store::kClient, "update fclient set vf='0' where codeclient='2'");
    tab.fill_client_list();
    ASSERT_EQ(tab.rows().size(), 2u);
    EXPECT_FALSE(tab.rows()[0].background);
    EXPECT_EQ(tab.rows()[1].background, kAlternateRow);
    tab.choose_row(1);
    EXPECT_EQ(tab.form,
              (ClientForm{"2", "B", "ORAN", "0550", "", "01/01/1980", "2", "0.00", false}));
    tab.form.ad = "ALGER";
    const RowChange change = tab.save_client();
    EXPECT_EQ(change.kind, RowChange::Replaced);
    EXPECT_EQ(change.index, 1);
    EXPECT_EQ(tab.rows()[1].cell(2), "ALGER");
    EXPECT_EQ(tab.rows()[1].background, kAlternateRow);
}

TEST_F(ClientsTest, OccupationsAreRecordedOnceAndOfferedOnce) {
    save("A", "1", "taxi");
    save("B", "2", "TAXI ");
    save("C", "3", "BOULANGER");
    save("D", "4", "");
    EXPECT_EQ(s().sum(store::kFonc, "select count(*) from fFonc"), 2);
    tab.fill_occupation_box();
    EXPECT_EQ(tab.occupations(), (std::vector<std::string>{"BOULANGER", "TAXI"}));
    // A new occupation shows the next time the box is filled, not before.
    save("E", "5", "MACON");
    tab.fill_occupation_box();
    EXPECT_EQ(tab.occupations().size(), 2u);
    ClientsTab reopened(s(), op());
    reopened.fill_occupation_box();
    EXPECT_EQ(reopened.occupations(), (std::vector<std::string>{"BOULANGER", "MACON", "TAXI"}));
}

TEST_F(ClientsTest, DeleteRefusesTheFirstUseFoundNamingItsDocument) {
    save("BENALI", "111");
    s().update(store::kBlf, "insert into fBLf (numdoc,codeclient) values ('3','1')");
    s().update(store::kBlc,
               "insert into Fblc (Numdoc,Codeclient,CodeProd) values ('4','1','9999')");
    s().update(store::kVer, "insert into fVerR (numdoc,CodeClient) values ('5','1')");
    s().update(store::kFac,
               "insert into facv (numdoc,client,codeprod) values ('6','BENALI','999')");
    const std::pair<std::pair<int, const char*>, const char*> steps[] = {
        {{store::kBlf, "delete from fBLf"},
         "Ce Client est utilisé au niveau des livraisons. Impossible de le supprimer de la "
         "table. Voir BL (F) N°: 3"},
        {{store::kBlc, "delete from Fblc"},
         "Ce Client est utilisé au niveau des livraisons (c). Impossible de le supprimer de la "
         "table. Voir BL (c) N°: 4"},
        {{store::kVer, "delete from fVerR"},
         "Ce Client est utilisé au niveau des versements (c). Impossible de le supprimer de "
         "la table. Voir Ver (R) N°: 5"},
        {{store::kFac, "update facv set client='BENALLI'"},
         "Ce Client est utilisé au niveau des factures. Impossible de le supprimer de la "
         "table. Voir facture vente N°: 6"},
    };
    for (const auto& [cleanup, message] : steps) {
        op().clear();
        tab.load_client("1");
        tab.delete_client();
        EXPECT_EQ(op().shown, (std::vector<test::Shown>{{"message", "Client utilisé", message}}));
        s().update(cleanup.first, cleanup.second);
    }
    // Only an invoice under another spelling of the name is left.
    op().clear();
    op().answers = {Answer::Cancel};
    tab.load_client("1");
    tab.delete_client();
    EXPECT_EQ(count("select count(*) from fclient"), 1);
    EXPECT_EQ(op().shown,
              (std::vector<test::Shown>{{"yes_no_cancel", "Confirmation",
                                         "Etes-vous sûr de vouloir supprimer ce Client ?"}}));
    tab.fill_client_list();
    tab.choose_row(0);
    EXPECT_EQ(tab.delete_client().kind, RowChange::Removed);
    EXPECT_EQ(count("select count(*) from fclient"), 0);
    EXPECT_TRUE(tab.rows().empty());

    op().clear();
    tab.form.code = "1";
    tab.delete_client();
    EXPECT_EQ(op().shown, (std::vector<test::Shown>{{"message", "Erreur inattendue",
                                                     "Code Client introuvable dans la table !"}}));
}

TEST_F(ClientsTest, NewClientTakesTheNextCodeAndKeepsTheKind) {
    save("A", "1");
    tab.form = {"", "X", "Y", "Z", "W", "V", "U", "T", false};
    tab.new_client();
    EXPECT_EQ(tab.form, (ClientForm{"2", "", "", "", "", "", "", "", false}));
}

}  // namespace
}  // namespace kelmo::masters
