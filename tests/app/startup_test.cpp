#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>

#include "tests/support/window_driver.h"
#include "view/drawing_surface.h"

namespace {

struct ControlCase {
    const char* name;
    const char* accessibleName;
    bool checked;
};

class StartUpControl : public ::testing::TestWithParam<ControlCase> {};

TEST_P(StartUpControl, FoundByNameWithItsCaptionAndInitialState) {
    WindowDriver driver;
    const ControlCase& c = GetParam();
    auto* widget = driver.window().findChild<QWidget*>(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(c.accessibleName)) << c.name;
    if (auto* option = qobject_cast<QAbstractButton*>(widget); option && option->isCheckable()) {
        EXPECT_EQ(option->isChecked(), c.checked) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, StartUpControl,
    ::testing::Values(
        ControlCase{"CajaDib", "Superficie de dibujo", false},
        ControlCase{"Ver_0", "Ver Frente", true}, ControlCase{"Ver_1", "Ver Perfil (X=0.5)", false},
        ControlCase{"Obtener_1", "Campo y Potencial", true},
        ControlCase{"Obtener_2", "Líneas de Campo", false},
        ControlCase{"Obtener_3", "Líneas Equipotenciales", false},
        ControlCase{"CajaX", "X (m)", false}, ControlCase{"CajaY", "Y (m)", false},
        ControlCase{"CajaEx", "Ex", false}, ControlCase{"CajaEy", "Ey", false},
        ControlCase{"CajaV", "V", false}, ControlCase{"MoveX", "X", false},
        ControlCase{"MoveY", "Y", false},
        ControlCase{"Delta", "Diferencia de Potencial entre Líneas", false},
        ControlCase{"OptionV_0", "Líneas Individuales", true},
        ControlCase{"OptionV_1", "Conjunto de Líneas", false},
        ControlCase{"AceptaV", "Aceptar", false}, ControlCase{"CancelaV", "Cancelar", false},
        ControlCase{"Amplia_100", "100 %", true}, ControlCase{"Amplia_50", "50 %", false},
        ControlCase{"Amplia_25", "25 %", false}, ControlCase{"Amplia_10", "10 %", false},
        ControlCase{"Manual_0", "Automático", true}, ControlCase{"Manual_1", "Manual", false},
        ControlCase{"Ver1", "Ver Elementos de campo (discretización)", false},
        ControlCase{"Discretiza_0", "Infinito (Integral)", false},
        ControlCase{"Discretiza_50", "50", false}, ControlCase{"Discretiza_20", "20", false},
        ControlCase{"Discretiza_10", "10", false}, ControlCase{"Discretiza_5", "5", true},
        ControlCase{"Limpiar", "Limpiar", false}, ControlCase{"Calcular", "Calcular", false},
        ControlCase{"Command2", "Salir", false},
        ControlCase{"Copiar", "Copiar al Portapapeles", false},
        ControlCase{"Frame1", "Obtener", false}, ControlCase{"Frame2", "Discretización", false},
        ControlCase{"Frame3", "Ampliación", false}, ControlCase{"Frame4", "Operación", false},
        ControlCase{"CuadroLV", "Líneas Equipotenciales", false}));

TEST(StartUp, CaptionsTextsAndSharedState) {
    WindowDriver driver;
    MainWindow& w = driver.window();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Tervik Versión 1.0  // Marnel"));
    EXPECT_EQ(w.objectName(), "Tervik");
    EXPECT_EQ(w.findChild<QLabel*>("xxx")->text(), "X (m)");
    EXPECT_EQ(w.findChild<QLabel*>("Label8")->text(), QString::fromUtf8("λ"));
    EXPECT_EQ(w.findChild<QLabel*>("Label9")->text(), ".10^ (-6) C/m");
    EXPECT_EQ(driver.button("Discretiza_5")->text(), " 5");
    EXPECT_EQ(driver.button("Ver1")->text(),
              QString::fromUtf8("Ver Elementos de campo             (discretización)"));
    EXPECT_EQ(w.findChild<QComboBox*>("Combo1")->currentText(), "1");
    EXPECT_EQ(w.findChild<QComboBox*>("Combo1")->count(), 6);
    EXPECT_TRUE(w.findChild<QGroupBox*>("CuadroLV")->isHidden());
    EXPECT_EQ(w.findChild<QAction*>("menu_salir")->text(), "Salir");
    EXPECT_EQ(w.findChild<QAction*>("menu_acerca")->text(), "Acerca de ...");
    EXPECT_EQ(driver.text("CajaX"), "0.6");
    EXPECT_EQ(driver.text("CajaY"), "0.4");
    EXPECT_EQ(driver.text("Delta"), "10000");
    for (const char* empty : {"CajaEx", "CajaEy", "CajaV", "MoveX", "MoveY"})
        EXPECT_TRUE(driver.text(empty).isEmpty()) << empty;

    const SharedState& s = driver.state();
    EXPECT_TRUE(s.FrontView);
    EXPECT_EQ(s.ZoomFactor, 1);
    EXPECT_EQ(s.ElementCount, 5);
    EXPECT_EQ(s.Lambda, 1e-6);
    EXPECT_EQ(s.PointX, 0.6);
    EXPECT_EQ(s.PointY, 0.4);
    EXPECT_FALSE(s.UseTypedPoint);
    EXPECT_EQ(driver.pixelAt(0.5, 0.5), qRgb(200, 200, 200));
    EXPECT_EQ(driver.pixelAt(0.1, 0.003), qRgb(180, 180, 180));
}

TEST(StartUp, CommaLocaleShowsAndReadsBackTheStartPoint) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    {
        WindowDriver driver;
        EXPECT_EQ(driver.text("CajaX"), "0,6");
        EXPECT_EQ(driver.text("CajaY"), "0,4");
        EXPECT_EQ(driver.state().PointX, 0.6);
        driver.choose("Discretiza_0");
        driver.choose("Calcular");
        EXPECT_EQ(driver.text("CajaEx"), "3429,1482");
    }
    QLocale::setDefault(QLocale::c());
}

TEST(StartUp, MarkerCentredOnTheStartPoint) {
    WindowDriver driver;
    const QWidget* marker = driver.surface().marker();
    const WorldWindow& world = driver.surface().world();
    EXPECT_TRUE(marker->isVisible());
    EXPECT_NEAR(marker->geometry().center().x(), world.toPixelX(0.6), 1);
    EXPECT_NEAR(marker->geometry().center().y(), world.toPixelY(0.4), 1);
}

}  // namespace
