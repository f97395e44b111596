// One line per working window: the call that builds it, runs it and returns when it closes.
#include "app/dispatch.h"

#include "app/access_parameters_window.h"
#include "app/initial_balances_window.h"
#include "app/placeholder_windows.h"
#include "masters/tables_window.h"
#include "sales/sales_window.h"

namespace kelmo::app {

void ProgramWindows::open(Window window, gui::Session& session) {
    // clang-format off
    switch (window) {
        case Window::Tables:           return masters::tables_window(session, parent_);
        case Window::Sales:            return sales::sales_window(session, parent_);
        case Window::Debit:            return open_placeholder_window(window, session, parent_);
        case Window::Treasury:         return open_placeholder_window(window, session, parent_);
        case Window::Journals:         return open_placeholder_window(window, session, parent_);
        case Window::Invoice:          return open_placeholder_window(window, session, parent_);
        case Window::AccessParameters: return access_parameters_window(session, parent_);
        case Window::InitialBalances:  return initial_balances_window(session, parent_);
    }
    // clang-format on
}

}  // namespace kelmo::app
