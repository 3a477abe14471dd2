#include <gtest/gtest.h>

#include <QGroupBox>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

#include "tests/support/window_driver.h"
#include "trace/geometry.h"

namespace {

// At every zoom: the field line above the middle goes up the bisector, gone when traced
// again; the ellipse is drawn all round, closed at its left vertex.
TEST(LineClick, FieldLineAndClosedEllipseAtEveryZoom) {
    for (const char* zoom :
         {"zoomOptions_100", "zoomOptions_50", "zoomOptions_25", "zoomOptions_10"}) {
        WindowDriver driver;
        driver.choose("elementArrowsBox");  // element arrows, which a line switches off
        driver.choose(zoom);
        driver.choose("actionOptions_2");
        const QImage before = driver.image().copy();
        const double z = driver.settings().zoomFactor();
        driver.calculateAt(QString::number(0.5), QString::number(0.5 / z));
        for (double y : {0.02, 0.2, 0.8, 1.09})
            EXPECT_EQ(driver.pixelAt(0.5, y / z), kFieldOnGrey) << zoom << " " << y;
        EXPECT_EQ(driver.pixelAt(0.5, 0.004 / z), qRgb(250, 200, 200));  // into the red bar
        EXPECT_TRUE(driver.text("exBox").isEmpty() && !driver.selected("elementArrowsBox"));
        EXPECT_TRUE(driver.surface().marker()->isHidden());
        driver.choose("calculateButton");
        EXPECT_EQ(driver.image(), before) << zoom;
        driver.choose("actionOptions_3");
        driver.choose("acceptLinesButton");  // single lines: the panel goes
        driver.calculateAt("0.6", "0.4");
        EXPECT_EQ(driver.text("potentialBox"), Shown("18685.2312"));
        const double sum = std::hypot(0.6, 0.4) + std::hypot(0.4, 0.4);
        const double a = sum / 2, b = std::sqrt(a * a - 0.25);
        for (double t = 0; t < 6.3; t += 0.1) {  // the ellipse, where it is on the surface
            const double x = 0.5 + a * std::cos(t), y = b * std::sin(t);
            EXPECT_TRUE(OutsideWorldWindow(x, y, z) || driver.colourNear(x, y, kBlue)) << zoom << t;
        }
        EXPECT_GT(driver.countPixels(kBlue), 100 * z) << zoom;
        EXPECT_TRUE(driver.colourNear(0.6, 0.4, kBlue));
        // The left vertex, where the curve closes, when it is on the surface.
        EXPECT_TRUE(z > 0.5 || driver.colourNear(0.5 - a, 0, kBlue));
        driver.choose("actionOptions_1");
        EXPECT_TRUE(driver.surface().marker()->isVisible());
    }
}

class Family : public ::testing::Test {
protected:
    void openSetPanel(const QString& delta) {
        driver.choose("actionOptions_3");
        driver.choose("lineOptions_1");
        driver.type("stepBox", delta);
    }
    // Lines of the set met going up the bisector x = 0.5, one per line.
    int crossings() const {
        const int column = driver.pixelOf(0.5, 0).x();
        int lines = 0;
        for (int py = driver.pixelOf(0, 0.009 / driver.settings().zoomFactor()).y(); py > 0; --py)
            lines += driver.image().pixel(column, py) == kBlue &&
                     driver.image().pixel(column, py + 1) != kBlue;
        return lines;
    }
    WindowDriver driver;
};

// The first line at the first scan height, then one wherever |V| has fallen
// by the step: the heights of the lines, in metres, at every zoom.
TEST_F(Family, LinesAtEveryZoom) {
    const char* const cases[][3] = {
        {"zoomOptions_100", "10000", "0.05 0.09 0.16 0.3 0.63"},
        {"zoomOptions_100", "3000",
         "0.05 0.06 0.08 0.1 0.12 0.15 0.18 0.22 0.27 0.33 0.41 0.52 0.68 0.93"},
        {"zoomOptions_50", "5000", "0.05 0.07 0.11 0.15 0.21 0.29 0.41 0.61 1.03"},
        {"zoomOptions_25", "2500", "0.1 0.14 0.18 0.22 0.26 0.34 0.42 0.54 0.7 0.94 1.34 2.22"},
        {"zoomOptions_10", "1000", "0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1.1 1.3 1.6 2 2.6 3.7 6.4"},
        {"zoomOptions_100", "1000000", "0.05"}};
    for (auto [zoom, delta, heights] : cases) {
        driver.choose(zoom);
        openSetPanel(delta);
        driver.choose("acceptLinesButton");
        const QStringList expected = QString(heights).split(' ');
        EXPECT_EQ(crossings(), expected.size()) << zoom << " " << delta;
        for (const QString& s : expected)
            EXPECT_TRUE(driver.colourNear(0.5, s.toDouble(), kBlue))
                << zoom << " " << s.toStdString();
        EXPECT_EQ(driver.text("yBox"), Shown("0.4"));  // the user's point stays
        const auto first = Currency::fromDouble(*PotentialAt(0.5, 0.05, 1e-6));
        EXPECT_TRUE(expected.size() > 1 || driver.state().Potential == first);  // set by it alone
        EXPECT_FALSE(driver.window().findChild<QGroupBox*>("linePanel")->isHidden());
        driver.choose("cancelLinesButton");
        driver.choose("clearButton");
    }
}

// A step that is not a whole number of volts from 1 up, once rounded (halves
// to the even neighbour), is refused and draws nothing, by "Aceptar", by
// "Calcular" and by Enter in the box. The smallest step, 1 V, puts a line at
// every scan position.
TEST_F(Family, StepBelowOneVoltOrTooLargeRefusedAndTheProfileView) {
    openSetPanel("");
    const char* const refused[] = {"0", "-5000", "abc", ",", "", "0,5", "-0.6", "1e10"};
    for (const char* delta : refused) {
        driver.type("stepBox", delta);
        driver.messages.clear();
        driver.choose("acceptLinesButton");
        driver.choose("calculateButton");
        QTest::keyClick(driver.box("stepBox"), Qt::Key_Return);
        EXPECT_EQ(driver.messages, QStringList(3, "Datos No Aceptados")) << delta;
        EXPECT_EQ(driver.countPixels(kBlue), 0) << delta;
    }
    driver.messages.clear();
    driver.type("stepBox", "0,6");  // rounds to 1 V
    driver.choose("acceptLinesButton");
    EXPECT_TRUE(driver.messages.isEmpty());
    EXPECT_EQ(driver.settings().potentialStep(), 1);
    EXPECT_GE(crossings(), 60);  // neighbouring lines merge on screen
    driver.choose("clearButton");
    driver.choose("cancelLinesButton");
    driver.choose("viewOptions_1");
    driver.setDensity("-1");  // levels go by magnitude: the same rings
    openSetPanel("10000");
    driver.choose("acceptLinesButton");
    const SharedState& s = driver.state();
    for (double r : {0.05, 0.09, 0.16, 0.3, 0.63}) EXPECT_TRUE(driver.colourNear(r, 0, kBlue));
    EXPECT_NEAR(s.ProfileRadius, 0.63, 1e-9);
    EXPECT_EQ(driver.text("potentialBox"),
              Shown(*Currency::fromDouble(*PotentialAt(0.5, s.ProfileRadius, -1e-6))));
}

// What the user does while a set is drawn: each action runs at the set's
// fifth yield to the event loop.
class DuringASet : public Family {
protected:
    void startSetAnd(const std::function<void()>& action, const char* delta = "1") {
        openSetPanel(delta);
        int yields = 0;
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++yields == 5) action();
        });
        timer.start();
        driver.choose("acceptLinesButton");
    }
};

TEST_F(DuringASet, ClearZoomAndASecondSetLetItGoDensityViewAndExitEndIt) {
    startSetAnd([this] { driver.choose("clearButton"); });
    EXPECT_TRUE(driver.colourNear(0.5, 1.0, kBlue));    // lines after the clear
    EXPECT_FALSE(driver.colourNear(0.5, 0.05, kBlue));  // but not those before it
    EXPECT_FALSE(driver.text("potentialBox").isEmpty());
    driver.choose("clearButton");
    startSetAnd([this] { driver.choose("zoomOptions_50"); }, "10000");
    // The scan keeps its heights; its levels now step by 5000 V.
    EXPECT_EQ(driver.text("stepBox"), "5000");
    for (double s : {0.16, 0.22, 0.31, 0.44, 0.67}) EXPECT_TRUE(driver.colourNear(0.5, s, kBlue));
    EXPECT_FALSE(driver.colourNear(0.5, 0.63, kBlue));  // where a step of 10000 V would be
    driver.choose("zoomOptions_100");
    startSetAnd([this] { driver.choose("acceptLinesButton"); });  // a second set inside the first
    EXPECT_TRUE(driver.colourNear(0.5, 1.0, kBlue));
    startSetAnd([this] {  // a new density ends it
        driver.choose("cancelLinesButton");
        driver.setDensity("5");
    });
    EXPECT_EQ(driver.countPixels(kBlue), 0);
    startSetAnd([this] { driver.choose("viewOptions_1"); });  // and so does a view switch
    EXPECT_EQ(driver.countPixels(kBlue), 0);
    driver.choose("viewOptions_0");
    startSetAnd([this] { driver.choose("exitButton"); });  // and so does "Salir"
    EXPECT_FALSE(driver.window().isVisible());
    EXPECT_FALSE(driver.colourNear(0.5, 0.5, kBlue));  // lines further out never came
}

// The read-outs belong to one point: the set stops writing them once the
// user has evaluated a point, or started a manual sum, meanwhile.
TEST_F(DuringASet, ReadoutsStayThoseOfAPointEvaluatedMeanwhile) {
    startSetAnd([this] {
        driver.choose("cancelLinesButton");
        driver.calculateAt("0.6", "0.4");
    });
    EXPECT_EQ(driver.text("exBox"), Shown("3429.1482"));
    EXPECT_EQ(driver.text("potentialBox"), Shown("18685.2312"));
    EXPECT_TRUE(driver.colourNear(0.5, 1.0, kBlue));  // the set went on drawing
    startSetAnd([this] {
        driver.choose("cancelLinesButton");
        driver.choose("operationOptions_1");
        driver.clickAt(0.25, 0.001);
    });
    EXPECT_EQ(driver.text("potentialBox"), "3600");
}

}  // namespace
