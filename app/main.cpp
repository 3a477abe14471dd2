#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

#include "app/command_line.h"
#include "app/deferred_icon_style.h"
#include "app/display_check.h"
#include "mainwindow/main_window.h"

namespace {

// Qt's own texts (the file dialog's, message-box buttons) in the user's
// language.
void InstallQtTranslation(QTranslator& translator) {
    if (translator.load(QLocale(), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}

}  // namespace

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
        HelpTranslator helpTranslation;
        QCoreApplication::installTranslator(&helpTranslation);
        QCommandLineParser translated;  // Qt's own option texts, now in Spanish
        DescribeCommandLine(translated);
        translated.process(arguments);  // the version prints its text and ends the program
        if (translated.isSet("help")) translated.showHelp();
        return RunWithoutWindow(translated);
    }
    if (const std::string problem = DisplayProblem(argc, argv); !problem.empty()) {
        std::fputs(problem.c_str(), stderr);
        return kNoDisplayStatus;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(new DeferredIconStyle);
    QTranslator qtTranslation;
    InstallQtTranslation(qtTranslation);
    QGuiApplication::setDesktopFileName("org.marnel.Tervik");
    QApplication::setWindowIcon(QIcon::fromTheme("org.marnel.Tervik"));
    MainWindow window;
    window.show();
    return QApplication::exec();
}
