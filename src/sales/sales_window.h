// The Sales and receptions window: the working window for everything that moves goods,
// one tab each, and " FERMER" that closes it.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>

class QWidget;

namespace kelmo::gui {
struct Session;
class WorkingWindow;
}  // namespace kelmo::gui

namespace kelmo::sales {

class InstalmentTab;

inline constexpr const char* kSalesWindowTitle =
    "Logiciel de vente par facilité - Ventes et réceptions";

// Builds the window, opens it on the tab of session.selected_entry (0 to 6) and returns
// when the operator closes it.
void sales_window(gui::Session& session, QWidget* parent);

// The window as built, before it runs (sales_window uses it; tests drive it directly).
class SalesWindow : public QObject {
    Q_OBJECT
  public:
    SalesWindow(gui::Session& session, QWidget* parent);
    ~SalesWindow() override;

    gui::WorkingWindow& window() { return *window_; }
    InstalmentTab& instalment() { return *instalment_; }

    // Shows the window on `tab` without the tab-change initialisation and runs it.
    void run(int tab);

    // Return in `field` runs `action` (the tabs bind their fields here).
    void bind_return(QWidget* field, std::function<void()> action);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void tab_chosen(int index);

    gui::Session& session_;
    gui::WorkingWindow* window_;
    InstalmentTab* instalment_;
    std::map<QWidget*, std::function<void()>> on_return_;
};

}  // namespace kelmo::sales
