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

// Every control by its name, with its accessible name and, for options and
// check boxes, whether it is selected when the window opens.
TEST(StartUp, EveryControlByNameAndAccessibleName) {
    const QStringList controls = {"CajaDib|Superficie de dibujo",
                                  "Ver_0|Ver Frente|1",
                                  "Ver_1|Ver Perfil (X=0.5)|0",
                                  "Obtener_1|Campo y Potencial|1",
                                  "Obtener_2|Líneas de Campo|0",
                                  "Obtener_3|Líneas Equipotenciales|0",
                                  "CajaX|X (m)",
                                  "CajaY|Y (m)",
                                  "CajaEx|Ex",
                                  "CajaEy|Ey",
                                  "CajaV|V",
                                  "MoveX|X",
                                  "MoveY|Y",
                                  "Delta|Diferencia de Potencial entre Líneas",
                                  "OptionV_0|Líneas Individuales|1",
                                  "OptionV_1|Conjunto de Líneas|0",
                                  "AceptaV|Aceptar",
                                  "CancelaV|Cancelar",
                                  "Amplia_100|100 %|1",
                                  "Amplia_50|50 %|0",
                                  "Amplia_25|25 %|0",
                                  "Amplia_10|10 %|0",
                                  "Manual_0|Automático|1",
                                  "Manual_1|Manual|0",
                                  "Ver1|Ver Elementos de campo (discretización)|0",
                                  "Discretiza_0|Infinito (Integral)|0",
                                  "Discretiza_50|50|0",
                                  "Discretiza_20|20|0",
                                  "Discretiza_10|10|0",
                                  "Discretiza_5|5|1",
                                  "Limpiar|Limpiar",
                                  "Calcular|Calcular",
                                  "Command2|Salir",
                                  "Copiar|Copiar al Portapapeles",
                                  "Frame1|Obtener",
                                  "Frame2|Discretización",
                                  "Frame3|Ampliación",
                                  "Frame4|Operación",
                                  "CuadroLV|Líneas Equipotenciales",
                                  "punto|Punto actual"};
    WindowDriver driver;
    for (const QString& entry : controls) {
        const QStringList part = entry.split('|');
        const auto* widget = driver.window().findChild<QWidget*>(part[0]);
        ASSERT_NE(widget, nullptr) << part[0].toStdString();
        EXPECT_EQ(widget->accessibleName(), part[1]) << part[0].toStdString();
        if (part.size() > 2) {
            EXPECT_EQ(driver.selected(part[0]), part[2] == "1") << part[0].toStdString();
        }
    }
}

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
