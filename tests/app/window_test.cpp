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
    driver.choose("Calcular");
    auto* combo = driver.window().findChild<QComboBox*>("Combo1");
    const auto wheel = [&] {
        QWheelEvent event(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &event);
    };
    wheel();
    EXPECT_EQ(combo->currentText(), "1");
    EXPECT_FALSE(driver.text("CajaV").isEmpty());
    combo->setFocus();
    for (const char* keys : {"5", "a", "-"})
        QTest::keyClicks(combo, keys);  // "5" alone would pick 5
    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(combo->currentText(), "1");
    wheel();
    EXPECT_EQ(combo->currentText(), "5");
    EXPECT_EQ(driver.settings().lambda(), 5 * 1e-6);
    EXPECT_TRUE(driver.text("CajaV").isEmpty());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Calcular");
}

// A whole task without the mouse: type a point, Enter, copy, clear, a
// family, Escape; then the operation modes, the about box, and quit.
TEST(Commands, WholeTaskWithoutTheMouse) {
    WindowDriver driver;
    const QImage frame = driver.image().copy();
    driver.type("CajaX", "0,3");
    driver.press(Qt::Key_Tab);
    driver.type("CajaY", "0.5");
    driver.press(Qt::Key_Return);
    EXPECT_EQ(driver.text("CajaV"), Shown(FieldModel{1e-6, 5}.shownAt({0.3, 0.5})->V));
    driver.choose("Copiar");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              driver.image());
    driver.press(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(driver.image(), frame);
    EXPECT_TRUE(driver.text("CajaV").isEmpty());
    driver.choose("Obtener_3");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "OptionV_0");  // the panel's first
    driver.choose("OptionV_1");
    driver.box("Delta")->setFocus();
    driver.press(Qt::Key_Return);
    EXPECT_EQ(driver.pixelAt(0.5, 0.05), kBlue);
    driver.press(Qt::Key_Escape);
    EXPECT_TRUE(driver.window().findChild<QGroupBox*>("CuadroLV")->isHidden());
    EXPECT_TRUE(driver.selected("Obtener_1"));
    for (const char* readout : {"CajaEx", "CajaEy", "CajaV", "MoveX", "MoveY"}) {
        driver.type(readout, "7");
        EXPECT_NE(driver.text(readout), "7") << readout;
    }
    driver.choose("Discretiza_0");
    driver.choose("Manual_1");  // both operation modes work on point charges
    EXPECT_TRUE(driver.selected("Discretiza_5"));
    driver.choose("Discretiza_20");
    driver.choose("Manual_0");
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
        {{"Amplia_50", "Discretiza_20", "Calcular"},
         {"Amplia_50", "Manual_0", "Ver1", "Discretiza_20", "Limpiar"}},
        {{"Manual_1", "Discretiza_0", "Calcular"},
         {"Amplia_100", "Manual_0", "Ver1", "Discretiza_0", "Limpiar"}},
        {{"Manual_1", "Obtener_2", "Calcular"},
         {"Amplia_100", "Manual_0", "Ver1", "Discretiza_0", "Limpiar"}},
    };
    for (const auto& [chosen, stops] : cases) {
        WindowDriver driver;
        for (const char* option : chosen) driver.choose(option);
        const QString potential = driver.text("CajaV");
        const QImage drawing = driver.image().copy();
        driver.box("CajaV")->setFocus();
        for (const char* next : stops) {
            driver.press(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), next) << chosen[0];
            if (QString(next) != "Ver1" && QString(next) != "Limpiar") driver.press(Qt::Key_Space);
        }
        EXPECT_EQ(driver.text("CajaV"), potential) << chosen[0];
        EXPECT_EQ(driver.image(), drawing) << chosen[0];
    }
}

// Zoom: the frame is redrawn, the point kept, the step follows the zoom.
TEST(Views, ZoomAndViewSwitch) {
    WindowDriver driver;
    driver.choose("Discretiza_10");
    driver.choose("Calcular");
    driver.type("Delta", "123");
    const char* const zooms[][2] = {{"Amplia_50", "5000"},
                                    {"Amplia_25", "2500"},
                                    {"Amplia_10", "1000"},
                                    {"Amplia_100", "10000"}};
    for (auto [option, delta] : zooms) {
        driver.choose(option);
        EXPECT_EQ(driver.text("Delta"), delta);
        EXPECT_EQ(driver.text("CajaX"), Shown("0.6"));
        EXPECT_TRUE(driver.text("CajaEx").isEmpty());
        EXPECT_EQ(driver.surface().markerPixel(), driver.pixelOf(0.6, 0.4)) << option;
    }
    driver.choose("Calcular");
    driver.choose("Ver_1");
    EXPECT_FALSE(driver.button("Manual_1")->isEnabled() || driver.button("Ver1")->isEnabled());
    EXPECT_EQ(Caption(driver, "Label2"), "Ez");
    EXPECT_EQ(Caption(driver, "Label6"), "Z");
    EXPECT_EQ(Caption(driver, "xxx"), "Z(m)");
    EXPECT_FALSE(driver.text("CajaEx").isEmpty());  // the profile frame resets nothing
    EXPECT_EQ(driver.pixelAt(0.01, 0), kChargeRed);
    driver.choose("Ver_0");
    EXPECT_EQ(Caption(driver, "Label2"), "Ex");
    EXPECT_EQ(Caption(driver, "xxx"), "X(m)");
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    EXPECT_EQ(driver.pixelAt(0.5, 0.003), kChargeRed);  // the integral's red bar
    EXPECT_EQ(driver.settings().elementCount(), 10);
}

}  // namespace
