#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "tests/support/window_driver.h"

namespace {

// Ctrl+S over an existing file, "Yes" to the overwrite question, while the
// process may write no file beyond 1000 bytes: the write fails part-way. The
// earlier file stays whole, nothing is left beside it, and the failure is said.
TEST(SaveImage, FailedWriteKeepsTheEarlierFile) {
    WindowDriver driver;
    QTemporaryDir folder;
    QFile file(folder.filePath("dibujo.png"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("la clase de ayer") == 16);
    file.close();
    QTimer answer;
    answer.start(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        auto* box = dialog->findChild<QLineEdit*>("fileNameEdit");
        box->setText(file.fileName());
        QTest::keyClick(box, Qt::Key_Return);
    });
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
