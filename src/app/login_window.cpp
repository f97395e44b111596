#include "app/login_window.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "gui/catalogue.h"
#include "gui/upper_case.h"

namespace kelmo::app {

namespace {
constexpr int kWidth = 650;
constexpr int kHeight = 470;

bool is_enter(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

LoginWindow::LoginWindow(Accounts& accounts, QWidget* parent)
    : QDialog(parent), accounts_(accounts) {
    setWindowTitle("Kelmo 2020 (Logiciel de vente par facilité)");
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);
    resize(kWidth, kHeight);
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.x() + (screen.width() - kWidth) / 2, screen.y() + (screen.height() - kHeight) / 2);

    const QPixmap& banner = gui::picture(0);
    auto* banner_label = new QLabel(this);
    banner_label->setPixmap(banner);
    banner_label->setGeometry(0, 0, banner.width(), banner.height());

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(5, banner.height(), 630, 50);
    // The row's x positions are the window's; the frame starts at x = 5. The row is 20
    // pixels below the frame's top and the button 5 pixels higher.
    const int row = 20;
    auto* user_label = new QLabel("Utilisateur :", frame);
    user_label->setGeometry(20 - 5, row, 80, 24);
    user_box_ = new QComboBox(frame);
    user_box_->setObjectName("user");
    user_box_->setEditable(true);
    user_box_->setInsertPolicy(QComboBox::NoInsert);
    gui::make_upper_case(user_box_);
    user_box_->setGeometry(100 - 5, row, 130, 24);
    auto* code_label = new QLabel("Code d'accès :", frame);
    code_label->setGeometry(250 - 5, row, 100, 24);
    code_field_ = new QLineEdit(frame);
    code_field_->setObjectName("code");
    code_field_->setEchoMode(QLineEdit::Password);
    code_field_->setGeometry(350 - 5, row, 100, 24);
    validate_ = new QPushButton("Valider", frame);
    validate_->setObjectName("validate");
    validate_->setAutoDefault(false);
    validate_->setGeometry(480 - 5, row - 5, 100, 30);

    user_box_->installEventFilter(this);
    user_box_->lineEdit()->installEventFilter(this);
    code_field_->installEventFilter(this);
    connect(validate_, &QPushButton::clicked, this, &LoginWindow::login_check);
    connect(user_box_, &QComboBox::activated, this, &LoginWindow::on_user_chosen);
    user_box_->setFocus();
}

void LoginWindow::fill_users() {
    user_box_->clear();
    for (const auto& name : accounts_.fill_users_and_create_defaults())
        user_box_->addItem(QString::fromStdString(name));
    // The first name is offered selected, so typing another replaces it.
    user_box_->lineEdit()->selectAll();
}

std::optional<std::string> LoginWindow::run() {
    show();
    raise();
    activateWindow();
    fill_users();
    exec();
    return admitted_;
}

bool LoginWindow::eventFilter(QObject* watched, QEvent* event) {
    if (is_enter(event)) {
        on_enter();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void LoginWindow::keyPressEvent(QKeyEvent* event) {
    // Enter is the window's own command and Escape does not close it: only the close box
    // ends the program from here.
    if (is_enter(event)) {
        on_enter();
        return;
    }
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

void LoginWindow::on_enter() {
    if (code_field_->hasFocus()) login_check();
    if (admitted_) return;
    if (user_box_->hasFocus() || user_box_->lineEdit()->hasFocus()) code_field_->setFocus();
}

void LoginWindow::on_user_chosen(int index) {
    if (index >= 0 && !user_box_->itemText(index).isEmpty()) code_field_->setFocus();
}

void LoginWindow::login_check() {
    const std::string user = user_box_->currentText().toStdString();
    const std::string code = code_field_->text().toStdString();
    if (accounts_.login_check(user, code) == LoginResult::Admitted) {
        admitted_ = user;
        accept();
        return;
    }
    user_box_->setCurrentIndex(-1);
    user_box_->setEditText(QString());
    code_field_->clear();
}

}  // namespace kelmo::app
