#include "app/main_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "gui/catalogue.h"

namespace kelmo::app {

namespace {

const QColor kGround(100, 100, 100);

QFrame* toolbar_separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(26);
    return line;
}

}  // namespace

MainWindow::MainWindow(gui::Session& session, WindowOpener& opener, QSize desktop, QWidget* parent)
    : QMainWindow(parent), session_(session), opener_(opener) {
    if (!desktop.isValid()) desktop = QGuiApplication::primaryScreen()->availableGeometry().size();
    setWindowTitle("Kelmo 2019 (Logiciel de gestion Vente par facilité - Version 1)");
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setGeometry(0, 0, desktop.width(), desktop.height());

    auto* ground = new QWidget(this);
    ground->setObjectName("ground");
    ground->setAutoFillBackground(true);
    QPalette pal = ground->palette();
    pal.setColor(QPalette::Window, kGround);
    ground->setPalette(pal);
    setCentralWidget(ground);

    const QPixmap& picture = gui::picture(1);
    splash_ = new QLabel(ground);
    splash_->setObjectName("splash");
    splash_->setPixmap(picture);
    desktop_ = desktop;

    build_menu();
    build_toolbar(desktop.width());
    place_splash();
    ground->installEventFilter(this);
}

void MainWindow::build_menu() {
    // The menus read at a size above the controls' own.
    QFont menu_font = font();
    menu_font.setPointSize(9);
    menuBar()->setFont(menu_font);
    for (const Menu& menu : main_menu()) {
        QMenu* qmenu = menuBar()->addMenu(QString::fromStdString(menu.title));
        qmenu->setFont(menu_font);
        for (const MenuItem& item : menu.items) {
            if (item.separator()) {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(QString::fromStdString(item.text));
            const int command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { run_command(command); });
            actions_[command] = action;
        }
    }
}

// The buttons sit in a strip that clips at the window's edge, so that the blank fillers
// run to the right end without the toolbar folding them into an overflow menu.
void MainWindow::build_toolbar(int inner_width) {
    auto* toolbar = addToolBar("Outils");
    toolbar->setObjectName("toolbar");
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    auto* strip = new QWidget(toolbar);
    strip->setObjectName("strip");
    strip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);

    auto add_button = [&](int picture_number) {
        const QPixmap& icon = gui::picture(picture_number);
        auto* button = new QToolButton(strip);
        button->setAutoRaise(true);
        button->setIcon(icon);
        button->setIconSize(icon.size());
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
        layout->addWidget(toolbar_separator(strip), 0, Qt::AlignVCenter);
        return button;
    };

    int width = 0;
    for (int n = kFirstToolButton; n <= kLastToolButton; ++n) {
        QToolButton* button = add_button(n);
        button->setObjectName(QString("tool_%1").arg(n));
        connect(button, &QToolButton::clicked, this, [this, n] { run_command(n); });
        tool_buttons_[n] = button;
        width += gui::picture(n).width();
    }
    filler_buttons_ = filler_button_count(width, gui::picture(kBlankPicture).width(), inner_width);
    for (int i = 0; i < filler_buttons_; ++i) {
        QToolButton* button = add_button(kBlankPicture);
        button->setObjectName("filler");
        button->setEnabled(false);
    }
    layout->addStretch(1);
    toolbar->addWidget(strip);
    tool_buttons_[kEndOfSessionButtonNumber]->setToolTip("Fin de session");
}

// The picture's place is counted from the top of the window's inner area, under the menu
// bar: the toolbar covers the top of that area.
void MainWindow::place_splash() {
    const QPixmap& picture = gui::picture(1);
    const int toolbar_height = centralWidget()->y() - (menuBar() ? menuBar()->height() : 0);
    splash_->setGeometry((desktop_.width() - picture.width()) / 2,
                         (desktop_.height() - picture.height()) / 2 - std::max(0, toolbar_height),
                         picture.width(), picture.height());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) place_splash();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::run_command(int command) {
    if (dispatch_command(command, session_, opener_) == Outcome::EndSession) close();
}

QAction* MainWindow::menu_action(int command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

QToolButton* MainWindow::tool_button(int number) const {
    auto it = tool_buttons_.find(number);
    return it == tool_buttons_.end() ? nullptr : it->second;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!ended_) {
        ended_ = true;
        emit ended();
    }
}

}  // namespace kelmo::app
