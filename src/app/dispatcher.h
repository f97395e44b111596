// The main window's commands: the menu as data, and the dispatch of a command number to
// the working window that serves it. Qt-free, so the whole table can be tested without
// opening a window: the opener is an interface the tests replace.
#pragma once

#include <string>
#include <vector>

#include "gui/session.h"

namespace kelmo::app {

enum class Window {
    Tables,
    Sales,
    Debit,
    Treasury,
    Journals,
    Invoice,
    AccessParameters,
    InitialBalances,
};

// Opens a working window and returns when it is closed.
class WindowOpener {
  public:
    virtual ~WindowOpener() = default;
    virtual void open(Window window, gui::Session& session) = 0;
};

enum class Outcome { Continue, EndSession };

// Sets the selected entry from the command's range and opens the range's window; "Fin de
// session" (99) and toolbar button 119 end the session; any other number does nothing.
Outcome dispatch_command(int command, gui::Session& session, WindowOpener& opener);

// One line of a menu: an item with its command number, or a separator (command 0).
struct MenuItem {
    int command = 0;
    std::string text;
    bool separator() const { return command == 0; }
};

struct Menu {
    std::string title;
    std::vector<MenuItem> items;
};

// The main window's menus, in order.
const std::vector<Menu>& main_menu();

// Toolbar: buttons 100 to 120, each showing the picture of its number.
inline constexpr int kFirstToolButton = 100;
inline constexpr int kLastToolButton = 120;
inline constexpr int kBlankPicture = 120;
inline constexpr int kEndOfSessionButtonNumber = 119;
inline constexpr int kEndOfSessionCommand = 99;
inline constexpr int kInitialBalancesCommand = 63;

// Number of blank filler buttons after the numbered ones: fillers are added while the
// running width of the icons stays below the inner width less 50 pixels.
int filler_button_count(int numbered_icons_width, int blank_width, int inner_width);

}  // namespace kelmo::app
