#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QTimer>

#include "tests/support/window_driver.h"
#include "view/drawing_surface.h"

namespace {

const QRgb kBlue = qRgb(50, 50, 250);

class Family : public ::testing::Test {
protected:
    void openSetPanel(const QString& delta) {
        driver.choose("Obtener_3");
        driver.choose("OptionV_1");
        driver.type("Delta", delta);
    }
    // Blue pixels met going up the line x = 0.5 from the segment: one per line of the set.
    int linesCrossingTheBisector() const {
        const WorldWindow& w = driver.surface().world();
        const int column = int(std::floor(w.toPixelX(0.5)));
        int lines = 0;
        bool inLine = false;
        for (int py = int(w.toPixelY(0.02)); py >= 0; --py) {
            const bool blue = driver.image().pixel(column, py) == kBlue;
            lines += blue && !inLine;
            inLine = blue;
        }
        return lines;
    }
    WindowDriver driver;
};

TEST_F(Family, DefaultStepAtFullSize) {
    openSetPanel("10000");
    driver.choose("AceptaV");
    EXPECT_EQ(driver.pixelAt(0.5, 0.05), kBlue);  // the first line, at height 0.05
    const int lines = linesCrossingTheBisector();
    EXPECT_GE(lines, 3);
    EXPECT_LE(lines, 100);
    // The user's point stays where it was; CajaV shows the last line's potential.
    EXPECT_EQ(driver.state().PointX, 0.6);
    EXPECT_EQ(driver.state().PointY, 0.4);
    EXPECT_EQ(driver.text("CajaY"), "0.4");
    // The scan measured further out than its last line: a smaller potential.
    EXPECT_GT(driver.text("CajaV").toDouble(), driver.state().Potential.toDouble());
    EXPECT_FALSE(driver.window().findChild<QGroupBox*>("CuadroLV")->isHidden());
}

TEST_F(Family, StepLargerThanTheFirstPotentialDrawsOneLine) {
    openSetPanel("1000000");
    driver.choose("Calcular");  // works the panel while it is shown
    EXPECT_EQ(linesCrossingTheBisector(), 1);
}

TEST_F(Family, StepOfZeroDrawsALineAtEveryPosition) {
    openSetPanel("abc");
    driver.choose("AceptaV");
    EXPECT_EQ(driver.state().PotentialStep, 0);
    EXPECT_GE(linesCrossingTheBisector(), 60);  // neighbouring lines merge on screen
}

TEST_F(Family, StepTooLargeIsRefused) {
    openSetPanel("1e10");
    driver.choose("AceptaV");
    EXPECT_EQ(driver.messages, QStringList{"Datos No Aceptados"});
    EXPECT_EQ(driver.countPixels(kBlue), 0);
}

TEST_F(Family, NegativeDensityDrawsTheSameSet) {
    WindowDriver negative;
    negative.setDensity("-1");
    for (WindowDriver* d : {&driver, &negative}) {
        d->choose("Obtener_3");
        d->choose("OptionV_1");
        d->choose("AceptaV");
    }
    EXPECT_EQ(driver.image(), negative.image());
}

TEST_F(Family, ProfileSetIsConcentricCircles) {
    driver.choose("Ver_1");
    openSetPanel("10000");
    driver.choose("AceptaV");
    const SharedState& s = driver.state();
    EXPECT_EQ(driver.pixelAt(0.05, 0), kBlue);
    EXPECT_EQ(driver.pixelAt(0, 0.05 - 0.001), kBlue);
    EXPECT_EQ(driver.pixelAt(s.ProfileRadius, 0), kBlue);  // the last circle drawn
    EXPECT_EQ(driver.text("CajaV").toStdString(),
              Currency::fromDouble(*PotentialAt(0.5, s.ProfileRadius, 1e-6))->text('.'));
}

TEST_F(Family, SingleLinesChoiceOnlyHidesThePanel) {
    driver.choose("Obtener_3");
    driver.choose("Calcular");
    EXPECT_TRUE(driver.window().findChild<QGroupBox*>("CuadroLV")->isHidden());
    EXPECT_EQ(driver.countPixels(kBlue), 0);
    driver.choose("Calcular");  // now it runs the click action at the typed point
    EXPECT_EQ(driver.pixelAt(0.6, 0.4), kBlue);
}

// What the user does while a set is being drawn: each action runs from the
// set's own yield to the event loop.
class DuringASet : public Family {
protected:
    void startSetAnd(std::function<void()> action) {
        openSetPanel("0");  // a line at every position: the longest set
        int yields = 0;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++yields == 5) action();
        });
        timer.start();
        driver.choose("AceptaV");
        timer.stop();
    }
};

TEST_F(DuringASet, ClearEndsTheSet) {
    startSetAnd([this] { driver.choose("Limpiar"); });
    EXPECT_EQ(driver.countPixels(kBlue), 0);
    EXPECT_TRUE(driver.text("CajaV").isEmpty());
}

// A manual sum started while a set is drawn keeps its own totals.
TEST_F(DuringASet, ManualSumStartedMeanwhileKeepsItsTotals) {
    startSetAnd([this] {
        driver.choose("CancelaV");
        driver.choose("Manual_1");
        driver.clickAt(0.25, 0.001);
    });
    EXPECT_EQ(driver.text("CajaV"), "3600");
    EXPECT_EQ(driver.state().Potential, *Currency::fromDouble(3600));
}

TEST_F(DuringASet, ViewSwitchStopsTheSet) {
    startSetAnd([this] { driver.choose("Ver_1"); });
    EXPECT_EQ(driver.countPixels(kBlue), 0);  // no ellipse on the profile frame
    EXPECT_FALSE(driver.state().FrontView);
}

TEST_F(DuringASet, SecondSetInsideTheFirstAndCancel) {
    startSetAnd([this] {
        driver.choose("AceptaV");
        driver.choose("CancelaV");
    });
    EXPECT_EQ(driver.pixelAt(0.5, 1.0), kBlue);
    EXPECT_TRUE(driver.selected("Obtener_1"));
    EXPECT_TRUE(driver.window().findChild<QGroupBox*>("CuadroLV")->isHidden());
}

TEST_F(DuringASet, ExitStopsTheSetAtOnce) {
    startSetAnd([this] { driver.choose("Command2"); });
    EXPECT_TRUE(driver.state().Quitting);
    EXPECT_FALSE(driver.window().isVisible());
    EXPECT_NE(driver.pixelAt(0.5, 0.5), kBlue);  // lines further out never came
}

}  // namespace
