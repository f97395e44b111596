// The Tables window's widgets: which lists fill when, the Enter chains, and the keys.
#include "masters/tables_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "gui/session.h"
#include "masters/clients_page.h"
#include "masters/products_page.h"
#include "masters/suppliers_page.h"
#include "support/temp_data.h"

using namespace kelmo;
using masters::TablesWindow;

class TablesWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempData> data;
    std::unique_ptr<gui::Session> session;
    std::unique_ptr<TablesWindow> window;

    store::Store& s() { return data->store(); }
    template <typename T>
    T* find(const char* name) {
        T* w = window->findChild<T*>(name);
        if (!w) qFatal("no widget %s", name);
        return w;
    }
    int rows(const char* list) { return find<QTreeWidget>(list)->topLevelItemCount(); }
    QWidget* focused() { return QApplication::focusWidget(); }
    void open(int entry) {
        window = std::make_unique<TablesWindow>(*session);
        window->open_on(entry);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void type_and_enter(QWidget* w, const QString& text) {
        QTest::keyClicks(w, text);
        QTest::keyClick(w, Qt::Key_Return);
    }

  private slots:
    void init() {
        data = std::make_unique<test::TempData>();
        session = std::make_unique<gui::Session>(gui::Session{s(), data->op(), "admin", 0});
        s().update(store::kProd,
                   "insert into FProd (Codeprod,Prod,Qi,Pa,Pvf,Pvc,stock,Pai) "
                   "values ('1','CAFE','100','500','700','600','100','500')");
        s().update(store::kClient,
                   "insert into fclient (CodeClient,nom,ad,tel,fonc,dateN,ccp,si,Vf) "
                   "values ('1','BENALI','ORAN','0550','TAXI','','111','0','1')");
        s().update(store::kFour,
                   "insert into Ffour (CodeFour,nom,ad,tel,si) values ('1','ENIEM','TO','02','0')");
    }
    void cleanup() {
        window.reset();
        session.reset();
        data.reset();
    }

    void the_opening_tab_stays_empty_until_chosen_again() {
        open(TablesWindow::Products);
        QCOMPARE(window->tabs()->tabText(1), QString(" TABLE DES CLIENTS"));
        QCOMPARE(window->windowTitle(), QString("Logiciel de vente par facilité - Tables"));
        QCOMPARE(rows("productList"), 0);
        // The occupation box is filled at opening, whatever the tab.
        QCOMPARE(find<QComboBox>("clientFonc")->count(), 1);
        QCOMPARE(rows("clientList"), 0);

        QCOMPARE(focused(), find<QLineEdit>("designation"));
        window->tabs()->setCurrentIndex(TablesWindow::Clients);
        QCOMPARE(rows("clientList"), 1);
        QCOMPARE(rows("supplierList"), 0);
        // The client columns take the list's whole width: no scroll bar hides the last row.
        QTest::qWait(50);
        QVERIFY(find<QTreeWidget>("clientList")->isVisible());
        QVERIFY(!find<QTreeWidget>("clientList")->horizontalScrollBar()->isVisible());
        QCOMPARE(focused(), find<QLineEdit>("clientName"));
        window->tabs()->setCurrentIndex(TablesWindow::Suppliers);
        QCOMPARE(rows("supplierList"), 1);
        window->tabs()->setCurrentIndex(TablesWindow::Products);
        QCOMPARE(rows("productList"), 1);
        QTreeWidgetItem* row = find<QTreeWidget>("productList")->topLevelItem(0);
        QCOMPARE(row->text(3), QString("5.00"));
        QCOMPARE(row->textAlignment(0) & Qt::AlignHorizontal_Mask, int(Qt::AlignHCenter));
        QCOMPARE(row->textAlignment(3) & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
        // A chosen product shows its designation from the first letter, not its end.
        auto* list = find<QTreeWidget>("productList");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
        QCOMPARE(find<QLineEdit>("designation")->text(), QString("CAFE"));
        QCOMPARE(find<QLineEdit>("designation")->cursorPosition(), 0);

        // A list that holds rows is not filled again.
        s().update(store::kClient, "insert into fclient (CodeClient,nom) values ('2','KADDOUR')");
        window->tabs()->setCurrentIndex(TablesWindow::Clients);
        QCOMPARE(rows("clientList"), 1);
    }

    void opening_on_clients_leaves_their_list_empty() {
        open(TablesWindow::Clients);
        QCOMPARE(window->tabs()->currentIndex(), int(TablesWindow::Clients));
        QCOMPARE(rows("clientList"), 0);
        window->tabs()->setCurrentIndex(TablesWindow::Products);
        QCOMPARE(rows("clientList"), 0);
        window->tabs()->setCurrentIndex(TablesWindow::Clients);
        QCOMPARE(rows("clientList"), 1);
    }

    void enter_walks_the_product_form_and_saves() {
        open(TablesWindow::Products);
        auto* designation = find<QLineEdit>("designation");
        designation->setFocus();
        type_and_enter(designation, "the");
        QCOMPARE(designation->text(), QString("THE"));
        QCOMPARE(focused(), find<QLineEdit>("qi"));
        type_and_enter(focused(), "2");
        QCOMPARE(focused(), find<QLineEdit>("pa"));
        type_and_enter(focused(), "10");
        QCOMPARE(focused(), find<QLineEdit>("pvf"));
        type_and_enter(focused(), "15");
        QCOMPARE(focused(), find<QLineEdit>("pvc"));
        type_and_enter(focused(), "12");
        QCOMPARE(s().query(store::kProd, "select prod from FProd where codeprod='2'").first(),
                 std::string("THE"));
        QCOMPARE(rows("productList"), 1);  // appended to the unfilled list
        QCOMPARE(designation->text(), QString());
        QVERIFY(data->op().shown.empty());
        // Coming back to the tab still fills it: the list then shows every product.
        window->tabs()->setCurrentIndex(TablesWindow::Suppliers);
        window->tabs()->setCurrentIndex(TablesWindow::Products);
        QCOMPARE(rows("productList"), 2);
    }

    void enter_walks_the_client_form_loading_known_clients() {
        open(TablesWindow::Clients);
        auto* name = find<QLineEdit>("clientName");
        name->setFocus();
        type_and_enter(name, "benali");
        QCOMPARE(find<QLineEdit>("clientCode")->text(), QString("1"));
        QCOMPARE(find<QLineEdit>("clientAddress")->text(), QString("ORAN"));
        QCOMPARE(focused(), find<QLineEdit>("clientAddress"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(focused(), find<QLineEdit>("clientTel"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(focused(), find<QComboBox>("clientFonc"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(focused(), find<QLineEdit>("clientDateN"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(focused(), find<QLineEdit>("clientCcp"));
        find<QLineEdit>("clientCcp")->clear();
        find<QLineEdit>("clientName")->setText("SOMEONE");
        type_and_enter(focused(), "111");
        QCOMPARE(find<QLineEdit>("clientName")->text(), QString("BENALI"));
        QCOMPARE(focused(), find<QLineEdit>("clientSi"));
        QCOMPARE(find<QLineEdit>("clientSi")->text(), QString("0.00"));
        find<QLineEdit>("clientSi")->clear();
        find<QRadioButton>("clientCash")->setChecked(true);
        type_and_enter(focused(), "25");
        QCOMPARE(s().query(store::kClient, "select si from fclient where codeclient='1'").first(),
                 std::string("2500"));
        QCOMPARE(s().query(store::kClient, "select vf from fclient where codeclient='1'").first(),
                 std::string("0"));
        QCOMPARE(find<QLineEdit>("clientName")->text(), QString());
    }

    void enter_walks_the_supplier_form() {
        open(TablesWindow::Suppliers);
        auto* name = find<QLineEdit>("supplierName");
        name->setFocus();
        type_and_enter(name, "sonelec");
        QCOMPARE(focused(), find<QLineEdit>("supplierAddress"));
        type_and_enter(focused(), "alger");
        QCOMPARE(focused(), find<QLineEdit>("supplierTel"));
        type_and_enter(focused(), "021");
        QCOMPARE(focused(), find<QLineEdit>("supplierSi"));
        type_and_enter(focused(), "3");
        QCOMPARE(s().query(store::kFour, "select ad from Ffour where nom='SONELEC'").first(),
                 std::string("ALGER"));
    }

    void function_keys_act_on_products_and_clients_only() {
        open(TablesWindow::Suppliers);
        find<QLineEdit>("supplierName")->setFocus();
        QTest::keyClick(focused(), Qt::Key_F6);
        QTest::keyClick(focused(), Qt::Key_F5);
        QTest::keyClick(focused(), Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(find<QLineEdit>("supplierCode")->text(), QString());
        QVERIFY(data->op().shown.empty());

        window->tabs()->setCurrentIndex(TablesWindow::Clients);
        find<QLineEdit>("clientName")->setFocus();
        QTest::keyClick(focused(), Qt::Key_F6);
        QCOMPARE(find<QLineEdit>("clientCode")->text(), QString("2"));
        QTest::keyClick(focused(), Qt::Key_F5);
        QCOMPARE(data->op().last(), std::string("Nom de client incorrect !"));

        window->tabs()->setCurrentIndex(TablesWindow::Products);
        find<QLineEdit>("designation")->setFocus();
        QTest::keyClick(focused(), Qt::Key_F6);
        QCOMPARE(find<QLineEdit>("productCode")->text(), QString("2"));
        QTest::keyClicks(focused(), "sucre");
        QTest::keyClick(focused(), Qt::Key_F5);
        QCOMPARE(s().sum(store::kProd, "select count(*) from FProd"), 2LL);

        data->op().answers = {Answer::No};
        QTest::mouseClick(find<QTreeWidget>("productList")->viewport(), Qt::LeftButton, {},
                          find<QTreeWidget>("productList")
                              ->visualItemRect(find<QTreeWidget>("productList")->topLevelItem(1))
                              .center());
        QCOMPARE(find<QLineEdit>("designation")->text(), QString("SUCRE"));
        QTest::keyClick(find<QLineEdit>("designation"), Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(data->op().shown.back().title, std::string("Suppression d'un produit"));
    }
};

QTEST_MAIN(TablesWindowTest)
#include "tables_window_test.moc"
