// The login window's keyboard behaviour and what a refused login leaves on screen.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/login_window.h"
#include "support/temp_data.h"

using kelmo::app::Accounts;
using kelmo::app::LoginWindow;

class LoginWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        data_ = std::make_unique<kelmo::test::TempData>();
        accounts_ = std::make_unique<Accounts>(data_->store(), data_->op());
        window_ = std::make_unique<LoginWindow>(*accounts_);
        window_->show();
        window_->fill_users();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() {
        window_.reset();
        accounts_.reset();
        data_.reset();
    }

    void frame() {
        QCOMPARE(window_->windowTitle(), QString("Kelmo 2020 (Logiciel de vente par facilité)"));
        QCOMPARE(window_->size(), QSize(650, 470));
    }

    // Under the banner, the frame at x = 5; its row 20 pixels below its top, the button 5
    // pixels higher; x positions are the window's.
    void controls_at_their_places() {
        auto label = [&](const char* text) -> QWidget* {
            for (QLabel* l : window_->findChildren<QLabel*>())
                if (l->text() == text) return l;
            return nullptr;
        };
        QFrame* frame = nullptr;
        for (QFrame* f : window_->findChildren<QFrame*>())
            if (f->metaObject() == &QFrame::staticMetaObject) frame = f;
        QVERIFY(frame);
        QCOMPARE(frame->geometry(), QRect(5, 405, 630, 50));
        struct Case {
            QWidget* widget;
            int x, y, width;
        };
        const Case cases[] = {{label("Utilisateur :"), 20, 425, 80},
                              {window_->user_box(), 100, 425, 130},
                              {label("Code d'accès :"), 250, 425, 100},
                              {window_->code_field(), 350, 425, 100},
                              {window_->validate_button(), 480, 420, 100}};
        for (const Case& c : cases) {
            QVERIFY(c.widget);
            const QPoint at = c.widget->mapTo(window_.get(), QPoint(0, 0));
            QCOMPARE(at, QPoint(c.x, c.y));
            QCOMPARE(c.widget->width(), c.width);
        }
        QCOMPARE(window_->validate_button()->height(), 30);
        QVERIFY(window_->code_field()->echoMode() == QLineEdit::Password);
    }

    void first_start_offers_only_admin() {
        QCOMPARE(window_->user_box()->count(), 1);
        QCOMPARE(window_->user_box()->itemText(0), QString("ADMIN"));
    }

    void enter_in_user_box_moves_to_code_without_checking() {
        window_->user_box()->setFocus();
        window_->user_box()->setEditText("NOBODY");
        QTest::keyClick(window_->user_box(), Qt::Key_Return);
        QVERIFY(window_->code_field()->hasFocus());
        QVERIFY(data_->op().shown.empty());
        QCOMPARE(window_->user_box()->currentText(), QString("NOBODY"));
    }

    void typed_letters_become_capitals() {
        window_->user_box()->setFocus();
        window_->user_box()->lineEdit()->selectAll();
        QTest::keyClicks(window_->user_box()->lineEdit(), "varo");
        QCOMPARE(window_->user_box()->currentText(), QString("VARO"));
    }

    void typed_default_account_is_admitted() {
        window_->user_box()->setEditText("VARO");
        window_->code_field()->setFocus();
        QTest::keyClicks(window_->code_field(), "702638");
        QTest::keyClick(window_->code_field(), Qt::Key_Return);
        QVERIFY(window_->admitted_user().has_value());
        QCOMPARE(*window_->admitted_user(), std::string("VARO"));
        QVERIFY(data_->op().shown.empty());
    }

    void refusals_empty_both_fields() {
        struct Case {
            const char* user;
            const char* code;
            const char* message;
        };
        const Case cases[] = {{"ADMIN", "123", "Mot de passe incorrect !"},
                              {"ADMIN", "580471 ", "Mot de passe incorrect !"},
                              {"INCONNU", "580471", "Identifiant incorrect !"}};
        for (const Case& c : cases) {
            data_->op().clear();
            window_->user_box()->setEditText(c.user);
            window_->code_field()->setText(c.code);
            window_->code_field()->setFocus();
            QTest::keyClick(window_->code_field(), Qt::Key_Return);
            QVERIFY(!window_->admitted_user());
            QCOMPARE(data_->op().last(), std::string(c.message));
            QCOMPARE(data_->op().shown.back().title, std::string("Erreur"));
            QCOMPARE(window_->user_box()->currentText(), QString());
            QCOMPARE(window_->code_field()->text(), QString());
            QVERIFY(window_->isVisible());
        }
    }

    void validate_button_checks() {
        window_->user_box()->setEditText("ADMIN");
        window_->code_field()->setText("580471");
        QTest::mouseClick(window_->validate_button(), Qt::LeftButton);
        QCOMPARE(*window_->admitted_user(), std::string("ADMIN"));
    }

    void enter_on_the_button_checks_nothing() {
        window_->user_box()->setEditText("ADMIN");
        window_->code_field()->setText("580471");
        window_->validate_button()->setFocus();
        QTest::keyClick(window_->validate_button(), Qt::Key_Return);
        QVERIFY(!window_->admitted_user());
        QVERIFY(window_->isVisible());
    }

    void picking_a_name_moves_to_code() {
        window_->user_box()->setFocus();
        emit window_->user_box()->activated(0);
        QVERIFY(window_->code_field()->hasFocus());
    }

  private:
    std::unique_ptr<kelmo::test::TempData> data_;
    std::unique_ptr<Accounts> accounts_;
    std::unique_ptr<LoginWindow> window_;
};

QTEST_MAIN(LoginWindowTest)
#include "login_window_test.moc"
