// Numbering, browsing, loading and the product lines of an instalment sale.
#include <sqlite3.h>

#include "sales_fixture.h"

namespace kelmo::test {
namespace {

using sales::InstalmentSale;

TEST_F(SalesTest, NewDocumentTakesTheNextNumberAndDropsLeftOverLines) {
    product("1", "FRIGO", 500);
    db().update(store::kBlf, "insert into fBLf (numdoc) values (?)", {"4"});
    db().update(store::kBlfProd, "insert into FblfProd (numdoc,codeprod,qte) values (?,?,?)",
                {"5", "1", "100"});
    masters::recompute_product_stock(db(), "1");
    ASSERT_EQ(stored_stock("1"), 400);
    sale.new_instalment_sale();
    EXPECT_EQ(sale.form.number, "5");
    EXPECT_EQ(sale.form.date, "10/03/2025");
    EXPECT_EQ(InstalmentSale::next_free_number(), 5);
    EXPECT_TRUE(db().query(store::kBlfProd, "select * from FblfProd").empty());
    // The dropped line's goods are available again.
    EXPECT_EQ(stored_stock("1"), 500);
}

TEST_F(SalesTest, SamePriceReplacesAnotherPriceAddsDeleteRemovesBoth) {
    product("7", "FRIGO", 1000);  // 10 units
    sale.new_instalment_sale();
    add("FRIGO", "2", "100");
    add("FRIGO", "3", "100");
    ASSERT_EQ(sale.form.lines.size(), 1u);
    EXPECT_EQ(sale.form.lines[0].cells,
              (std::vector<std::string>{"7", "FRIGO", "3.00", "100.00", "300.00"}));
    EXPECT_EQ(stored_stock("7"), 700);

    add("FRIGO", "1", "120");
    ASSERT_EQ(sale.form.lines.size(), 2u);
    EXPECT_EQ(db().query(store::kBlfProd, "select * from FblfProd").size(), 2u);
    EXPECT_EQ(sale.form.total, "420.00");
    EXPECT_EQ(stored_stock("7"), 600);
    EXPECT_TRUE(sale.form.designation.empty() && sale.form.quantity.empty());

    sale.pick_line(1);
    EXPECT_EQ(sale.form.code, "7");
    EXPECT_EQ(sale.form.unit_price, "120.00");
    sale.delete_instalment_sale_line();
    EXPECT_TRUE(sale.form.lines.empty());
    EXPECT_TRUE(db().query(store::kBlfProd, "select * from FblfProd").empty());
    EXPECT_EQ(stored_stock("7"), 1000);
    EXPECT_EQ(sale.form.total, "0.00");
}

TEST_F(SalesTest, AvailabilityAtAndAboveTheStoredStock) {
    product("1", "LAMPE", 250);  // 2.50 units
    sale.new_instalment_sale();
    add("LAMPE", "2.51", "10");
    EXPECT_EQ(data.op().last(), "Cette quantité n'est pas disponible !");
    EXPECT_TRUE(sale.form.lines.empty());
    add("LAMPE", "2.50", "10");
    ASSERT_EQ(sale.form.lines.size(), 1u);
    EXPECT_EQ(stored_stock("1"), 0);
    // Changing the line may use its own quantity again, and no more.
    data.op().clear();
    add("LAMPE", "2.50", "10");
    EXPECT_TRUE(data.op().shown.empty());
    add("LAMPE", "2.51", "10");
    EXPECT_EQ(data.op().last(), "Cette quantité n'est pas disponible !");
}

TEST_F(SalesTest, LineAmountIsTruncatedAndZeroesAreAccepted) {
    product("1", "VIS", 100000);
    sale.new_instalment_sale();
    add("VIS", "1.5", "1.33");
    add("VIS", "0", "2");
    add("VIS", "3", "0");
    ASSERT_EQ(sale.form.lines.size(), 3u);
    EXPECT_EQ(sale.form.lines[0].cell(4), "1.99");
    EXPECT_EQ(sale.form.lines[1].cell(4), "0.00");
    EXPECT_EQ(sale.form.lines[2].cell(4), "0.00");
    EXPECT_TRUE(data.op().shown.empty());
}

TEST_F(SalesTest, LineChecksInOrder) {
    product("1", "VIS", 1000);
    struct Case {
        std::string number, designation, qty, pu, message;
    } cases[] = {
        {"", "VIS", "1", "1", "N° BLF incorrect !"},
        {"0", "VIS", "1", "1", "N° BLF incorrect !"},
        {"1", "VIS", "x", "y", "Prix unitaire incorrect !"},
        {"1", "VIS", "1", "-1", "Prix unitaire incorrect !"},
        {"1", "VIS", "-1", "1", "Quantité incorrecte !"},
        {"1", "VIS", "a", "1", "Quantité incorrecte !"},
        {"1", "  ", "1", "1", "Désignation du produit incorrecte !"},
    };
    for (const Case& c : cases) {
        data.op().clear();
        sale.form.number = c.number;
        add(c.designation, c.qty, c.pu);
        EXPECT_EQ(data.op().texts(), std::vector<std::string>{c.message}) << c.message;
    }
    EXPECT_TRUE(db().query(store::kBlfProd, "select * from FblfProd").empty());
}

TEST_F(SalesTest, UnknownProductIsOfferedForCreation) {
    sale.new_instalment_sale();
    data.op().answers = {Answer::No};
    add("INCONNU", "1", "1");
    EXPECT_EQ(data.op().shown[0].title, "Nouveau produit");
    EXPECT_EQ(data.op().shown[0].text,
              "Ce produit n'existe pas dans la table, voulez-vous le créer?");
    EXPECT_EQ(data.op().last(), "Ce produit n'existe pas !");

    // Created, but without stock until recomputed: a quantity is not available.
    data.op().clear();
    std::string seen;
    sale.create_product_quickly = [&](const std::string& designation) {
        seen = designation;
        db().update(store::kProd, "insert into FProd (Codeprod,Prod,Qi) values (?,?,?)",
                    {"9", designation, "500"});
    };
    add("INCONNU", "1", "1");
    EXPECT_EQ(seen, "INCONNU");
    EXPECT_EQ(data.op().last(), "Cette quantité n'est pas disponible !");
}

TEST_F(SalesTest, LoadShowsTheStoredDocument) {
    example_document();
    sale.form.debit_day = "";
    ASSERT_TRUE(sale.save_instalment_sale());
    sale.new_instalment_sale();
    sale.form.number = "1";
    sale.load_instalment_sale();
    EXPECT_EQ(sale.form.client, "BENALI");
    EXPECT_EQ(sale.form.client_id, "1");
    EXPECT_EQ(sale.form.file_number, "77");
    EXPECT_EQ(sale.form.debit_day, "15");  // from the first-payment date
    EXPECT_EQ(sale.form.total, "30 000.00");
    EXPECT_EQ(sale.form.net, "24 000.00");
    EXPECT_EQ(sale.form.mode, std::string(25, ' ') + "ESPECE");
    EXPECT_EQ(sale.form.count_text, "2 X");
    EXPECT_EQ(sale.form.date, "10/03/2025");
    EXPECT_EQ(sale.form.lines.size(), 2u);
    EXPECT_EQ(sale.form.balance, "");
}

TEST_F(SalesTest, NavigationAtBothEnds) {
    for (const char* n : {"1", "2", "3"})
        db().update(store::kBlf, "insert into fBLf (numdoc,netApayer) values (?,?)", {n, "100"});
    sale.new_instalment_sale();  // 4, the next free number
    sale.form.number = "2";
    sale.previous_instalment_sale();
    EXPECT_EQ(sale.form.number, "1");
    EXPECT_EQ(sale.form.net, "1.00");
    sale.previous_instalment_sale();  // on document 1: everything empty
    EXPECT_EQ(sale.form.number, "");
    EXPECT_EQ(sale.form.net, "");

    sale.form.number = "2";
    sale.next_instalment_sale();
    EXPECT_EQ(sale.form.number, "3");
    sale.next_instalment_sale();  // reaches the next free number: shown, nothing loaded
    EXPECT_EQ(sale.form.number, "4");
    EXPECT_EQ(sale.form.net, "");
    sale.form.number = "9";  // beyond: the form empties
    sale.form.client = "X";
    sale.next_instalment_sale();
    EXPECT_EQ(sale.form.client, "");
}

TEST_F(SalesTest, CancelDeletesTheDocumentButKeepsItsPayments) {
    example_document();
    ASSERT_TRUE(sale.save_instalment_sale());
    EXPECT_EQ(stored_stock("1"), 900);
    sale.form.tr = "1";
    sale.form.paid_date = "15/04/2025";
    sale.form.paid = "4800";
    sale.record_instalment_payment();

    data.op().answers = {Answer::No};
    sale.cancel_instalment_sale();
    EXPECT_FALSE(db().query(store::kBlf, "select * from fBLf").empty());

    data.op().answers = {Answer::Yes};
    sale.cancel_instalment_sale();
    EXPECT_EQ(data.op().last(), "Etes-vous sûr de vouloir annuler ce bon de livraison ?");
    EXPECT_TRUE(db().query(store::kBlf, "select * from fBLf").empty());
    EXPECT_TRUE(db().query(store::kBlfProd, "select * from FblfProd").empty());
    EXPECT_EQ(stored_stock("1"), 1000);
    EXPECT_EQ(stored_stock("2"), 1000);
    EXPECT_TRUE(sale.form.number.empty() && sale.form.lines.empty());
    // The payment still counts in the client's balance: 0 - 4 800.00.
    sale.show_instalment_client();
    EXPECT_EQ(sale.form.balance, "-4 800.00");
}

TEST_F(SalesTest, CancelThatFailsHalfWayKeepsTheWholeDocument) {
    example_document();
    ASSERT_TRUE(sale.save_instalment_sale());
    sqlite3_exec(db().handle(store::kBlfProd), "ALTER TABLE FblfProd RENAME TO gone", nullptr,
                 nullptr, nullptr);
    data.op().answers = {Answer::Yes};
    sale.cancel_instalment_sale();
    EXPECT_FALSE(db().query(store::kBlf, "select * from fBLf").empty());
    EXPECT_FALSE(sale.form.lines.empty());
}

}  // namespace
}  // namespace kelmo::test
