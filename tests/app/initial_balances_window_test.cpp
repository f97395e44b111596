// The initial-balances window: labels before and after the first save.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/initial_balances_window.h"
#include "support/temp_data.h"

using kelmo::app::InitialBalancesWindow;

class InitialBalancesWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void labels_follow_the_stored_row() {
        kelmo::test::TempData data;
        kelmo::gui::Session session{data.store(), data.op(), "ADMIN"};
        {
            InitialBalancesWindow window(session);
            QCOMPARE(window.windowTitle(),
                     QString("Logiciel de vente par facilité - Configurer les soldes initiaux"));
            QCOMPARE(window.balance_label->text(), QString("SOLDE INITIAL CAISSE:"));
            QCOMPARE(window.account_label->text(), QString("N° DE COMPTE CCP:"));
            QCOMPARE(window.balance->text(), QString());
            window.balance->setText("1000");
            window.account->setText("1234567");
            QTest::mouseClick(window.validate, Qt::LeftButton);
            QCOMPARE(data.op().last(), std::string("Configuration enregistrée!"));
            QCOMPARE(window.balance->text(), QString("1000"));  // stays as typed
        }
        InitialBalancesWindow window(session);
        QCOMPARE(window.balance_label->text(), QString("Solde initial de caisse:"));
        QCOMPARE(window.account_label->text(), QString("N° de compte CCP:"));
        QCOMPARE(window.balance->text(), QString("1 000.00"));
        QCOMPARE(window.account->text(), QString("1234567"));
    }
};

QTEST_MAIN(InitialBalancesWindowTest)
#include "initial_balances_window_test.moc"
