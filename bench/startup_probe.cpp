// Starts the real window, in the program's style, and quits at the first idle
// moment of the event loop.
#include <QApplication>
#include <QTimer>

#include "app/deferred_icon_style.h"
#include "mainwindow/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new DeferredIconStyle);
    MainWindow window;
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
