#include "sales/sales_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>

#include "gui/session.h"
#include "gui/working_window.h"
#include "sales/instalment_tab.h"

namespace kelmo::sales {

namespace {
gui::FrameLayout frame_layout() {
    gui::FrameLayout frame;
    frame.title = kSalesWindowTitle;
    frame.background = QColor(255, 0, 255);
    frame.tabs = {"VENTE PAR FACILITE",
                 " VENTE ORDINAIRE",
                 " JOURNAL DE VENTE",
                 " ACHAT ",
                 " FICHE DE STOCK ",
                 " MOUVEMENT PRODUIT ",
                 " BRS ",
                 " FERMER"};
    frame.width_less = 30;
    frame.height_less = 50;
    return frame;
}
}  // namespace

SalesWindow::SalesWindow(gui::Session& session, QWidget* parent)
    : session_(session), window_(new gui::WorkingWindow(frame_layout(), parent)) {
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    instalment_ = new InstalmentTab(window_->page(0), session_);
    for (QWidget* field : instalment_->return_fields())
        bind_return(field, [this, field] { instalment_->next_field(field); });
    connect(window_, &gui::WorkingWindow::tabChosen, this, &SalesWindow::tab_chosen);
    // Return is the window's next-field key, whatever control has the focus.
    qApp->installEventFilter(this);
}

SalesWindow::~SalesWindow() {
    qApp->removeEventFilter(this);
    delete window_;
}

void SalesWindow::run(int tab) {
    window_->run(tab);
}

void SalesWindow::bind_return(QWidget* field, std::function<void()> action) {
    on_return_[field] = std::move(action);
}

void SalesWindow::tab_chosen(int index) {
    if (index == 0) instalment_->tab_chosen();
}

bool SalesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    for (QWidget* w = widget; w && w != window_; w = w->parentWidget()) {
        auto it = on_return_.find(w);
        if (it != on_return_.end()) {
            it->second();
            return true;
        }
    }
    // Return in any other control does nothing (no button is clicked, the window stays).
    return true;
}

void sales_window(gui::Session& session, QWidget* parent) {
    SalesWindow window(session, parent);
    window.run(session.selected_entry);
}

}  // namespace kelmo::sales
