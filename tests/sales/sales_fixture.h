// A fresh Data folder with an instalment tab's logic on it, and quick ways to put
// products, clients and lines in place.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "masters/stock.h"
#include "sales/instalment_sale.h"
#include "support/temp_data.h"
#include "util/dates.h"

namespace kelmo::test {

class SalesTest : public ::testing::Test {
  protected:
    SalesTest() : sale(data.store(), data.op()) {
        set_fixed_clock(LocalDateTime{{2025, 3, 10}, 9, 30, 0});
        sales::InstalmentSale::reset_next_free_number();
    }
    ~SalesTest() override { set_fixed_clock(std::nullopt); }

    store::Store& db() { return data.store(); }

    // A product with an initial quantity (in hundredths) and its stock recomputed.
    void product(const std::string& code, const std::string& name, long long qi, long long pvf = 0,
                 long long pa = 0, long long pvc = 0) {
        db().update(store::kProd,
                    "insert into FProd (Codeprod,Prod,Qi,Pa,Pvf,Pvc) values (?,?,?,?,?,?)",
                    {code, name, std::to_string(qi), std::to_string(pa), std::to_string(pvf),
                     std::to_string(pvc)});
        masters::recompute_product_stock(db(), code);
    }

    void client(const std::string& code, const std::string& name, const std::string& tel,
                const std::string& ccp, long long si = 0, const std::string& fonc = "") {
        db().update(store::kClient,
                    "insert into fclient (CodeClient,nom,ad,tel,fonc,dateN,ccp,si,Vf) values "
                    "(?,?,?,?,?,?,?,?,?)",
                    {code, name, "ADR " + name, tel, fonc, "", ccp, std::to_string(si), "1"});
    }

    long long stored_stock(const std::string& code) {
        return db()
            .query(store::kProd, "select stock from FProd where codeprod=?", {code})[0]
            .integer(0);
    }

    // Types one line and presses "Valider".
    void add(const std::string& designation, const std::string& qty, const std::string& pu) {
        sale.form.designation = designation;
        sale.form.quantity = qty;
        sale.form.unit_price = pu;
        sale.add_instalment_sale_line();
    }

    // A new document with the worked example's figures, ready to validate.
    void example_document() {
        product("1", "TELEVISEUR", 1000);
        product("2", "TABLE", 1000);
        sale.new_instalment_sale();
        add("TELEVISEUR", "1", "25000");
        add("TABLE", "1", "5000");
        sale.form.discount = "1000";
        sale.form.first_payment = "5000";
        sale.form.months = "5";
        sale.form.per_month = "2";
        sale.recompute_instalment_schedule();
        sale.form.file_number = "77";
        sale.form.client = "BENALI";
        sale.form.ccp = "123456";
        sale.form.first_date = "15/03/2025";
        sale.form.mode = "   ESPECE";
    }

    TempData data;
    sales::InstalmentSale sale;
};

}  // namespace kelmo::test
