// The access-parameters window: tabs, locked user management, and who may pick a user.
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/access_parameters_window.h"
#include "app/accounts.h"
#include "support/temp_data.h"

using kelmo::app::AccessParametersWindow;

class AccessParametersWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        data_ = std::make_unique<kelmo::test::TempData>();
        kelmo::app::Accounts(data_->store(), data_->op()).fill_users_and_create_defaults();
    }
    void cleanup() { data_.reset(); }

    void opens_locked_with_the_users_listed() {
        kelmo::gui::Session session{data_->store(), data_->op(), "ADMIN", 1};
        AccessParametersWindow window(session);
        QCOMPARE(window.windowTitle(), QString("Logiciel de vente par facilité"));
        QCOMPARE(window.tabs()->count(), 3);
        QCOMPARE(window.tabs()->tabText(0), QString("Paramètres d'accès (ADMIN)"));
        QCOMPARE(window.tabs()->tabText(1), QString("Paramètres d'accès (Utilisateur)"));
        QCOMPARE(window.tabs()->tabText(2), QString(" FERMER"));
        QCOMPARE(window.admin_name->text(), QString("ADMIN"));
        QVERIFY(!window.managed_name->isEnabled());
        QVERIFY(!window.add_button->isEnabled());
        QVERIFY(!window.remove_button->isEnabled());
        QCOMPARE(window.users->topLevelItemCount(), 1);
        QCOMPARE(window.users->topLevelItem(0)->text(0), QString("VARO"));
        QCOMPARE(window.users->headerItem()->text(0), QString("LISTE DES UTILISATEURS"));
    }

    void administrator_code_unlocks_then_add_and_pick() {
        kelmo::gui::Session session{data_->store(), data_->op(), "ADMIN"};
        AccessParametersWindow window(session);
        window.admin_old_code->setText("580471");
        QTest::mouseClick(window.admin_validate, Qt::LeftButton);
        QVERIFY(window.managed_name->isEnabled());
        QVERIFY(window.add_button->isEnabled());

        window.managed_name->setText("");
        QTest::keyClicks(window.managed_name, "karim");
        QCOMPARE(window.managed_name->text(), QString("KARIM"));
        QTest::mouseClick(window.add_button, Qt::LeftButton);
        QCOMPARE(window.users->topLevelItemCount(), 2);

        // Adding it again does nothing.
        QTest::mouseClick(window.add_button, Qt::LeftButton);
        QCOMPARE(window.users->topLevelItemCount(), 2);
        QVERIFY(data_->op().shown.empty());

        window.managed_name->clear();
        click_row(window, 0);
        QCOMPARE(window.managed_name->text(), QString("VARO"));
    }

    void other_sessions_cannot_pick_from_the_list() {
        kelmo::gui::Session session{data_->store(), data_->op(), "VARO"};
        AccessParametersWindow window(session);
        window.admin_old_code->setText("580471");
        QTest::mouseClick(window.admin_validate, Qt::LeftButton);
        QVERIFY(window.managed_name->isEnabled());
        click_row(window, 0);
        QCOMPARE(window.managed_name->text(), QString());
    }

    void user_tab_empties_the_code_fields() {
        kelmo::gui::Session session{data_->store(), data_->op(), "VARO"};
        AccessParametersWindow window(session);
        window.user_name->setText("VARO");
        window.user_old_code->setText("wrong");
        window.user_new_code->setText("1");
        QTest::mouseClick(window.user_validate, Qt::LeftButton);
        QCOMPARE(data_->op().last(), std::string("Mot de passe incorrect !"));
        QCOMPARE(window.user_name->text(), QString("VARO"));
        QCOMPARE(window.user_old_code->text(), QString());
        QCOMPARE(window.user_new_code->text(), QString());
    }

  private:
    static void click_row(AccessParametersWindow& window, int row) {
        window.show();
        QTreeWidgetItem* item = window.users->topLevelItem(row);
        QRect rect = window.users->visualItemRect(item);
        QTest::mouseClick(window.users->viewport(), Qt::LeftButton, {}, rect.center());
    }

    std::unique_ptr<kelmo::test::TempData> data_;
};

QTEST_MAIN(AccessParametersWindowTest)
#include "access_parameters_window_test.moc"
