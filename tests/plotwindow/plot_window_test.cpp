#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLogValueAxis>
#include <QProcess>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXYSeries>

#include "tests/support/window_driver.h"

namespace {

class Plots : public ::testing::Test {
protected:
    Plots() {
        driver.press(Qt::Key_G, Qt::ControlModifier);  // Herramientas > Gráficas...
        plots = driver.window().findChild<QWidget*>("Graficas");
    }
    // The chart as the user sees it once the window has redrawn.
    QChart* chart(const char* name) const {
        QApplication::processEvents();
        return plots->findChild<QChartView*>(name)->chart();
    }
    QLogValueAxis* verticalAxis(const char* name) const {
        return static_cast<QLogValueAxis*>(chart(name)->axes(Qt::Vertical)[0]);
    }
    QList<qsizetype> pointCounts(const char* name) const {
        QList<qsizetype> counts;
        for (QAbstractSeries* s : chart(name)->series())
            counts << static_cast<QXYSeries*>(s)->count();
        return counts;
    }
    // Saves with "Guardar..." (or the keys given, to the window given), answering
    // the file dialog once it opens: Down in its list of types `filterSteps`
    // times, then the whole name (typed, its completer would offer names for
    // Enter). Returns the path and keeps the name the dialog offered.
    QString saveAs(const QString& name, int key = 0, QWidget* keysTo = nullptr,
                   int filterSteps = 0) {
        const QString path = folder.filePath(name);
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            auto* box = dialog->findChild<QLineEdit*>("fileNameEdit");
            offered = box->text();
            for (int step = 0; step < filterSteps; ++step)
                QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
            box->setText(path);
            QTest::keyClick(box, Qt::Key_Return);
        });
        answer.start();
        QWidget* target = keysTo ? keysTo : key ? static_cast<QWidget*>(&driver.window()) : plots;
        QApplication::setActiveWindow(target);
        if (key && !keysTo)
            driver.press(key, Qt::ControlModifier);
        else if (key)  // a mnemonic, which clicks its button after a short animation
            QTest::keyClick(target, Qt::Key(key), Qt::AltModifier), QTest::qWait(300);
        else
            QTest::mouseClick(plots->findChild<QAbstractButton*>("Guardar"), Qt::LeftButton);
        return path;
    }
    QString offered;
    WindowDriver driver;
    QWidget* plots = nullptr;
    QTemporaryDir folder;
};

// Hand-worked: the infinite line's |E| at 1 mm is 2kλ/s = 2 · 9e9 · 1e-6 / 1e-3
// = 1.8e7 V/m, near the exact |E| there, which falls to 0.9 V/m (kQ/s² at
// 100 m): whole decades from 0.1 to 1e8. V spans 90 V (kQ/s at 100 m) to
// k(λ/5)/s = 1.8e6 V from the charge 1 mm under the point: 10 to 1e7.
TEST_F(Plots, BothTabsFollowTheMainWindow) {
    ASSERT_TRUE(plots && plots->isVisible());
    EXPECT_EQ(plots->windowTitle(), QString::fromUtf8("Gráficas"));
    QChart* field = chart("Campo en la mediatriz");
    EXPECT_EQ(field->series()[1]->name(), QString::fromUtf8("Línea infinita 2kλ/s (a trazos)"));
    EXPECT_EQ(static_cast<QXYSeries*>(field->series()[1])->at(0), QPointF(1e-3, 1.8e7));
    struct Range {
        const char* chart;
        Qt::Orientation direction;
        double low, high;
    } ranges[] = {{"Campo en la mediatriz", Qt::Vertical, 0.1, 1e8},
                  {"Potencial en la mediatriz", Qt::Vertical, 10, 1e7},
                  {"Campo en la mediatriz", Qt::Horizontal, 1e-3, 100},
                  {"Error de las cargas puntuales", Qt::Horizontal, 1, 200}};
    for (const Range& r : ranges) {
        auto* axis = static_cast<QLogValueAxis*>(chart(r.chart)->axes(r.direction)[0]);
        EXPECT_NEAR(axis->min() / r.low, 1, 1e-6) << r.chart << r.direction;
        EXPECT_NEAR(axis->max() / r.high, 1, 1e-6) << r.chart << r.direction;
        EXPECT_EQ(axis->base(), 10) << r.chart << r.direction;
    }
    // The exact model on top and thickest; the single charge alike in both charts.
    QChart* potential = chart("Potencial en la mediatriz");
    const auto pen = [](QChart* c, int k) {
        return static_cast<QXYSeries*>(c->series()[k])->pen();
    };
    EXPECT_EQ(field->series().last()->name(), "Exacto");
    EXPECT_GT(pen(field, 3).widthF(), pen(field, 0).widthF());
    EXPECT_EQ(pen(field, 2), pen(potential, 1));
    EXPECT_EQ(pen(field, 2).style(), Qt::DashLine);
    EXPECT_TRUE(field->title().contains(Shown("x = 0.5 m · λ = 1 µC/m · N = 5")));
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.6; 0.4)")));
    driver.type("CajaX", "0,2");  // typed text is followed only once it is evaluated
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.6; 0.4)")));
    driver.choose("Calcular");
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.2; 0.4)")));
    driver.calculateAt("0,2", "0,3");  // one coordinate at a time
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.2; 0.3)")));
    driver.setDensity("-5");  // the density alone, then N alone
    EXPECT_TRUE(
        chart("Campo en la mediatriz")->title().contains("magnitudes: la densidad es negativa"));
    EXPECT_EQ(field->axes(Qt::Vertical)[0]->titleText(), "|E| (V/m)");
    driver.choose("Discretiza_20");
    EXPECT_EQ(chart("Campo en la mediatriz")->series()[0]->name(), "20 cargas puntuales");
    driver.calculateAt("0,5", "0");  // refused by the window: the plots keep their point
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.2; 0.3)")));
    driver.calculateAt("1e15", "1e15");  // so far that the exact potential rounds to zero
    QApplication::processEvents();
    EXPECT_EQ(plots->findChild<QStackedWidget*>("Convergencia")->currentIndex(), 1);
    auto* noValue = plots->findChild<QLabel*>("SinValor");
    EXPECT_TRUE(noValue->text().contains("no tiene un valor finito"));
    EXPECT_GT(noValue->heightForWidth(noValue->width()), noValue->fontMetrics().height());
    driver.choose("Ver_1");  // the profile view's point lies at x = 0.5, its distance from the axis
    driver.calculateAt("0.3", "0.4");
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.5; 0.5)")));
    // The legend gives the fitted slope, or says that no power law holds (3 mm
    // above the middle the errors of small N are not yet on one).
    const auto legend = [&] { return chart("Error de las cargas puntuales")->series()[0]->name(); };
    EXPECT_TRUE(legend().contains(Shown("|E|: pendiente -2.00 de N = 10 a 200")))
        << legend().toStdString();
    driver.choose("Ver_0");
    driver.calculateAt("0,5", "0,003");
    EXPECT_TRUE(legend().contains("sin ley de potencias")) << legend().toStdString();
}

// "Guardar..." writes the shown plot or its data, each tab offering
// its own name and the chosen type adding its extension; Archivo > Guardar
// Imagen... (Ctrl+S) the drawing at its device pixels, as copied. A failed
// write says so and changes nothing.
TEST_F(Plots, SavedPlotsDataAndDrawingReadBack) {
    EXPECT_GT(QImage(saveAs("mediatriz.png")).width(), 500);
    EXPECT_EQ(offered, "mediatriz.png");
    QFile svg(saveAs("bis_noext", 0, nullptr, 1) + ".svg");  // the SVG type, no extension
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    QFile bisector(saveAs("mediatriz.csv"));
    ASSERT_TRUE(bisector.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString(bisector.readLine()),
              QString::fromUtf8("# Mediatriz x = 0.5 m · λ = 1 µC/m · integral exacta sobre el "
                                "segmento de 1 m y 5 cargas puntuales Q/5 en los centros de 5 "
                                "elementos iguales · Q = λ·1 m · k = 9·10⁹ N·m²/C²\n"));
    QTabBar* tabs = plots->findChild<QTabWidget*>()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QFile csv(saveAs("convergencia.csv"));
    EXPECT_EQ(offered, "convergencia.png");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString(csv.readLine()),
              QString::fromUtf8("# Convergencia en x = 0.6 m y = 0.4 m · λ = 1 µC/m · N cargas "
                                "puntuales Q/N en los centros de N elementos iguales frente a la "
                                "integral exacta sobre el segmento de 1 m · Q = λ·1 m · k = "
                                "9·10⁹ N·m²/C² · pendiente |E| -2.00 de N = 10 a 200 · pendiente "
                                "V -2.00 de N = 10 a 200\n"));
    EXPECT_EQ(csv.readLine(), "N,error relativo |E|,error relativo V\n");
    EXPECT_EQ(csv.readAll().count('\n'), 200);
    driver.choose("Calcular");
    const QImage drawing = driver.surface().picture();
    EXPECT_EQ(QImage(saveAs("dibujo", Qt::Key_S)).convertToFormat(QImage::Format_RGB32), drawing);
    saveAs("falta/datos.csv");  // a folder that does not exist
    saveAs("falta/datos.svg");
    saveAs("falta/dibujo.png", Qt::Key_S);
    EXPECT_EQ(driver.messages.size(), 3);
    EXPECT_EQ(driver.surface().picture(), drawing);
    EXPECT_FALSE(driver.text("CajaV").isEmpty());
}

// A write that fails part-way (here the process may write no more than 1 KiB
// per file, as on a full disk) leaves the file it would replace whole and
// says so, after the file dialog's own question whether to replace it.
TEST_F(Plots, FailedSaveKeepsTheOldFile) {
    driver.answer = QMessageBox::Yes;
    for (const char* name : {"viejo.csv", "viejo.png", "viejo.svg"}) {
        QFile old(folder.filePath(name));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("antes\n") == 6) << name;
        old.close();
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, small{1024, RLIM_INFINITY};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        saveAs(name);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(old.readAll(), "antes\n") << name;
    }
    EXPECT_EQ(driver.messages.size(), 6);  // each replacement asked, each failure told
}

// Alt+G is "Guardar..."; Escape and Ctrl+W close the window, as any dialog-like window.
TEST_F(Plots, Keyboard) {
    EXPECT_TRUE(QFile::exists(saveAs("atajo.png", Qt::Key_G, plots)));
    for (QKeyCombination keys :
         {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
        plots->show();
        ASSERT_TRUE(plots->isVisible());
        QApplication::setActiveWindow(plots);
        QTest::keyClick(plots, keys.key(), keys.keyboardModifiers());
        EXPECT_FALSE(plots->isVisible()) << QKeySequence(keys).toString().toStdString();
    }
}

// Shrunk to its smallest, the window fits a 1024×768 screen less a title bar
// and a panel, its button still inside it.
TEST_F(Plots, FitsASmallScreen) {
    const QSize smallest = plots->minimumSizeHint();
    EXPECT_LE(smallest.width(), 1024);
    EXPECT_LE(smallest.height(), 768 - 40 - 48);
    plots->resize(smallest);
    QApplication::processEvents();
    auto* button = plots->findChild<QAbstractButton*>("Guardar");
    EXPECT_TRUE(plots->rect().contains(button->geometry()));
}

// The SVG is written in the user's locale, at the size of the window's text,
// each label in one piece, and rsvg-convert draws it as the window shows it.
TEST_F(Plots, SvgReadsAsTheWindow) {
    const QString path = saveAs("mediatriz.svg");
    QFile svg(path);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(text.contains(">" + Shown("0.001") + "</text>"));
    EXPECT_FALSE(text.contains("font-size=\"9\""));
    EXPECT_TRUE(text.contains(QString::fromUtf8(">Línea infinita 2kλ/s (a trazos)</text>")));
    if (!QFile::exists("/usr/bin/rsvg-convert")) GTEST_SKIP() << "no rsvg-convert";
    QProcess rsvg;
    const QWidget* page = plots->findChild<QTabWidget*>()->currentWidget();
    rsvg.start("/usr/bin/rsvg-convert",
               {"-w", QString::number(page->width()), "-h", QString::number(page->height()), path,
                "-o", path + ".png"});
    ASSERT_TRUE(rsvg.waitForFinished());
    const QImage drawn = QImage(path + ".png").convertToFormat(QImage::Format_RGB32);
    const QImage shown =
        plots->findChild<QTabWidget*>()->currentWidget()->grab().toImage().convertToFormat(
            QImage::Format_RGB32);
    ASSERT_EQ(drawn.size(), shown.size());
    qsizetype differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            differing += std::abs(qGray(drawn.pixel(x, y)) - qGray(shown.pixel(x, y))) > 96;
    EXPECT_LT(differing, shown.width() * shown.height() / 200) << differing;
}

}  // namespace
