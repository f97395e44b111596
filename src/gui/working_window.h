// The frame every working window shares: a maximised modal window with a background
// colour and a tab panel at (10, 10) as large as the desktop less a margin. A tab titled
// " FERMER" closes the window when chosen. The window opens on the selected entry's tab
// without reporting it as a tab change: only a change made by the operator is reported
// through tabChosen, so the tab the window opens on starts without its initialisation.
#pragma once

#include <QColor>
#include <QDialog>
#include <QStringList>

class QTabWidget;

namespace kelmo::gui {

struct FrameLayout {
    QString title;
    QColor background;
    QStringList tabs;      // in order, captions exactly as shown (" FERMER" closes)
    int width_less = 100;  // the tab panel is the desktop's width less this
    int height_less = 50;  // and its height less this
};

// Shows `window` maximised over the desktop and returns when it is closed. The window is
// first given the desktop's size, so that it fills the screen even where no window
// manager maximises it.
void run_maximised(QDialog& window);

class WorkingWindow : public QDialog {
    Q_OBJECT
  public:
    explicit WorkingWindow(const FrameLayout& frame, QWidget* parent = nullptr);

    // The page widget of tab `index`, where the tab's controls are placed.
    QWidget* page(int index) const;
    QTabWidget* tabs() const { return tabs_; }

    // Selects the tab of `entry` (not reported as a change), shows the window maximised and
    // returns when it is closed.
    void run(int entry);

    // Selects a tab as the program does (not reported either).
    void select_tab(int index);

  signals:
    // The operator chose another tab (never emitted for " FERMER", which closes).
    void tabChosen(int index);

  protected:
    // Escape would close the window like a dialog and drop what was typed; the window
    // closes only by its close box or " FERMER".
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void on_current_changed(int index);

    QTabWidget* tabs_;
    bool programmatic_ = false;
};

}  // namespace kelmo::gui
