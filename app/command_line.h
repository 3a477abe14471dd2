#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTranslator>

// The program's command line: the options a desktop program answers without
// opening a window (help, version, the plots' data as CSV).

// Sets up the parser with the program's description and its options.
void DescribeCommandLine(QCommandLineParser& parser);

// The words of the command line, the program's name first, without the
// options Qt's QApplication reads itself (-platform offscreen, -style...).
QStringList ProgramArguments(int argc, char** argv);

// One Spanish line naming the word that is not a use of the program (an
// unknown option, an option without its value or given twice, a word too
// many); empty when the words are a use of it.
QString UsageError(const QStringList& arguments);

// Whether the parsed words ask only for text, so that no window and no
// display are needed.
bool AsksOnlyForText(const QCommandLineParser& parser);

// Answers such words: the CSV of a plot on standard output (status 0), one
// line on standard error for a bad value or an option the plot does not take
// (status 2) or when the output cannot be written (status 3).
int RunWithoutWindow(const QCommandLineParser& parser);

// Makes the program end with status 3 and one line on standard error when
// what it wrote on standard output (help, version, CSV) could not be written,
// and quietly with status 0 when the reader of the pipe has gone.
void ReportUnwrittenOutputAtExit();

// Qt's own words in the help (its headings, the version option) in Spanish,
// as the rest of the help is, whatever the user's language.
class HelpTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};

// The program's statuses besides 0.
inline constexpr int kNoDisplayStatus = 1, kUsageStatus = 2, kWriteErrorStatus = 3;
