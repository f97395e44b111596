// What every working window receives from the application shell.
#pragma once

#include <string>

#include "store/store.h"
#include "util/operator.h"

namespace kelmo::gui {

struct Session {
    store::Store& store;
    Operator& op;
    std::string user;        // the name admitted by the login, printed in footers
    int selected_entry = 0;  // menu item number minus the first number of the window's range
};

}  // namespace kelmo::gui
