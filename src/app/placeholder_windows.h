// Frames of the working windows whose tabs are not built yet: the real window (title,
// colour, tab titles, opening tab, " FERMER") with empty tabs, so every menu item opens.
#pragma once

#include "app/dispatcher.h"
#include "gui/working_window.h"

class QWidget;

namespace kelmo::app {

// The frame of a tabbed working window.
gui::FrameLayout working_frame(Window window);

// Opens the frame on the selected entry's tab and returns when it is closed.
void open_placeholder_window(Window window, gui::Session& session, QWidget* parent);

}  // namespace kelmo::app
