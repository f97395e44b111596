#include "gui/working_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTabWidget>

namespace kelmo::gui {

WorkingWindow::WorkingWindow(const FrameLayout& frame, QWidget* parent) : QDialog(parent) {
    setWindowTitle(frame.title);
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, frame.background);
    setPalette(pal);

    QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabs");
    tabs_->setGeometry(10, 10, desktop.width() - frame.width_less,
                       desktop.height() - frame.height_less);
    for (const QString& caption : frame.tabs) {
        auto* page = new QWidget;
        page->setAutoFillBackground(true);
        // The background colour shows only around the panel: the pages keep the
        // application's own colours instead of inheriting the window's.
        QPalette page_pal = page->palette();
        page_pal.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Window));
        page->setPalette(page_pal);
        tabs_->addTab(page, caption);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &WorkingWindow::on_current_changed);
}

QWidget* WorkingWindow::page(int index) const {
    return tabs_->widget(index);
}

void WorkingWindow::select_tab(int index) {
    programmatic_ = true;
    tabs_->setCurrentIndex(index);
    programmatic_ = false;
}

void run_maximised(QDialog& window) {
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
    window.exec();
}

void WorkingWindow::run(int entry) {
    select_tab(entry);
    run_maximised(*this);
}

void WorkingWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void WorkingWindow::on_current_changed(int index) {
    if (programmatic_) return;
    if (tabs_->tabText(index) == " FERMER") {
        close();
        return;
    }
    emit tabChosen(index);
}

}  // namespace kelmo::gui
