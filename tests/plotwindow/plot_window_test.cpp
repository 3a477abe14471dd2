#include <gtest/gtest.h>

#include <QApplication>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineSeries>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "plotwindow/plot_window.h"
#include "tests/support/window_driver.h"
#include "view/drawing_surface.h"

namespace {

class Plots : public ::testing::Test {
protected:
    Plots() {
        driver.press(Qt::Key_G, Qt::ControlModifier);  // Herramientas > Gráficas...
        plots = driver.window().findChild<PlotWindow*>("Graficas");
    }
    QChart* chart(const char* name) const { return plots->findChild<QChartView*>(name)->chart(); }
    QList<qsizetype> pointCounts(const char* name) const {
        QList<qsizetype> counts;
        for (QAbstractSeries* s : chart(name)->series())
            counts << static_cast<QXYSeries*>(s)->count();
        return counts;
    }
    // Answers the next file dialog with the path, typed as a user does.
    void saveAs(const QString& path, QAbstractButton* button) {
        QTimer::singleShot(50, [path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            name->selectAll();
            QTest::keyClicks(name, path);
            QTest::keyClick(name, Qt::Key_Return);
        });
        QTest::mouseClick(button, Qt::LeftButton);
    }
    WindowDriver driver;
    PlotWindow* plots = nullptr;
    QTemporaryDir folder;
};

TEST_F(Plots, BothTabsFollowTheMainWindow) {
    ASSERT_TRUE(plots && plots->isVisible());
    EXPECT_EQ(plots->windowTitle(), QString::fromUtf8("Gráficas"));
    EXPECT_EQ(pointCounts("Campo en la mediatriz"), QList<qsizetype>({241, 241, 241, 241}));
    EXPECT_EQ(pointCounts("Potencial en la mediatriz"), QList<qsizetype>({241, 241, 241}));
    EXPECT_EQ(pointCounts("Error de las cargas puntuales"), QList<qsizetype>({200, 200, 8}));
    const QString before = chart("Error de las cargas puntuales")->title();
    EXPECT_TRUE(before.contains(Shown("(0.6; 0.4)")));
    const QPointF p = driver.clickAt(0.3, 0.7);
    EXPECT_TRUE(chart("Error de las cargas puntuales")
                    ->title()
                    .contains(ShownCoordinate(driver.state().PointX)))
        << p.x();
    driver.setDensity("-5");
    driver.choose("Discretiza_20");
    EXPECT_TRUE(
        chart("Campo en la mediatriz")->axes(Qt::Vertical)[0]->titleText().contains("magnitudes"));
    EXPECT_EQ(chart("Campo en la mediatriz")->series()[1]->name(), "20 cargas puntuales");
    driver.calculateAt("0,5", "0");  // refused by the window, but the point moved: no value
    EXPECT_EQ(plots->findChild<QStackedWidget*>("Convergencia")->currentIndex(), 1);
    EXPECT_TRUE(plots->findChild<QLabel*>("SinValor")->text().contains("no tiene un valor finito"));
    driver.choose("Ver_1");  // the profile view's point lies at x = 0.5, its distance from the axis
    driver.calculateAt("0.3", "0.4");
    EXPECT_TRUE(chart("Error de las cargas puntuales")->title().contains(Shown("(0.5; 0.5)")));
}

TEST_F(Plots, SavedPlotsAndDataReadBack) {
    auto* save = plots->findChild<QAbstractButton*>("Guardar");
    saveAs(folder.filePath("mediatriz.png"), save);
    const QImage png(folder.filePath("mediatriz.png"));
    EXPECT_GT(png.width(), 500);
    saveAs(folder.filePath("mediatriz.svg"), save);
    QFile svg(folder.filePath("mediatriz.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    plots->findChild<QTabWidget*>()->setCurrentIndex(1);
    saveAs(folder.filePath("convergencia.csv"), save);
    QFile csv(folder.filePath("convergencia.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readLine(), "N,error relativo |E|,error relativo V\n");
    EXPECT_EQ(csv.readAll().count('\n'), 200);
    saveAs(folder.filePath("falta/datos.csv"), save);  // a folder that does not exist
    EXPECT_EQ(driver.messages.size(), 1);
}

// Archivo > Guardar Imagen...: the drawing at its device pixels, as copied.
TEST_F(Plots, DrawingSavedAsPng) {
    driver.choose("Calcular");
    driver.window().activateWindow();
    QApplication::setActiveWindow(&driver.window());
    QTimer::singleShot(50, [this] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        QTest::keyClicks(dialog->findChild<QLineEdit*>("fileNameEdit"), folder.filePath("dibujo"));
        QTest::keyClick(dialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    });
    driver.press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(QImage(folder.filePath("dibujo.png")).convertToFormat(QImage::Format_RGB32),
              driver.surface().picture());
}

}  // namespace
