#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

#include "app/command_line.h"
#include "app/display_check.h"
#include "app/main_window.h"

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("tervik");
    QCoreApplication::setApplicationVersion(TERVIK_VERSION);
    ReportUnwrittenOutputAtExit();
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    const QStringList arguments = ProgramArguments(argc, argv);
    if (const QString error = UsageError(arguments); !error.isEmpty()) {
        std::fprintf(stderr, "tervik: %s\n", qPrintable(error));
        return kUsageStatus;
    }
    parser.parse(arguments);
    if (AsksOnlyForText(parser)) {
        QCoreApplication app(argc, argv);
        parser.process(arguments);  // help and version print their text and end the program
        return RunWithoutWindow(parser);
    }
    if (!DisplayAvailable(argc, argv)) {
        std::fputs(NoDisplayMessage(argc, argv).c_str(), stderr);
        return kNoDisplayStatus;
    }
    QApplication app(argc, argv);
    // Qt's own dialogs (file dialog, message-box buttons) in the user's language.
    QTranslator qtTranslation;
    if (qtTranslation.load(QLocale(), "qtbase", "_",
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslation);
    QGuiApplication::setDesktopFileName("org.marnel.Tervik");
    QApplication::setWindowIcon(QIcon::fromTheme("org.marnel.Tervik"));
    MainWindow window;
    window.show();
    return QApplication::exec();
}
