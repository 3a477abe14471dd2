#include <QApplication>
#include <QIcon>

#include "app/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tervik");
    QApplication::setApplicationDisplayName("Tervik");
    QApplication::setDesktopFileName("org.marnel.Tervik");
    QApplication::setWindowIcon(QIcon::fromTheme("org.marnel.Tervik"));
    MainWindow window;
    window.show();
    return QApplication::exec();
}
