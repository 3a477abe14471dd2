#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QChartView>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "field/ring_field.h"
#include "tests/support/window_driver.h"

namespace {

using std::numbers::pi;

// The flux scale of the segment at λ = 1 µC/m: Q/ε₀ = 4πkλ·1 m, k = 9·10⁹.
const double kWholeFlux = 4 * pi * 9e9 * 1e-6;  // 113097.33552923 V·m

// A figure's number, read in the user's locale; NaN if it is not one.
double Number(const QString& figure) {
    bool ok = false;
    const double value = QLocale().toDouble(figure.section(QString::fromUtf8(" ± "), 0, 0), &ok);
    return ok ? value : NAN;
}

QWidget* GaussWindow() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "SuperficieGauss") return top;
    return nullptr;
}

// "Superficie de Gauss..." by its keys (Ctrl+F), over the exact segment. The start
// sphere (centre 0.5 m, radius 0.8 m) holds the whole segment: Φ = Q/ε₀.
// A cylinder round its middle, radius 0.3 m and length 0.6 m (typed with a
// point in either locale), encloses 0.6 m of it, Q_enc/ε₀ = 0.6·Q/ε₀; its
// side takes ∫2πρE_ρ dx from 0.2 to 0.8, with 2πρE_ρ = 2πkλ(x/√(x²+ρ²) +
// (1−x)/√((1−x)²+ρ²)), which integrates in closed form to
// 4πkλ(√0.73 − √0.13) = 55852.58160 V·m; each cap, −∫2πρE_x dρ over its
// disk with E_x = kλ(1/√((x−1)²+ρ²) − 1/√(x²+ρ²)), 2πkλ(0.6 − √0.73 + √0.13)
// = 6002.90986 V·m; A = 2π·0.3·(0.3 + 0.6) m². With 5 point charges (at
// 0.1, ..., 0.9) and length 0.4 the caps pass through the charges at 0.3
// and 0.7, which count half: Q_enc = 0.2 + 2·0.1 µC. Dragged to centre c
// (from 0.7 to 0.9 m), the cylinder encloses 1 − (c − 0.3) m of the segment.
TEST(GaussTool, ACylinderRoundTheSegmentReadInTheUsersLocale) {
    WindowDriver driver;
    driver.chooseIntegral();
    driver.press(Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(driver.settings().gaussOpen());
    EXPECT_EQ(GaussWindow()->windowTitle(), "Superficie de Gauss");
    const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(GaussWindow());
    EXPECT_EQ(spoken->role(), QAccessible::Dialog);  // a window, to a screen reader
    EXPECT_EQ(spoken->text(QAccessible::Name), "Superficie de Gauss");
    EXPECT_EQ(driver.gaussReadout("gaussModel"), "segmento continuo (integral)");
    EXPECT_NEAR(Number(driver.gaussReadout("flux")), kWholeFlux, 2e-4);
    EXPECT_EQ(driver.gaussReadout("enclosedOverEpsilon0"), Shown("113097.3355"));
    EXPECT_EQ(driver.gaussReadout("enclosedCharge"), "1");
    EXPECT_EQ(driver.gaussReadout("side"), "(no se ve)");
    EXPECT_FALSE(driver.typeSurfaceLength(Shown("0.6")));  // a sphere has none

    EXPECT_TRUE(driver.chooseSurface(SurfaceKind::Cylinder));
    EXPECT_TRUE(driver.typeSurfaceRadius(Shown("0.3")));
    EXPECT_TRUE(driver.typeSurfaceLength("0.6"));
    EXPECT_EQ(driver.settings().gaussSurface(),
              (GaussSurface{SurfaceKind::Cylinder, 0.5, 0.3, 0.6}));
    const double side = 4 * pi * 9e3 * (std::sqrt(0.73) - std::sqrt(0.13));
    const double cap = 2 * pi * 9e3 * (0.6 - std::sqrt(0.73) + std::sqrt(0.13));
    EXPECT_EQ(driver.gaussReadout("enclosedOverEpsilon0"), Shown("67858.4013"));
    EXPECT_NEAR(Number(driver.gaussReadout("flux")), 0.6 * kWholeFlux, 2e-4);
    EXPECT_NEAR(Number(driver.gaussReadout("side")), side, 2e-4);
    EXPECT_NEAR(Number(driver.gaussReadout("lowCap")), cap, 2e-4);
    EXPECT_NEAR(Number(driver.gaussReadout("highCap")), cap, 2e-4);
    EXPECT_EQ(driver.gaussReadout("area"), Shown("1.69646"));

    // Dragged on the drawing past the segment's end, the box and the figures follow.
    driver.dragSurfaceCentre(0.8);
    const double centre = driver.settings().gaussSurface().centre;
    EXPECT_NEAR(centre, 0.8, 0.02);
    EXPECT_EQ(GaussWindow()->findChild<QDoubleSpinBox*>("gaussCentreBox")->text(),
              QLocale().toString(centre, 'f', 4));
    EXPECT_NEAR(Number(driver.gaussReadout("enclosedOverEpsilon0")),
                (1 - (centre - 0.3)) * kWholeFlux, 1e-4);
    EXPECT_TRUE(driver.typeSurfaceCentre(Shown("0.5")));

    driver.chooseModel(5);
    EXPECT_TRUE(driver.typeSurfaceLength(Shown("0.4")));
    EXPECT_EQ(driver.gaussReadout("gaussModel"), "5 cargas puntuales");
    EXPECT_EQ(driver.gaussReadout("enclosedCharge"),
              Shown("0.4") + "\n2 elementos sobre la superficie\ncuentan la mitad");
    EXPECT_EQ(driver.gaussReadout("enclosedOverEpsilon0"), Shown("45238.9342"));

    QApplication::setActiveWindow(GaussWindow());
    QTest::keyClick(GaussWindow(), Qt::Key_Escape);
    EXPECT_FALSE(driver.settings().gaussOpen());
}

// Round the ring of radius 0,5 m, 1 µC/m, the start sphere holds its whole
// charge, 2π·0,5·1 = π µC, shown in six digits as the other figures; with no
// half-counted charge to note, its row is one line high as theirs.
TEST(GaussTool, TheEnclosedChargeAsTheOtherFigures) {
    WindowDriver driver;
    driver.chooseShape(Ring());
    driver.chooseIntegral();
    driver.openGaussTool();
    EXPECT_EQ(driver.gaussReadout("enclosedCharge"), Shown("3.14159"));
    const auto height = [](const char* name) {
        return GaussWindow()->findChild<QLabel*>(name)->height();
    };
    EXPECT_EQ(height("enclosedCharge"), height("area"));
}

// Φ over r in the plot, from the series the chart draws, at the samples
// nearest the radii below: the sphere centred at 0.5 m encloses 2r of the
// segment while r < 0.5 m, so the exact Φ is min(2r, 1)·Q/ε₀; N point charges
// at the centres of N equal pieces give Q/ε₀ times the share of them within
// r. N = 5: one within 0.15 m, three within 0.3 m, all within 0.45 m; N = 10,
// chosen meanwhile: four within 0.22 m. The mark stands at the surface's
// radius, typed.
TEST(GaussTool, FluxAgainstTheRadiusForBothModels) {
    WindowDriver driver;
    driver.openGaussTool();
    QChart* chart = GaussWindow()->findChild<QChartView*>("gaussPlot")->chart();
    const auto series = [chart](int i) { return static_cast<QLineSeries*>(chart->series()[i]); };
    const auto near = [&](int i, double r) {  // the sample nearest r, in units of Q/ε₀
        QPointF nearest(INFINITY, NAN);
        for (const QPointF& p : series(i)->points())
            if (std::fabs(p.x() - r) < std::fabs(nearest.x() - r)) nearest = p;
        EXPECT_NEAR(nearest.x(), r, 0.01) << "no sample near " << r;
        return QPointF(nearest.x(), nearest.y() / kWholeFlux);
    };
    const auto exact = [](double r) { return std::min(2 * r, 1.0); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return series(0)->count() > 0; }, 30000));
    const struct { double r, elements; } rows[] = {{0.15, 0.2}, {0.3, 0.6}, {0.45, 1}, {1.2, 1}};
    for (const auto& row : rows) {
        const QPointF sample = near(0, row.r);
        EXPECT_NEAR(sample.y(), exact(sample.x()), 1e-8) << row.r;
        EXPECT_NEAR(near(1, row.r).y(), row.elements, 1e-8) << row.r;
    }
    EXPECT_EQ(series(1)->name(), "5 cargas puntuales");
    EXPECT_EQ(series(3)->at(0).x(), 0.8);

    driver.chooseModel(10);
    driver.typeSurfaceRadius(Shown("0.22"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return series(1)->name() == "10 cargas puntuales"; }, 30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::fabs(near(1, 0.22).y() - 0.4) < 1e-8; }, 30000));
    const QPointF sample = near(0, 0.22);
    EXPECT_NEAR(sample.y(), exact(sample.x()), 1e-8);
    EXPECT_EQ(series(3)->at(0).x(), 0.22);
}

// The plot's Φ axis. Round the ring every flux is ≥ 0: the axis starts at 0,
// not below. A sphere centred at 10 m sweeps radii up to 1,5 m and never
// reaches the segment: every flux is rounding (|Φ| ≤ 10⁻⁹ Q/ε₀), drawn on
// an axis at least a thousandth of Q/ε₀ either side of 0, not scaled to it.
TEST(GaussTool, TheFluxAxisFromZeroAndNotScaledToRounding) {
    const struct {
        const ChargeDistribution* shape;
        const char* centre;
        double bottom;  // the axis's bottom, or the highest it may be: × Q/ε₀
    } rows[] = {{&Ring(), "0.5", 0}, {nullptr, "10", -1e-3}};
    for (const auto& row : rows) {
        WindowDriver driver;
        if (row.shape) driver.chooseShape(*row.shape);
        const double whole = std::fabs(driver.settings().lambda()) *
                             driver.settings().shape().chargePerDensity() * 4 * pi * 9e9;
        driver.openGaussTool();
        driver.typeSurfaceCentre(Shown(row.centre));
        auto* view = GaussWindow()->findChild<QChartView*>("gaussPlot");
        auto* axis = static_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).first());
        const auto* exact = static_cast<QLineSeries*>(view->chart()->series()[0]);
        const bool encloses = row.shape;  // at the greatest radius, 1,5 m
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return exact->count() > 0 && (exact->points().last().y() > whole / 2) == encloses;
            },
            30000));
        EXPECT_GE(axis->max(), 1e-3 * whole) << row.centre;
        if (row.bottom == 0)
            EXPECT_EQ(axis->min(), 0) << row.centre;
        else
            EXPECT_LE(axis->min(), row.bottom * whole) << row.centre;
    }
}

}  // namespace
