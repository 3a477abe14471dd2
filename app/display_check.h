#pragma once

#include <string>

// Without a display Qt prints several lines and aborts inside the
// QApplication constructor; these let the program say so in one line first.

// Whether a window can be opened: the chosen platform (-platform or
// QT_QPA_PLATFORM) needs no display, or its display answers.
bool DisplayAvailable(int argc, char** argv);

// The one line printed when there is no display, ending in a newline.
std::string NoDisplayMessage(int argc, char** argv);
