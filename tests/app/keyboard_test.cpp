#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include "tests/support/window_driver.h"
#include "view/drawing_surface.h"

namespace {

class Keyboard : public ::testing::Test {
protected:
    Keyboard() {
        driver.window().activateWindow();
        QApplication::setActiveWindow(&driver.window());
    }
    void focus(const QString& name) { driver.window().findChild<QWidget*>(name)->setFocus(); }
    QString focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }
    WindowDriver driver;
};

// Type a point, press Enter, read the results, draw a family and quit, all
// without the mouse.
TEST_F(Keyboard, WholeTaskWithoutTheMouse) {
    focus("CajaX");
    driver.type("CajaX", "0.3");
    driver.press(Qt::Key_Tab);
    EXPECT_EQ(focused(), "CajaY");
    driver.type("CajaY", "0.5");
    driver.press(Qt::Key_Return);
    EXPECT_EQ(driver.text("CajaV").toStdString(), PointChargeSum(5, 0.3, 0.5, 1e-6)->V.text('.'));
    EXPECT_FALSE(driver.text("CajaEx").isEmpty());

    for (int i = 0; i < 10 && !focused().startsWith("Obtener"); ++i)
        driver.press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(focused().startsWith("Obtener")) << focused().toStdString();
    // Arrows move within the options; Space chooses.
    for (int i = 0; i < 3 && focused() != "Obtener_3"; ++i) driver.press(Qt::Key_Down);
    driver.press(Qt::Key_Space);
    EXPECT_TRUE(driver.selected("Obtener_3"));
    EXPECT_FALSE(driver.window().findChild<QGroupBox*>("CuadroLV")->isHidden());
    EXPECT_EQ(focused(), "OptionV_0");
    driver.press(Qt::Key_Down);
    driver.press(Qt::Key_Space);
    EXPECT_TRUE(driver.selected("OptionV_1"));
    for (int i = 0; i < 5 && focused() != "Delta"; ++i) driver.press(Qt::Key_Tab);
    ASSERT_EQ(focused(), "Delta");
    driver.press(Qt::Key_Return);
    EXPECT_EQ(driver.pixelAt(0.5, 0.05), qRgb(50, 50, 250));

    driver.press(Qt::Key_S, Qt::AltModifier);
    EXPECT_FALSE(driver.window().isVisible());
}

TEST_F(Keyboard, TabFollowsTheColumns) {
    focus("Ver_0");
    QStringList visited;
    for (int i = 0; i < 60 && !visited.contains(focused()); ++i) {
        visited << focused();
        driver.press(Qt::Key_Tab);
    }
    // An option group is one stop, at whichever of its options Qt picks.
    const auto at = [&](const QString& prefix) {
        for (qsizetype i = 0; i < visited.size(); ++i)
            if (visited[i].startsWith(prefix)) return i;
        return qsizetype(-1);
    };
    const QStringList columns = {"Ver_",     "MoveX",    "MoveY",  "Obtener_",    "Combo1",
                                 "CajaX",    "CajaY",    "CajaEx", "CajaEy",      "CajaV",
                                 "Amplia_",  "Manual_",  "Ver1",   "Discretiza_", "Limpiar",
                                 "Calcular", "Command2", "Copiar"};
    for (qsizetype i = 0; i + 1 < columns.size(); ++i)
        EXPECT_TRUE(at(columns[i]) >= 0 && at(columns[i]) < at(columns[i + 1]))
            << columns[i].toStdString();
}

TEST_F(Keyboard, AccessKeysLeaveTheCaptionsAlone) {
    driver.clickAt(0.6, 0.4);
    driver.press(Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(driver.text("CajaEx").isEmpty());
    driver.press(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(driver.text("CajaV"), "18742.4103");
    for (const char* name : {"Limpiar", "Calcular", "Command2", "Copiar"})
        EXPECT_FALSE(driver.button(name)->text().contains('&')) << name;
}

TEST_F(Keyboard, EscapeDismissesTheMessageAndCancelsThePanel) {
    driver.answerWithEscape();
    driver.calculateAt("0.5", "0.001");
    EXPECT_EQ(driver.messages, QStringList{"Datos No Aceptados"});
    driver.choose("Obtener_3");
    focus("Delta");
    driver.press(Qt::Key_Escape);
    EXPECT_TRUE(driver.window().findChild<QGroupBox*>("CuadroLV")->isHidden());
    EXPECT_TRUE(driver.selected("Obtener_1"));
}

// Run with QT_SCALE_FACTOR=2 by its own test entry: the image has the device
// pixels, while world coordinates and the marker keep their logical size.
TEST(HighDpi, ImageHasTheDevicePixels) {
    WindowDriver driver;
    const qreal ratio = driver.surface().devicePixelRatioF();
    EXPECT_EQ(driver.image().width(), qRound(driver.surface().width() * ratio));
    EXPECT_EQ(driver.surface().marker()->size(), QSize(5, 5));
    if (ratio == 1) GTEST_SKIP() << "not a high-DPI screen";
    driver.choose("Discretiza_0");
    driver.clickAt(0.6, 0.4);
    EXPECT_EQ(driver.text("CajaEx"), "3429.1482");
    EXPECT_EQ(driver.pixelAt(0.1, 0.003), qRgb(200, 50, 50));
}

}  // namespace
