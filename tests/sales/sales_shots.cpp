// Draws the instalment tab with a sample document into a PNG and its delivery note into a
// PDF, to look at them: sales_shots <png> <pdf> [extra lines on the note].
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "gui/session.h"
#include "gui/working_window.h"
#include "masters/stock.h"
#include "print/qt_page.h"
#include "sales/instalment_tab.h"
#include "sales/sales_window.h"
#include "support/temp_data.h"

using namespace kelmo;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) return 2;
    test::TempData data;
    store::Store& db = data.store();
    auto client = [&](const char* code, const char* nom, const char* tel, const char* fonc,
                      const char* ccp) {
        db.update(store::kClient,
                  "insert into fclient (CodeClient,nom,ad,tel,fonc,dateN,ccp,si,Vf) values "
                  "(?,?,?,?,?,?,?,?,?)",
                  {code, nom, "12 RUE DES JARDINS ORAN", tel, fonc, "", ccp, "100000", "1"});
    };
    client("1", "BENALI MOHAMED", "0550 12 34 56", "ENSEIGNANT", "0012345678 45");
    client("2", "BENAISSA KARIM", "0661 22 33 44", "MEDECIN", "0098765432 12");
    auto product = [&](const char* code, const char* name, const char* qi, const char* pvf) {
        db.update(store::kProd,
                  "insert into FProd (Codeprod,Prod,Qi,Pa,Pvf,Pvc) values (?,?,?,?,?,?)",
                  {code, name, qi, "2000000", pvf, "2600000"});
        masters::recompute_product_stock(db, code);
    };
    product("1", "TELEVISEUR LED 43 POUCES", "1000", "2500000");
    product("2", "TABLE BASSE", "500", "500000");

    gui::Session session{db, data.op(), "admin", 0};
    sales::SalesWindow window(session, nullptr);
    sales::InstalmentTab& tab = window.instalment();
    window.window().select_tab(0);
    window.window().setWindowState(Qt::WindowMaximized);
    window.window().show();
    window.window().tabs()->setCurrentIndex(1);
    window.window().tabs()->setCurrentIndex(0);

    auto& logic = tab.logic();
    logic.new_instalment_sale();
    logic.form.client = "BENALI";
    logic.search_by_name();
    logic.choose(0);
    for (auto [name, qty, pu] : {std::tuple{"TELEVISEUR LED 43 POUCES", "1", "25000"},
                                 std::tuple{"TABLE BASSE", "1", "5000"}}) {
        logic.form.designation = name;
        logic.form.quantity = qty;
        logic.form.unit_price = pu;
        logic.add_instalment_sale_line();
    }
    logic.form.discount = "1000";
    logic.form.first_payment = "5000";
    logic.form.months = "5";
    logic.form.per_month = "2";
    logic.form.first_date = "15/11/2024";
    logic.form.mode = "ESPECE";
    logic.form.debit_day = "17";
    logic.recompute_instalment_schedule();
    logic.save_instalment_sale();
    logic.generate_instalment_calendar();
    for (auto [date, tr] : {std::pair{"15/12/2024", "1"}, std::pair{"15/12/2024", "2"},
                            std::pair{"16/01/2025", "1"}}) {
        logic.form.paid_date = date;
        logic.form.tr = tr;
        logic.form.paid = "2400";
        logic.form.obs = "VO";
        logic.record_instalment_payment();
    }
    logic.show_instalment_client();
    logic.form.designation = "TA";
    logic.search_by_designation();
    logic.choose(0);
    logic.form.quantity = "1";
    logic.take_instalment_price();
    tab.refresh();

    for (int i = 0; argc > 3 && i < std::atoi(argv[3]); ++i)
        logic.form.lines.push_back(
            sales::make_row({"1", "TELEVISEUR LED 43 POUCES", "1.00", "25 000.00", "25 000.00"}));
    data.op().printers.push_back(std::make_unique<print::PdfFile>(argv[2]));
    QTimer::singleShot(800, [&] {
        window.window().grab().save(argv[1]);
        tab.print_button->click();
        app.quit();
    });
    return app.exec();
}
