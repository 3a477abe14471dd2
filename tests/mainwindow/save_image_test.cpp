#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>

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
    driver.saveImage();
    setrlimit(RLIMIT_FSIZE, &previous);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "la clase de ayer");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"dibujo.png"});
    // The system's reason, on a line of its own.
    EXPECT_EQ(
        driver.messages.value(1).split('\n'),
        QStringList({"No se pudo guardar la imagen en «" + folder.filePath("dibujo.png") + "»:",
                     QString::fromLocal8Bit(strerror(EFBIG))}));
}

// Ctrl+S, a name typed in the dialog after choosing its type (Down keys in
// the list of types), Enter: the file saved and the format it holds, which
// the name's extension names, else the chosen type's. PNG and BMP hold the
// drawing pixel for pixel. A name whose extension is no image format Tervik
// writes saves nothing and says why.
TEST(SaveImage, FormatOfTheExtensionOrOfTheChosenType) {
    struct Case {
        int typesDown;       // 0 PNG, 1 JPEG, 2 BMP
        const char* typed;   // after the name proposed, selected
        const char* saved;   // none when refused
        const char* format;  // as Qt reads the file back; the refused extension
    };
    const Case cases[] = {
        {0, "dibujo", "dibujo.png", "png"},      {1, "", "dibujo.jpg", "jpeg"},
        {1, "dibujo", "dibujo.jpg", "jpeg"},     {2, "dibujo", "dibujo.bmp", "bmp"},
        {0, "dibujo.jpg", "dibujo.jpg", "jpeg"}, {2, "dibujo.JPEG", "dibujo.JPEG", "jpeg"},
        {1, "dibujo.png", "dibujo.png", "png"},  {0, "dibujo.svg", nullptr, ".svg"},
        {1, "dibujo.txt", nullptr, ".txt"},
    };
    for (const Case& c : cases) {
        WindowDriver driver;
        QTemporaryDir folder;
        QDir::setCurrent(folder.path());
        QTimer::singleShot(0, [&c] {
            QWidget* dialog = QApplication::activeModalWidget();
            auto* types = dialog->findChild<QWidget*>("fileTypeCombo");
            for (int i = 0; i < c.typesDown; ++i) QTest::keyClick(types, Qt::Key_Down);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(name, c.typed);
            QTest::keyClick(name, Qt::Key_Return);
        });
        driver.saveImage();
        const QStringList files = QDir(folder.path()).entryList(QDir::Files);
        if (!c.saved) {
            EXPECT_TRUE(files.isEmpty()) << c.typed;
            const QString why =
                "No se guardó la imagen: Tervik no sabe escribir imágenes con la "
                "extensión «%1». Use .png, .jpg o .bmp, o escriba el nombre sin "
                "extensión.";
            EXPECT_EQ(driver.messages, QStringList(why.arg(QString(c.format)))) << c.typed;
            continue;
        }
        EXPECT_EQ(files, QStringList(c.saved)) << c.typed;
        QImageReader reader(c.saved);
        EXPECT_EQ(reader.format(), c.format) << c.typed;
        const QImage saved = reader.read();
        EXPECT_EQ(saved.size(), driver.image().size()) << c.typed;
        if (QByteArray(c.format) != "jpeg") {
            EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), driver.image()) << c.typed;
        }
        EXPECT_TRUE(driver.messages.isEmpty()) << c.typed;
    }
}

}  // namespace
