// The program's working windows, opened by the main window's dispatch.
#pragma once

#include "app/dispatcher.h"

class QWidget;

namespace kelmo::app {

class ProgramWindows : public WindowOpener {
  public:
    explicit ProgramWindows(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    void open(Window window, gui::Session& session) override;

  private:
    QWidget* parent_;
};

}  // namespace kelmo::app
