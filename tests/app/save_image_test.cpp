#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "tests/support/window_driver.h"

namespace {

// Ctrl+S, Enter on the name the dialog proposes, "Yes" to the overwrite
// question, while the process may write no file beyond 1000 bytes: the write
// fails part-way. The earlier file stays whole, nothing is left beside it,
// and the failure is said.
TEST(SaveImage, FailedWriteKeepsTheEarlierFile) {
    WindowDriver driver;
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());  // where the dialog proposes "dibujo.png"
    QFile file("dibujo.png");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("la clase de ayer") == 16);
    file.close();
    QTimer::singleShot(0,
                       [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    driver.answer = QMessageBox::Yes;
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit limited{1000, previous.rlim_max};  // the drawing's PNG is larger
    std::signal(SIGXFSZ, SIG_IGN);                  // a write beyond the limit fails instead
    setrlimit(RLIMIT_FSIZE, &limited);
    driver.press(Qt::Key_S, Qt::ControlModifier);
    setrlimit(RLIMIT_FSIZE, &previous);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "la clase de ayer");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"dibujo.png"});
    EXPECT_TRUE(driver.messages.value(1).startsWith("No se pudo guardar la imagen"));
}

}  // namespace
