// The full-screen main window: menu, toolbar, the splash picture on a grey ground, and the
// dispatch of every command to its working window.
#pragma once

#include <QMainWindow>
#include <QSize>
#include <map>

#include "app/dispatcher.h"

class QAction;
class QLabel;
class QToolButton;

namespace kelmo::app {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `desktop` is the primary desktop's size (tests give their own).
    MainWindow(gui::Session& session, WindowOpener& opener, QSize desktop = QSize(),
               QWidget* parent = nullptr);

    // Runs command `n` as the menu and toolbar do; ending the session closes the window.
    void run_command(int command);

    QAction* menu_action(int command) const;
    QToolButton* tool_button(int number) const;  // buttons 100 to 120
    int filler_buttons() const { return filler_buttons_; }
    QLabel* splash() const { return splash_; }

  signals:
    // The window was closed, by its close box or by the end of the session.
    void ended();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build_menu();
    void build_toolbar(int inner_width);
    void place_splash();

    gui::Session& session_;
    WindowOpener& opener_;
    std::map<int, QAction*> actions_;
    std::map<int, QToolButton*> tool_buttons_;
    int filler_buttons_ = 0;
    QSize desktop_;
    QLabel* splash_ = nullptr;
    bool ended_ = false;
};

}  // namespace kelmo::app
