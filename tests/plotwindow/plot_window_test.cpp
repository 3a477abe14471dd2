#include <gtest/gtest.h>

#include <QApplication>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLogValueAxis>
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
    // Saves with "Guardar..." (or the keys given), answering the file dialog once it
    // opens with the whole name: typed, its completer would offer names for Enter.
    QString saveAs(const QString& name, int key = 0) {
        const QString path = folder.filePath(name);
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            auto* box = dialog->findChild<QLineEdit*>("fileNameEdit");
            box->setText(path);
            QTest::keyClick(box, Qt::Key_Return);
        });
        answer.start();
        QApplication::setActiveWindow(key ? static_cast<QWidget*>(&driver.window()) : plots);
        if (key)
            driver.press(key, Qt::ControlModifier);
        else
            QTest::mouseClick(plots->findChild<QAbstractButton*>("Guardar"), Qt::LeftButton);
        return path;
    }
    WindowDriver driver;
    QWidget* plots = nullptr;
    QTemporaryDir folder;
};

TEST_F(Plots, BothTabsFollowTheMainWindow) {
    ASSERT_TRUE(plots && plots->isVisible());
    EXPECT_EQ(plots->windowTitle(), QString::fromUtf8("Gráficas"));
    EXPECT_EQ(pointCounts("Campo en la mediatriz"), QList<qsizetype>({241, 241, 241, 241}));
    // |E| spans eleven decades: every second one is labelled; V spans six.
    EXPECT_EQ(verticalAxis("Campo en la mediatriz")->base(), 100);
    EXPECT_EQ(verticalAxis("Potencial en la mediatriz")->base(), 10);
    EXPECT_NEAR(verticalAxis("Potencial en la mediatriz")->min(), 10, 1e-9);  // whole decades
    EXPECT_NEAR(verticalAxis("Potencial en la mediatriz")->max(), 1e7, 1e-3);
    EXPECT_EQ(pointCounts("Potencial en la mediatriz"), QList<qsizetype>({241, 241, 241}));
    EXPECT_EQ(pointCounts("Error de las cargas puntuales"), QList<qsizetype>({200, 200, 8}));
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.6; 0.4)")));
    driver.type("CajaX", "0,2");  // one coordinate at a time
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.2; 0.4)")));
    driver.type("CajaY", "0,3");
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.2; 0.3)")));
    driver.setDensity("-5");  // the density alone, then N alone
    EXPECT_EQ(chart("Campo en la mediatriz")->axes(Qt::Vertical)[0]->titleText(),
              QString::fromUtf8("|E| (V/m) · magnitudes (λ < 0)"));
    driver.choose("Discretiza_20");
    EXPECT_EQ(chart("Campo en la mediatriz")->series()[1]->name(), "20 cargas puntuales");
    driver.calculateAt("0,5", "0");  // refused by the window, but the point moved: no value
    QApplication::processEvents();
    EXPECT_EQ(plots->findChild<QStackedWidget*>("Convergencia")->currentIndex(), 1);
    auto* noValue = plots->findChild<QLabel*>("SinValor");
    EXPECT_TRUE(noValue->text().contains("no tiene un valor finito"));
    EXPECT_GT(noValue->heightForWidth(noValue->width()), noValue->fontMetrics().height());
    driver.choose("Ver_1");  // the profile view's point lies at x = 0.5, its distance from the axis
    driver.calculateAt("0.3", "0.4");
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.5; 0.5)")));
}

// "Guardar..." writes the shown plot or its data; Archivo > Guardar Imagen...
// (Ctrl+S) the drawing at its device pixels, as copied. A failed write says
// so and changes nothing.
TEST_F(Plots, SavedPlotsDataAndDrawingReadBack) {
    EXPECT_GT(QImage(saveAs("mediatriz.png")).width(), 500);
    QFile svg(saveAs("mediatriz.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    QTabBar* tabs = plots->findChild<QTabWidget*>()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QFile csv(saveAs("convergencia.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
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

}  // namespace
