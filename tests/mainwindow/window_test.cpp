#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <vector>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "tests/support/window_driver.h"

namespace {

// The wheel passing over the density changes nothing; once chosen, it turns the list.
TEST(Density, WheelOnlyWithTheFocusAndTypingIgnored) {
    WindowDriver driver;
    driver.calculate();
    QComboBox* combo = driver.densityList();
    const auto wheel = [&] {
        QWheelEvent event(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &event);
    };
    wheel();
    EXPECT_EQ(combo->currentText(), "1");
    EXPECT_FALSE(driver.readout(V).isEmpty());
    combo->setFocus();
    for (const char* keys : {"5", "a", "-"})
        QTest::keyClicks(combo, keys);  // "5" alone would pick 5
    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(combo->currentText(), "1");
    wheel();
    EXPECT_EQ(combo->currentText(), "5");
    EXPECT_EQ(driver.settings().lambda(), 5 * 1e-6);
    EXPECT_TRUE(driver.readout(V).isEmpty());
    EXPECT_EQ(WindowDriver::focused(), "Calcular");
}

// Alt+L is "Limpiar": the drawing and the read-outs go; Alt+S is "Salir".
TEST(Keyboard, AltLClearsAltSQuits) {
    WindowDriver driver;
    const QImage frame = driver.image().copy();
    driver.calculate();
    driver.press(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(driver.image(), frame);
    EXPECT_TRUE(driver.readout(V).isEmpty());
    driver.press(Qt::Key_S, Qt::AltModifier);
    EXPECT_FALSE(driver.window().isVisible());
}

// The line panel takes the focus at its first option; Enter in the step
// draws the set, Escape closes the panel and goes back to the field.
TEST(Keyboard, LinePanelEnterDrawsEscapeCloses) {
    WindowDriver driver;
    driver.chooseAction(Action::Equipotential);
    EXPECT_EQ(WindowDriver::focused(), "Líneas Individuales");
    driver.chooseSetOfLines();
    driver.enterIn(Step);
    EXPECT_EQ(driver.pixelAt(0.5, 0.05), kBlue);
    driver.press(Qt::Key_Escape);
    EXPECT_FALSE(driver.linePanelShown());
    EXPECT_TRUE(driver.isChosen(Action::FieldAndPotential));
}

TEST(Keyboard, ReadoutsTakeNoTyping) {
    WindowDriver driver;
    for (Box readout : {Ex, Ey, V, PointerX, PointerY}) {
        driver.type(readout, "7");
        EXPECT_NE(driver.readout(readout), "7") << readout;
    }
}

// Both operation modes work on point charges: "Manual" with the integral
// goes back to 5 of them, and N is kept through a change of mode.
TEST(Operation, ManualTakesPointChargesAndNStays) {
    WindowDriver driver;
    driver.chooseIntegral();
    driver.chooseManual();
    EXPECT_EQ(driver.modelChosen(), 5);
    driver.chooseModel(20);
    driver.chooseAutomatic();
    EXPECT_EQ(driver.settings().elementCount(), 20);
}

// The about box: its nine lines, then the constant and the models, N as chosen.
TEST(About, GivesTheConstantAndTheModelsWithNAsChosen) {
    WindowDriver driver;
    driver.chooseModel(20);
    driver.openAbout();
    const QStringList about = driver.messages.value(0).split("\r\n");
    EXPECT_EQ(about.mid(8),
              QStringList({"nuevas versiones y otros programas", "",
                           "Constante de Coulomb: k = 9·10⁹ N·m²/C²", "Carga: Segmento · Q = λ·1 m",
                           "«Infinito (Integral)»: integral exacta sobre el segmento "
                           "de 1 m",
                           "«Discretización» (N = 20): 20 cargas puntuales Q/20 en "
                           "los centros de 20 elementos iguales"}));
}

// Tab enters each option group at its selected option, so that Space there
// changes nothing: the drawing and its read-outs stay. The integral and the
// line modes select "Automático" themselves, after "Manual" was chosen.
TEST(Keyboard, TabEntersAGroupAtItsSelectedOption) {
    const QString arrows = "Ver Elementos de campo (discretización)";
    struct Case {
        const char* name;
        std::function<void(WindowDriver&)> choose;
        std::vector<QString> stops;
    };
    const Case cases[] = {
        {"50 %, 20 charges",
         [](WindowDriver& d) { d.chooseZoom(50), d.chooseModel(20); },
         {"50 %", "Automático", arrows, "20", "Limpiar"}},
        {"manual, the integral",
         [](WindowDriver& d) { d.chooseManual(), d.chooseIntegral(); },
         {"100 %", "Automático", arrows, "Infinito (Integral)", "Limpiar"}},
        {"manual, a field line",
         [](WindowDriver& d) { d.chooseManual(), d.chooseAction(Action::FieldLine); },
         {"100 %", "Automático", arrows, "Infinito (Integral)", "Limpiar"}},
    };
    for (const Case& c : cases) {
        WindowDriver driver;
        c.choose(driver);
        driver.calculate();
        const QString potential = driver.readout(V);
        const QImage drawing = driver.image().copy();
        driver.clickInto(V);
        for (const QString& next : c.stops) {
            driver.press(Qt::Key_Tab);
            EXPECT_EQ(WindowDriver::focused(), next) << c.name;
            if (next != arrows && next != "Limpiar") driver.press(Qt::Key_Space);
        }
        EXPECT_EQ(driver.readout(V), potential) << c.name;
        EXPECT_EQ(driver.image(), drawing) << c.name;
    }
}

// A new zoom redraws the frame and keeps the point; its read-outs go, and
// the step of a set follows the zoom.
TEST(Zoom, KeepsThePointAndTheStepFollows) {
    WindowDriver driver;
    driver.chooseAction(Action::Equipotential);
    driver.chooseSetOfLines();
    driver.type(Step, "123");
    driver.cancelLines();
    driver.calculate();
    for (auto [zoom, step] : {std::pair{50, "5000"}, {25, "2500"}, {10, "1000"}, {100, "10000"}}) {
        driver.chooseZoom(zoom);
        EXPECT_EQ(driver.readout(Step), step);
        EXPECT_EQ(driver.readout(X), Shown("0.6"));
        EXPECT_TRUE(driver.readout(Ex).isEmpty());
        EXPECT_EQ(driver.surface().markerPixel(), driver.pixelOf(0.6, 0.4)) << zoom;
    }
}

// The profile view names its axis Z, takes the integral alone and empties
// the front view's read-outs, which would read as its own; the front view
// again empties them and draws the integral's red bar.
TEST(Views, ProfileAndBackToTheFront) {
    WindowDriver driver;
    driver.chooseModel(10);
    driver.calculate();
    driver.chooseView(View::Profile);
    EXPECT_FALSE(driver.canChoose(Operation::Manual) || driver.canShowElementArrows());
    EXPECT_EQ(driver.caption(Ex), "Ez");
    EXPECT_EQ(driver.caption(PointerX), "Z");
    EXPECT_EQ(driver.caption(X), "Z(m)");
    EXPECT_TRUE(driver.readout(Ex).isEmpty());
    EXPECT_EQ(driver.pixelAt(0.01, 0), kChargeRed);
    driver.chooseView(View::Front);
    EXPECT_EQ(driver.caption(Ex), "Ex");
    EXPECT_EQ(driver.caption(X), "X(m)");
    EXPECT_TRUE(driver.readout(Ex).isEmpty());
    EXPECT_EQ(driver.pixelAt(0.5, 0.003), kChargeRed);  // the integral's red bar
    EXPECT_EQ(driver.settings().elementCount(), 10);
}

// Each charge is drawn as itself in both views, the segment's bar only for
// the segments: the ring's wire across the axis at x = 0.5 m (grey for its
// point charges) and round the centre in profile (red), the disk's cut and
// its whole round face.
TEST(Views, EachChargeAsItIs) {
    const QRgb none = qRgb(200, 200, 200);  // the background
    struct Case {
        const ChargeDistribution* shape;
        QRgb onTheBar, acrossAt035, profileAt02, profileOnTheCircle;
    } cases[] = {{&UniformSegment(), kBarGrey, none, none, none},
                 {&GrowingSegment(), kBarGrey, none, none, none},
                 {&Ring(), none, kBarGrey, none, kChargeRed},
                 {&Disk(), none, kBarGrey, kChargeRed, kChargeRed}};
    for (const Case& c : cases) {
        const std::string name = c.shape->words().name;
        WindowDriver driver;
        driver.chooseShape(*c.shape);
        EXPECT_EQ(driver.pixelAt(0.25, 0.003), c.onTheBar) << name;
        EXPECT_EQ(driver.pixelAt(0.5, 0.35), c.acrossAt035) << name;
        driver.chooseView(View::Profile);
        EXPECT_EQ(driver.pixelAt(0.2, 0.2), c.profileAt02) << name;
        EXPECT_EQ(driver.pixelAt(0.3, 0.4), c.profileOnTheCircle) << name;
    }
}

}  // namespace
