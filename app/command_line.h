#pragma once

#include <QCommandLineParser>

// The program's command line: the options a desktop program answers without
// opening a window (help, version, the plots' data as CSV), and the check
// for a display before Qt looks for one.

// Sets up the parser with the program's description and its options.
void DescribeCommandLine(QCommandLineParser& parser);

// Whether the arguments ask only for text, so that no window and no display
// are needed.
bool AsksOnlyForText(int argc, char** argv);

// Answers such arguments once the parser has read them: the CSV of a plot on
// standard output (status 0), or one line on standard error for a bad value
// (status 2).
int RunWithoutWindow(const QCommandLineParser& parser);

// Whether a window can be opened: a platform was chosen (-platform or
// QT_QPA_PLATFORM) or the session has an X11 or Wayland display.
bool DisplayAvailable(int argc, char** argv);

// The one line printed when there is no display.
extern const char* const kNoDisplayMessage;
