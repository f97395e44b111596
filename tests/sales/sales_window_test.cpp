// The Sales and receptions window and the widgets of its instalment tab: what only the
// widgets show (captions, tab-change initialisation, Return, clicks in the lists).
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "gui/session.h"
#include "gui/working_window.h"
#include "masters/stock.h"
#include "sales/instalment_tab.h"
#include "sales/sales_window.h"
#include "support/temp_data.h"

using namespace kelmo;

// Passes everything to the scripted operator, and runs `on_message` as each box shows, so
// that a test sees the window as the operator sees it behind the box.
struct WatchingOperator : Operator {
    explicit WatchingOperator(Operator& inner) : inner(inner) {}
    void message(const std::string& title, const std::string& text) override {
        if (on_message) on_message();
        inner.message(title, text);
    }
    bool ask_yes_no(const std::string& title, const std::string& text) override {
        return inner.ask_yes_no(title, text);
    }
    Answer ask_yes_no_cancel(const std::string& title, const std::string& text) override {
        return inner.ask_yes_no_cancel(title, text);
    }
    std::optional<std::string> choose_file(const std::string& title,
                                           const std::string& filter) override {
        return inner.choose_file(title, filter);
    }
    std::optional<std::string> choose_folder(const std::string& title,
                                             const std::string& start) override {
        return inner.choose_folder(title, start);
    }
    std::unique_ptr<PrintTarget> choose_printer() override { return inner.choose_printer(); }

    Operator& inner;
    std::function<void()> on_message;
};

class SalesWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempData> data;
    std::unique_ptr<gui::Session> session;
    std::unique_ptr<sales::SalesWindow> window;

    sales::InstalmentTab& tab() { return window->instalment(); }
    store::Store& db() { return data->store(); }

    void open(int entry = 0) {
        window = std::make_unique<sales::SalesWindow>(*session, nullptr);
        window->window().select_tab(entry);
        window->window().show();
        QApplication::setActiveWindow(&window->window());
        QVERIFY(QTest::qWaitForWindowActive(&window->window()));
    }

    void click_row(QTreeWidget* list, int row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        QVERIFY(item);
        QRect r = list->visualItemRect(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

  private slots:
    void init() {
        sales::InstalmentSale::reset_next_free_number();
        data = std::make_unique<test::TempData>();
        session =
            std::make_unique<gui::Session>(gui::Session{data->store(), data->op(), "admin", 0});
        db().update(store::kClient,
                    "insert into fclient (CodeClient,nom,ad,tel,fonc,dateN,ccp,si,Vf) values "
                    "(?,?,?,?,?,?,?,?,?)",
                    {"1", "BENALI", "ORAN", "0550123", "MEDECIN", "", "777", "0", "1"});
        db().update(store::kProd,
                    "insert into FProd (Codeprod,Prod,Qi,Pa,Pvf,Pvc) values (?,?,?,?,?,?)",
                    {"3", "TELEVISEUR", "500", "10000", "15000", "12000"});
        masters::recompute_product_stock(db(), "3");
        db().update(store::kBlf, "insert into fBLf (numdoc) values (?)", {"6"});
    }
    void cleanup() { window.reset(); }

    void frame_and_tabs() {
        open();
        QCOMPARE(window->window().windowTitle(),
                 QString("Logiciel de vente par facilité - Ventes et réceptions"));
        QStringList titles;
        for (int i = 0; i < window->window().tabs()->count(); ++i)
            titles << window->window().tabs()->tabText(i);
        QCOMPARE(titles, (QStringList{"VENTE PAR FACILITE", " VENTE ORDINAIRE", " JOURNAL DE VENTE",
                                      " ACHAT ", " FICHE DE STOCK ", " MOUVEMENT PRODUIT ", " BRS ",
                                      " FERMER"}));
        QCOMPARE(window->window().palette().color(QPalette::Window), QColor(255, 0, 255));
        QCOMPARE(tab().balance->text(), QString("999.999.99"));
        // " FERMER" closes the window.
        window->window().tabs()->setCurrentIndex(7);
        QVERIFY(!window->window().isVisible());
    }

    void tab_change_initialisation() {
        open(0);
        QCOMPARE(tab().number->text(), QString());
        QCOMPARE(tab().mode->count(), 0);
        QCOMPARE(tab().occupation->count(), 0);
        window->window().tabs()->setCurrentIndex(1);
        window->window().tabs()->setCurrentIndex(0);
        QCOMPARE(tab().mode->count(), 3);
        QCOMPARE(tab().mode->itemText(0), QString(28, ' ') + "ESPECE");
        QCOMPARE(tab().mode->itemText(2), QString(28, ' ') + "VO");
        QCOMPARE(tab().mode->currentText(), QString());
        QCOMPARE(tab().occupation->itemText(0), QString("MEDECIN"));
        QCOMPARE(tab().number->text(), QString("7"));
    }

    void return_chain() {
        open(0);
        auto& t = tab();
        const std::vector<std::pair<QWidget*, QWidget*>> chain = {{t.file_number, t.client},
                                                                  {t.client, t.address},
                                                                  {t.address, t.tel},
                                                                  {t.tel, t.occupation},
                                                                  {t.occupation, t.ccp},
                                                                  {t.ccp, t.debit_day},
                                                                  {t.debit_day, t.designation},
                                                                  {t.designation, t.quantity},
                                                                  {t.quantity, t.unit_price},
                                                                  {t.discount, t.first_payment},
                                                                  {t.first_payment, t.first_date},
                                                                  {t.first_date, t.mode},
                                                                  {t.mode, t.months},
                                                                  {t.months, t.per_month}};
        for (const auto& [from, to] : chain) {
            from->setFocus();
            QVERIFY(from->hasFocus());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(to->hasFocus(), qPrintable(from->objectName()));
        }
        // Return in "Nbre de tranches/mois:" recomputes; in a button it does nothing.
        t.per_month->setFocus();
        QTest::keyClick(t.per_month, Qt::Key_Return);
        QCOMPARE(t.per_month->text(), QString("1"));
        QCOMPARE(t.months->text(), QString("5"));
        QCOMPARE(t.count_text->text(), QString("1 X"));
        t.save_button->setFocus();
        QTest::keyClick(t.save_button, Qt::Key_Return);
        QVERIFY(data->op().shown.empty());
        QVERIFY(window->window().isVisible());
    }

    void line_entry_by_return() {
        open(0);
        auto& t = tab();
        QTest::mouseClick(t.new_button, Qt::LeftButton);
        QCOMPARE(t.number->text(), QString("7"));
        t.designation->setFocus();
        QTest::keyClicks(t.designation, "tele");
        QCOMPARE(t.designation->text(), QString("TELE"));
        QCOMPARE(t.chooser->topLevelItemCount(), 1);
        click_row(t.chooser, 0);
        QCOMPARE(t.designation->text(), QString("TELEVISEUR"));
        QCOMPARE(t.instalment_price->text(), QString("150.00"));
        QCOMPARE(t.stock->text(), QString("5"));
        t.quantity->setText("2");
        t.quantity->setFocus();
        QTest::keyClick(t.quantity, Qt::Key_Return);
        QCOMPARE(t.unit_price->text(), QString("150.00"));
        QVERIFY(t.unit_price->hasFocus());
        QTest::keyClick(t.unit_price, Qt::Key_Return);
        QCOMPARE(t.lines->topLevelItemCount(), 1);
        QCOMPARE(t.lines->topLevelItem(0)->text(4), QString("300.00"));
        QCOMPARE(t.total->text(), QString("300.00"));
        QCOMPARE(t.net->text(), QString("300.00"));
        QCOMPARE(t.monthly->text(), QString("60.00"));
        click_row(t.lines, 0);
        QCOMPARE(t.code->text(), QString("3"));
        QCOMPARE(t.quantity->text(), QString("2.00"));
    }

    void chooser_by_each_lookup_kind() {
        open(0);
        auto& t = tab();
        struct Kind {
            QLineEdit* field;
            const char* typed;
        } kinds[] = {{t.client, "ENA"}, {t.tel, "0123"}, {t.ccp, "77"}};
        for (const Kind& k : kinds) {
            t.client->clear();
            t.client_id->clear();
            t.file_number->setText("typed");
            k.field->clear();
            k.field->setFocus();
            QTest::keyClicks(k.field, k.typed);
            QCOMPARE(t.chooser->topLevelItemCount(), 1);
            click_row(t.chooser, 0);
            QCOMPARE(t.client->text(), QString("BENALI"));
            QCOMPARE(t.client_id->text(), QString("1"));
            QCOMPARE(t.file_number->text(), QString("1"));
            QCOMPARE(t.address->text(), QString("ORAN"));
            QCOMPARE(t.occupation->currentText(), QString("MEDECIN"));
            QCOMPARE(t.balance->text(), QString("0.00"));
        }
        // "Code P.:" empties the chooser and a click there does nothing.
        t.code->setFocus();
        QTest::keyClicks(t.code, "3");
        QCOMPARE(t.chooser->topLevelItemCount(), 0);
    }

    void totals_row_then_record_payment() {
        open(0);
        auto& t = tab();
        db().update(store::kBlfVer,
                    "insert into fBlfVer (NumDoc,NumDos,codeclient,DateV,Datenum,Tr,MntV) values "
                    "(?,?,?,?,?,?,?)",
                    {"6", "1", "1", "05/01/2025", "0", "1", "10000"});
        t.number->setText("7");
        QTest::mouseClick(t.previous_button, Qt::LeftButton);  // loads 6
        QCOMPARE(t.number->text(), QString("6"));
        QCOMPARE(t.payments->topLevelItemCount(), 2);
        QCOMPARE(t.payments->topLevelItem(1)->text(0), QString("   TOTAUX"));
        QCOMPARE(t.payments->topLevelItem(1)->background(0).color(), QColor(112, 128, 144));
        t.file_number->setText("1");
        click_row(t.payments, 1);
        QCOMPARE(t.tr_field->text(), QString());
        QCOMPARE(t.paid->text(), QString("100.00"));
        data->op().clear();
        QTest::mouseClick(t.record_payment_button, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(data->op().last()),
                 QString("Tranche doit être numérique !"));
    }

    void save_confirms_only_a_validated_document() {
        open(0);
        auto& t = tab();
        QTest::mouseClick(t.new_button, Qt::LeftButton);
        QTest::mouseClick(t.save_button, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(data->op().last()), QString("Nbre de mois incorrect !"));
        t.months->setText("5");
        t.per_month->setText("1");
        t.instalment->setText("0");
        t.total->setText("0");
        t.file_number->setText("9");
        t.client->setText("NOUVEAU");
        t.ccp->setText("42");
        data->op().clear();
        QTest::mouseClick(t.save_button, Qt::LeftButton);
        QCOMPARE(data->op().shown.size(), size_t(1));
        QCOMPARE(data->op().shown[0].title, std::string("Confirmation"));
        QCOMPARE(QString::fromStdString(data->op().last()), QString("BLF validé !"));
        QCOMPARE(t.client_id->text(), QString("2"));
        QCOMPARE(t.first_date->text(), t.date->text());

        data->op().clear();
        QTest::mouseClick(t.print_button, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(data->op().last()), QString("Il n'y a rien à imprimer ! "));
    }

    // Behind the "BLF validé !" box the fields already show the validated document.
    void confirmation_over_the_validated_document() {
        WatchingOperator watching(data->op());
        QString id_behind_box;
        watching.on_message = [&] { id_behind_box = tab().client_id->text(); };
        session = std::make_unique<gui::Session>(gui::Session{data->store(), watching, "admin", 0});
        open(0);
        auto& t = tab();
        t.number->setText("8");
        t.months->setText("5");
        t.per_month->setText("1");
        t.instalment->setText("0");
        t.total->setText("0");
        t.file_number->setText("9");
        t.client->setText("NOUVEAU");
        t.ccp->setText("42");
        QTest::mouseClick(t.save_button, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(data->op().last()), QString("BLF validé !"));
        QCOMPARE(id_behind_box, QString("2"));
        window.reset();
    }
};

QTEST_MAIN(SalesWindowTest)
#include "sales_window_test.moc"
