#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWheelEvent>
#include <vector>

#include "field/model_in_use.h"
#include "tests/support/window_driver.h"

namespace {

QString Caption(WindowDriver& driver, const char* label) {
    return driver.window().findChild<QLabel*>(label)->text();
}

// The wheel passing over the density changes nothing; once chosen, it turns the list.
TEST(Density, WheelOnlyWithTheFocusAndTypingIgnored) {
    WindowDriver driver;
    driver.choose("calculateButton");
    auto* combo = driver.window().findChild<QComboBox*>("densityBox");
    const auto wheel = [&] {
        QWheelEvent event(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &event);
    };
    wheel();
    EXPECT_EQ(combo->currentText(), "1");
    EXPECT_FALSE(driver.text("potentialBox").isEmpty());
    combo->setFocus();
    for (const char* keys : {"5", "a", "-"})
        QTest::keyClicks(combo, keys);  // "5" alone would pick 5
    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(combo->currentText(), "1");
    wheel();
    EXPECT_EQ(combo->currentText(), "5");
    EXPECT_EQ(driver.settings().lambda(), 5 * 1e-6);
    EXPECT_TRUE(driver.text("potentialBox").isEmpty());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "calculateButton");
}

// A whole task without the mouse: type a point, Enter, copy, clear, a
// family, Escape; then the operation modes, the about box, and quit.
TEST(Commands, WholeTaskWithoutTheMouse) {
    WindowDriver driver;
    const QImage frame = driver.image().copy();
    driver.type("xBox", "0,3");
    driver.press(Qt::Key_Tab);
    driver.type("yBox", "0.5");
    driver.press(Qt::Key_Return);
    EXPECT_EQ(driver.text("potentialBox"), Shown(FieldModel{1e-6, 5}.shownAt({0.3, 0.5})->V));
    driver.choose("copyButton");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              driver.image());
    driver.press(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(driver.image(), frame);
    EXPECT_TRUE(driver.text("potentialBox").isEmpty());
    driver.choose("actionOptions_3");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "lineOptions_0");  // the panel's first
    driver.choose("lineOptions_1");
    driver.box("stepBox")->setFocus();
    driver.press(Qt::Key_Return);
    EXPECT_EQ(driver.pixelAt(0.5, 0.05), kBlue);
    driver.press(Qt::Key_Escape);
    EXPECT_TRUE(driver.window().findChild<QGroupBox*>("linePanel")->isHidden());
    EXPECT_TRUE(driver.selected("actionOptions_1"));
    for (const char* readout : {"exBox", "eyBox", "potentialBox", "pointerXBox", "pointerYBox"}) {
        driver.type(readout, "7");
        EXPECT_NE(driver.text(readout), "7") << readout;
    }
    driver.choose("modelOptions_0");
    driver.choose("operationOptions_1");  // both operation modes work on point charges
    EXPECT_TRUE(driver.selected("modelOptions_5"));
    driver.choose("modelOptions_20");
    driver.choose("operationOptions_0");
    EXPECT_EQ(driver.settings().elementCount(), 20);
    QMenuBar* bar = driver.window().menuBar();
    QAction* help = bar->actions().last();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help).center());
    QTest::mouseClick(help->menu(), Qt::LeftButton, {},
                      help->menu()->actionGeometry(help->menu()->actions()[0]).center());
    // The about box: its nine lines, then the constant and the models, N as chosen.
    const QStringList about = driver.messages.value(0).split("\r\n");
    EXPECT_EQ(about.mid(8), QStringList({"nuevas versiones y otros programas", "",
                                         "Constante de Coulomb: k = 9·10⁹ N·m²/C²",
                                         "Carga del segmento: Q = λ·1 m",
                                         "«Infinito (Integral)»: integral exacta sobre el segmento "
                                         "de 1 m",
                                         "«Discretización» (N = 20): 20 cargas puntuales Q/20 en "
                                         "los centros de 20 elementos iguales"}));
    QApplication::setActiveWindow(&driver.window());
    driver.press(Qt::Key_S, Qt::AltModifier);
    EXPECT_FALSE(driver.window().isVisible());
}

// Tab enters each option group at its selected option, so that Space there
// changes nothing: the drawing and its read-outs stay. The integral and the
// line modes select "Automático" themselves, after "Manual" was chosen.
TEST(Keyboard, TabEntersAGroupAtItsSelectedOption) {
    struct Case {
        std::vector<const char*> chosen, stops;
    };
    const Case cases[] = {
        {{"zoomOptions_50", "modelOptions_20", "calculateButton"},
         {"zoomOptions_50", "operationOptions_0", "elementArrowsBox", "modelOptions_20",
          "clearButton"}},
        {{"operationOptions_1", "modelOptions_0", "calculateButton"},
         {"zoomOptions_100", "operationOptions_0", "elementArrowsBox", "modelOptions_0",
          "clearButton"}},
        {{"operationOptions_1", "actionOptions_2", "calculateButton"},
         {"zoomOptions_100", "operationOptions_0", "elementArrowsBox", "modelOptions_0",
          "clearButton"}},
    };
    for (const auto& [chosen, stops] : cases) {
        WindowDriver driver;
        for (const char* option : chosen) driver.choose(option);
        const QString potential = driver.text("potentialBox");
        const QImage drawing = driver.image().copy();
        driver.box("potentialBox")->setFocus();
        for (const char* next : stops) {
            driver.press(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), next) << chosen[0];
            if (QString(next) != "elementArrowsBox" && QString(next) != "clearButton")
                driver.press(Qt::Key_Space);
        }
        EXPECT_EQ(driver.text("potentialBox"), potential) << chosen[0];
        EXPECT_EQ(driver.image(), drawing) << chosen[0];
    }
}

// Zoom: the frame is redrawn, the point kept, the step follows the zoom.
TEST(Views, ZoomAndViewSwitch) {
    WindowDriver driver;
    driver.choose("modelOptions_10");
    driver.choose("calculateButton");
    driver.type("stepBox", "123");
    const char* const zooms[][2] = {{"zoomOptions_50", "5000"},
                                    {"zoomOptions_25", "2500"},
                                    {"zoomOptions_10", "1000"},
                                    {"zoomOptions_100", "10000"}};
    for (auto [option, delta] : zooms) {
        driver.choose(option);
        EXPECT_EQ(driver.text("stepBox"), delta);
        EXPECT_EQ(driver.text("xBox"), Shown("0.6"));
        EXPECT_TRUE(driver.text("exBox").isEmpty());
        EXPECT_EQ(driver.surface().markerPixel(), driver.pixelOf(0.6, 0.4)) << option;
    }
    driver.choose("calculateButton");
    driver.choose("viewOptions_1");
    EXPECT_FALSE(driver.button("operationOptions_1")->isEnabled() ||
                 driver.button("elementArrowsBox")->isEnabled());
    EXPECT_EQ(Caption(driver, "exLabel"), "Ez");
    EXPECT_EQ(Caption(driver, "pointerXLabel"), "Z");
    EXPECT_EQ(Caption(driver, "xLabel"), "Z(m)");
    EXPECT_FALSE(driver.text("exBox").isEmpty());  // the profile frame resets nothing
    EXPECT_EQ(driver.pixelAt(0.01, 0), kChargeRed);
    driver.choose("viewOptions_0");
    EXPECT_EQ(Caption(driver, "exLabel"), "Ex");
    EXPECT_EQ(Caption(driver, "xLabel"), "X(m)");
    EXPECT_TRUE(driver.text("exBox").isEmpty());
    EXPECT_EQ(driver.pixelAt(0.5, 0.003), kChargeRed);  // the integral's red bar
    EXPECT_EQ(driver.settings().elementCount(), 10);
}

}  // namespace
