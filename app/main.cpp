#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "app/command_line.h"
#include "app/main_window.h"

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("tervik");
    QCoreApplication::setApplicationVersion(TERVIK_VERSION);
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    if (AsksOnlyForText(argc, argv)) {
        QCoreApplication app(argc, argv);
        parser.process(app);  // help and version print their text and end the program
        return RunWithoutWindow(parser);
    }
    // Without a display Qt would abort; say instead how to run the program.
    if (!DisplayAvailable(argc, argv)) {
        std::fputs(kNoDisplayMessage, stderr);
        return 1;
    }
    QApplication app(argc, argv);
    parser.process(app);  // refuses unknown options
    QGuiApplication::setDesktopFileName("org.marnel.Tervik");
    QApplication::setWindowIcon(QIcon::fromTheme("org.marnel.Tervik"));
    MainWindow window;
    window.show();
    return QApplication::exec();
}
