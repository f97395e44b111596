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
    // Heading at (20, 20), the row at y = 70 inside the frame at (10, 50), "Valider" at
    // (710, 105); positions in the window. The balance field starts where its 130-pixel
    // label ends rather than under it.
    void controls_at_their_places() {
        kelmo::test::TempData data;
        kelmo::gui::Session session{data.store(), data.op(), "ADMIN"};
        InitialBalancesWindow window(session);
        QLabel* heading = nullptr;
        for (QLabel* l : window.findChildren<QLabel*>())
            if (l->text() == "SOLDES INITIAUX") heading = l;
        QVERIFY(heading);
        const QRect cases[][2] = {
            {heading->geometry(), QRect(20, 20, 300, 30)},
            {QRect(window.balance_label->mapTo(&window, QPoint()), window.balance_label->size()),
             QRect(20, 70, 130, 22)},
            {QRect(window.balance->mapTo(&window, QPoint()), window.balance->size()),
             QRect(152, 70, 90, 22)},
            {QRect(window.account_label->mapTo(&window, QPoint()), window.account_label->size()),
             QRect(300, 70, 120, 22)},
            {QRect(window.account->mapTo(&window, QPoint()), window.account->size()),
             QRect(430, 70, 100, 22)},
            {window.validate->geometry(), QRect(710, 105, 100, 30)},
        };
        for (const auto& c : cases) QCOMPARE(c[0], c[1]);
    }

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
