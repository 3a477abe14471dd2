#pragma once

#include <string>

// Without a display Qt prints several lines and aborts inside the
// QApplication constructor; this lets the program say so in one line first.

// The one line to print, ending in a newline, when no window can be opened:
// the chosen platform (-platform or QT_QPA_PLATFORM, by default X11 or
// Wayland) needs a display and none answers, or the one that answers is a
// Wayland compositor and Qt's Wayland platform plugin is not installed.
// Empty when a window can be opened.
std::string DisplayProblem(int argc, char** argv);
