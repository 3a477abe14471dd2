#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <algorithm>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "tests/support/window_driver.h"
#include "view/frames.h"
#include "wholefield/field_keys.h"
#include "wholefield/underlay_painting.h"

namespace {

const QRgb kBackground = qRgb(200, 200, 200);

QString Readout(const QString& name) { return WindowDriver::shownLabel(name); }

double Number(const QString& text) { return QLocale().toDouble(text); }

// The map and the grid start off; on, they lie under the drawing, which stays
// on top, and an arrow drawn twice leaves the screen as it was; off again,
// the screen is the drawing.
TEST(WholeField, UnderTheDrawingAndXorExact) {
    WindowDriver driver;
    for (const char* name : {"mapAction", "gridAction"})
        EXPECT_FALSE(driver.window().findChild<QAction*>(name)->isChecked()) << name;
    EXPECT_EQ(driver.surface().picture(), driver.image());
    driver.toggleMapAndGrid();
    driver.calculate();  // the arrow at the start point
    const QImage drawing = driver.image().copy(), shown = driver.surface().picture();
    EXPECT_NE(shown.pixel(driver.pixelOf(0.5, 0.9)), kBackground);
    for (int py = 0; py < shown.height(); ++py)  // the drawing stays on top
        for (int px = 0; px < shown.width(); ++px)
            if (drawing.pixel(px, py) != kBackground) {
                ASSERT_EQ(shown.pixel(px, py), drawing.pixel(px, py)) << px << ", " << py;
            }
    driver.calculate();
    EXPECT_EQ(driver.countPixels(kFieldOnGrey), 0);
    driver.calculate();
    EXPECT_EQ(driver.image(), drawing);
    EXPECT_EQ(driver.surface().picture(), shown);
    driver.toggleMapAndGrid();
    EXPECT_EQ(driver.surface().picture(), drawing);
}

// The keys show under the surface, read by a screen reader to the bar's
// ends; the window grows to hold them where the screen has room, and takes
// its size back when they go.
TEST(WholeField, KeysUnderTheSurfaceAndTheWindowFollowsThem) {
    WindowDriver driver;
    const QSize windowSize = driver.window().size();
    driver.toggleMapAndGrid();
    QWidget& keys = driver.keys();
    // Once the nested layouts have run: the keys at their height, under the surface.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return keys.height() == keys.minimumHeight() &&
               !keys.geometry().intersects(driver.surface().geometry());
    }));
    const int grown = windowSize.height() + keys.height();
    if (driver.window().screen()->availableGeometry().height() > grown + 100) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return driver.window().height() >= grown; }));
    }
    EXPECT_TRUE(keys.isVisible() && keys.accessibleName().contains(Shown("20000;")))
        << keys.accessibleName().toStdString();
    // The bar's ends are read too, beyond its lowest and highest values.
    const QRegularExpressionMatch bar =
        QRegularExpression("Potencial \\(V\\), de (\\S+) a (\\S+): (\\S+);.*; ([^.]+)\\.")
            .match(keys.accessibleName());
    ASSERT_TRUE(bar.hasMatch()) << keys.accessibleName().toStdString();
    EXPECT_LE(Number(bar.captured(1)), Number(bar.captured(3)));
    EXPECT_GE(Number(bar.captured(2)), Number(bar.captured(4)));
    driver.toggleMapAndGrid();
    EXPECT_FALSE(keys.isVisible());
    // No band where the keys were.
    EXPECT_TRUE(QTest::qWaitFor([&] { return driver.window().size() == windowSize; }));
}

// "Copiar al Portapapeles" copies what is shown with the keys under it, and
// the drawing alone once they are gone; the bar's colours keep changing up to
// its highest potential, and the bar and the grid's shades in the strip's
// second row end short of its edge.
TEST(WholeField, CopyHoldsTheKeysUnderThePicture) {
    WindowDriver driver;
    driver.toggleMapAndGrid();
    const QImage shown = driver.surface().picture();
    driver.copy();
    const QImage copied =
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied.copy(shown.rect()), shown);
    const QWidget& keys = driver.keys();
    const double scale = double(shown.width()) / keys.width();
    const int strip = int(keys.height() * scale), room = int(FieldKeys::kRightRoom * scale);
    EXPECT_GT(copied.height() - shown.height(), strip);
    const QRgb window = keys.palette().color(QPalette::Window).rgb();
    const int barRow = copied.height() - strip + 2, barEnd = copied.width() - room - 2;
    EXPECT_NE(copied.pixel(copied.width() / 2, barRow), window);  // the bar
    EXPECT_NE(copied.pixel(barEnd, barRow), copied.pixel(barEnd - 40, barRow));
    EXPECT_EQ(copied.pixel(copied.width() / 2, copied.height() - 1), window);
    const int shadeRow = copied.height() - strip / 2 + 2;
    EXPECT_NE(copied.pixel(copied.width() / 2, shadeRow), window);
    EXPECT_EQ(copied.pixel(copied.width() - room / 4, shadeRow), window);
    EXPECT_EQ(copied.pixel(copied.width() - room / 4, barRow), window);
    driver.toggleMapAndGrid();
    driver.copy();  // without the keys: the drawing alone
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              driver.image());
}

// Along an equipotential the window draws, the map keeps one colour, to a
// step of its scale (at most 3 in a channel), on the pixels beside the line
// that the drawing leaves to it: the map lies under the world the drawing
// shows, in both views and at a zoom other than 100 %. That the colour falls
// across the lines is the colour scale's to get right.
TEST(PotentialMap, OneColourAlongAnEquipotential) {
    for (auto [view, typedX, typedY] :
         {std::tuple{View::Front, "1.5", "2"}, {View::Profile, "2", "1"}}) {
        WindowDriver driver;
        driver.chooseView(view);
        driver.chooseZoom(25);
        driver.toggleMap();
        driver.chooseAction(Action::Equipotential);
        driver.acceptLines();
        driver.calculateAt(Shown(typedX), Shown(typedY));
        const QImage& drawn = driver.image();
        const QImage shown = driver.surface().picture();
        QList<QRgb> colours;
        for (int py = 1; py + 1 < drawn.height(); ++py)
            for (int px = 1; px + 1 < drawn.width(); ++px)
                if (drawn.pixel(px, py) == kBlue && drawn.pixel(px + 1, py) == kBackground)
                    colours << shown.pixel(px + 1, py);
        ASSERT_GT(colours.size(), 50) << int(view);
        for (int shift : {16, 8, 0}) {
            const auto channel = [shift](QRgb c) { return int(c >> shift) & 0xff; };
            const auto [low, high] =
                std::minmax_element(colours.begin(), colours.end(),
                                    [&](QRgb a, QRgb b) { return channel(a) < channel(b); });
            EXPECT_LE(channel(*high) - channel(*low), 3) << int(view) << " channel " << shift;
        }
    }
}

// The exact field of the segment bisects the angle its ends subtend, along
// the sum of the unit vectors from each end; in the profile view it is radial.
// Every pixel of an arrow lies on its cell's line of the field, up to the
// arrowhead's half-width and the pen's (0.17 of a cell), its edge and a pixel
// of antialiasing, and none within the frame's letters or the segment's box.
TEST(FieldGrid, ArrowsAlongTheExactField) {
    for (View view : {View::Front, View::Profile})
        for (int zoom : {100, 25}) {
            WindowDriver driver;
            driver.chooseIntegral();
            driver.chooseView(view);
            driver.chooseZoom(zoom);
            driver.toggleGrid();
            const WorldWindow& world = driver.surface().world();
            const QImage shown = driver.surface().picture();
            const double cell = shown.width() / 20.0;
            const double edge = 0.5;  // dark, around each arrow
            const bool front = view == View::Front;
            const std::vector<QRectF> frame =
                FrameFigureBoxes(world, driver.surface().font(), 1, driver.settings().zoomFactor(),
                                 front, driver.settings().shape());
            int arrowPixels = 0;
            for (int py = 0; py < shown.height(); ++py)
                for (int px = 0; px < shown.width(); ++px) {
                    if (shown.pixel(px, py) == driver.image().pixel(px, py)) continue;
                    const double cx = (std::floor(px / cell) + 0.5) * cell;
                    const double cy = (std::floor(py / cell) + 0.5) * cell;
                    const double x = world.fromPixelX(cx), y = world.fromPixelY(cy);
                    for (const QRectF& box : frame)
                        EXPECT_FALSE(box.contains(px + 0.5, py + 0.5))
                            << int(view) << zoom << " " << px << ", " << py;
                    const double dx =
                        front ? x / std::hypot(x, y) + (x - 1) / std::hypot(x - 1, y) : x;
                    const double dy = front ? y / std::hypot(x, y) + y / std::hypot(x - 1, y) : y;
                    const double across =
                        std::abs((px + 0.5 - cx) * dy + (py + 0.5 - cy) * dx) / std::hypot(dx, dy);
                    EXPECT_LE(across, 0.17 * cell + edge + 1.5)
                        << int(view) << zoom << " " << px << ", " << py;
                    ++arrowPixels;
                }
            EXPECT_GT(arrowPixels, 300 * 5) << int(view) << zoom;
        }
}

QLineEdit* TestCharge(WindowDriver& driver) {
    return driver.window().findChild<QLineEdit*>("CargaPrueba");
}

// V = 9000·ln((r1 + r2 + 1)/(r1 + r2 − 1)) V at 1 µC/m; with 5 charges
// 1800 V·m/r from each, rounded to 0.0001 V. A = (0.5; 0.5), B = (0.5; 1),
// q = 2 µC: the potentials, their difference, the work and the integral,
// each read by a screen reader with its row's caption. Then B = (0.5; −0.5):
// the path crosses the segment, its potential is that of A, and the window
// says so in the room it has. From 1e9 m away to beside the segment and on
// to a tenth of a millimetre past its end, −∫E·dl reads as ΔV, or the window
// says that they differ by the rounding of what they show: the integral's,
// V(A)'s and V(B)'s, and for point charges each charge's part of them. The
// path shows while the window is open.
TEST(Voltmeter, ReadsEachPathInBothModels) {
    const struct {
        const char* name;
        int model;
        const char *model_, *va, *vb, *deltaV, *back;
        const char* rounding;  // of the integral and ΔV as shown: a half-digit for each term
    } rows[] = {{"exact", kExactModel, "segmento continuo (integral)", "15864.7246", "8661.8129",
                 "-7202.9117", "7202.9117", "0.0002"},
                {"5 charges", 5, "5 cargas puntuales", "15907.2876", "8672.6064", "-7234.6812",
                 "7234.6812", "0.0006"}};
    for (const auto& row : rows) {
        WindowDriver driver;
        driver.chooseModel(row.model);
        driver.calculateAt(Shown("0.5"), Shown("0.5"));
        driver.toggleVoltmeter();
        QLineEdit* charge = TestCharge(driver);
        QTest::keyClick(charge, Qt::Key_Backspace);
        QTest::keyClicks(charge, "2");
        driver.calculateAt(Shown("0.5"), Shown("1"));
        EXPECT_EQ(Readout("Modelo"), row.model_);
        EXPECT_EQ(Readout("PotencialA"), Shown(row.va)) << row.name;
        EXPECT_EQ(Readout("PotencialB"), Shown(row.vb)) << row.name;
        EXPECT_EQ(Readout("DiferenciaV"), Shown(row.deltaV)) << row.name;
        EXPECT_NEAR(Number(Readout("Trabajo")), 2 * Number(Shown(row.deltaV)), 1e-4) << row.name;
        EXPECT_LE(Readout("Trabajo").size(), Shown(row.deltaV).size() + 1) << row.name;
        EXPECT_NEAR(Number(Readout("Integral").section('\n', 0, 0)) / Number(Shown(row.deltaV)), 1,
                    1e-6)
            << row.name;
        for (QLabel* value : charge->window()->findChildren<QLabel*>()) {
            if (value->objectName().isEmpty()) continue;  // a caption
            const QString spoken =
                QAccessible::queryAccessibleInterface(value)->text(QAccessible::Name);
            const QString shown = value->text().replace('\n', ' ');
            EXPECT_TRUE(spoken.contains(shown) && spoken.size() > shown.size() + 2)
                << spoken.toStdString();
        }
        QApplication::processEvents();
        const int height = charge->window()->height();
        driver.calculateAt(Shown("0.5"), Shown("-0.5"));
        EXPECT_EQ(Readout("DiferenciaV"), Shown(row.back)) << row.name;
        EXPECT_TRUE(Readout("Integral").endsWith("no se integra")) << row.name;
        QApplication::processEvents();
        auto* refusal = driver.window().findChild<QLabel*>("Integral");
        EXPECT_TRUE(refusal->rect().contains(QRect(QPoint(), refusal->sizeHint()))) << row.name;
        EXPECT_EQ(charge->window()->height(), height) << row.name;  // the message has room
        driver.calculateAt(Shown("1e9"), Shown("1e9"));
        for (auto [x, y] : {std::pair{"0.6", "0.01"}, std::pair{"1.0001", "0"}}) {
            driver.calculateAt(Shown(x), Shown(y));
            const QStringList integral = Readout("Integral").split('\n');
            const QString rounding =
                "difiere de ΔV en ≤ " + Shown(row.rounding) + " por el redondeo";
            EXPECT_TRUE(integral == QStringList{Readout("DiferenciaV")} ||
                        integral.value(1) == rounding)
                << row.name << " to " << x << ": " << integral.join(" / ").toStdString();
            EXPECT_NEAR(Number(integral[0]), Number(Readout("DiferenciaV")),
                        Number(Shown(row.rounding)) + 1e-9);
        }
        QApplication::processEvents();
        EXPECT_EQ(charge->window()->height(), height) << row.name;
        EXPECT_NE(driver.surface().picture(), driver.image()) << row.name;  // the path
        QApplication::setActiveWindow(charge->window());
        QTest::keyClick(charge, Qt::Key_Escape);
        EXPECT_FALSE(charge->isVisible()) << row.name;
        EXPECT_EQ(driver.surface().picture(), driver.image()) << row.name;
    }
}

// Each shape through the window, with the voltmeter, the map and the grid on:
// the voltmeter names the model, reads ΔV as the read-outs' V(B) − V(A), its
// integral as ΔV to the rounding (± 0.0001 V for each of up to 11 terms); a
// path through the charge, or through an element where it meets the plane,
// is refused in the shape's words. The growing segment's fourth charge lies
// at (0.35; 0), the ring's wire crosses the plane at (0.5; 0.5), the disk's
// second of 5 rings at (0.5; 0.15).
TEST(Voltmeter, EveryShapeInItsWords) {
    const struct {
        const ChargeDistribution& shape;
        int model;
        const char* modelName;
        const char *fromX, *fromY, *throughX, *throughY;
        const char* refusal;
    } rows[] = {
        {GrowingSegment(), 10, "10 cargas puntuales", "0.35", "0.5", "0.35", "-0.5",
         "el camino pasa por una carga puntual"},
        {Ring(), kExactModel, "anillo continuo (integral)", "0.4", "0.4", "0.6", "0.6",
         "el camino cruza el anillo cargado"},
        {Disk(), 5, "5 anillos", "0.4", "0.15", "0.6", "0.15", "el camino pasa por un anillo"},
    };
    for (const auto& row : rows) {
        const std::string name = row.shape.words().name;
        WindowDriver driver;
        driver.chooseShape(row.shape);
        driver.chooseModel(row.model);
        driver.toggleMapAndGrid();
        driver.toggleVoltmeter();
        driver.calculateAt(Shown(row.fromX), Shown(row.fromY));
        const double va = Number(driver.readout(V));
        driver.calculateAt(Shown("0.9"), Shown("0.7"));
        const double deltaV = Number(driver.readout(V)) - va;
        EXPECT_EQ(Readout("Modelo"), row.modelName) << name;
        EXPECT_NEAR(Number(Readout("DiferenciaV")), deltaV, 1e-9) << name;
        EXPECT_NEAR(Number(Readout("Integral").section('\n', 0, 0)), deltaV, 0.0011) << name;
        driver.calculateAt(Shown(row.fromX), Shown(row.fromY));
        driver.calculateAt(Shown(row.throughX), Shown(row.throughY));
        EXPECT_EQ(Readout("Integral"), QString(row.refusal) + ":\nno se integra") << name;
    }
}

// Whether the map shows in blocks of 4 x 4 pixels from the surface's corner
// around a point where the drawing leaves it, 24 pixels across.
bool Coarse(const WindowDriver& driver, double x, double y) {
    const QImage shown = driver.surface().picture();
    const QPoint centre = driver.pixelOf(x, y);
    for (int py = centre.y() - 12; py < centre.y() + 12; ++py)
        for (int px = centre.x() - 12; px < centre.x() + 12; ++px)
            if (driver.image().pixel(px, py) == kBackground &&
                shown.pixel(px, py) != shown.pixel(px & ~3, py & ~3))
                return false;
    return true;
}

// The disk's map, as rings or exact, comes a quarter as fine each way at
// once, the window going on, and in full once computed on other threads. A
// map computed for a choice the user has changed since never shows: here the
// exact disk's after a new density, overtaken by the ring, whose map shows at
// once and stays.
TEST(PotentialMap, DiskCoarseAtOnceFullWhenReadyNeverStale) {
    for (int model : {50, kExactModel}) {
        WindowDriver driver;
        driver.chooseShape(Disk());
        driver.chooseModel(model);
        driver.toggleMap();
        EXPECT_NE(driver.surface().picture(), driver.image()) << model;
        EXPECT_TRUE(Coarse(driver, 0.7, 0.6)) << model;
        QTRY_VERIFY_WITH_TIMEOUT(!Coarse(driver, 0.7, 0.6), 30000);
    }
    WindowDriver driver;
    driver.chooseShape(Disk());
    driver.chooseIntegral();
    driver.toggleMap();
    driver.chooseDensity(-1);
    driver.chooseShape(Ring());
    const QImage ring = driver.surface().picture();
    QTest::qWait(1000);
    EXPECT_EQ(driver.surface().picture(), ring);
}

// A point of the other view is never A or B, nor one of a drawing wiped by "Limpiar".
TEST(Voltmeter, PointsOfTheOtherViewOrAWipedDrawingAreNeitherAnorB) {
    WindowDriver driver;
    driver.toggleVoltmeter();  // the start point was never evaluated
    EXPECT_EQ(Readout("PuntoB"), QString::fromUtf8("evalúe un punto"));
    driver.calculateAt(Shown("0.5"), Shown("0.5"));
    EXPECT_EQ(Readout("PuntoA"), QString::fromUtf8("evalúe otro punto"));
    driver.chooseView(View::Profile);
    EXPECT_EQ(Readout("PuntoB"), QString::fromUtf8("evalúe un punto"));
    EXPECT_TRUE(driver.window().findChild<QLabel*>("PuntoB")->accessibleName().contains("(Z; Y)"));
    driver.calculateAt(Shown("0.3"), Shown("0.4"));
    EXPECT_EQ(Readout("PuntoA"), QString::fromUtf8("evalúe otro punto"));
    driver.clear();
    EXPECT_EQ(Readout("PuntoB"), QString::fromUtf8("evalúe un punto"));
}

// A q that is not a number gives no work; one whose W has no number in the
// read-outs' format is refused; a tiny one gives W in that format, 0. A
// point at B's height beside it is the new B.
TEST(Voltmeter, WorkOnlyForAQThatGivesANumber) {
    WindowDriver driver;
    driver.toggleVoltmeter();
    QLineEdit* charge = TestCharge(driver);
    QTest::keyClicks(charge, "x");
    driver.calculateAt(Shown("0.3"), Shown("0.5"));
    driver.calculateAt(Shown("0.3"), Shown("0.6"));
    EXPECT_TRUE(Readout("Trabajo").startsWith("escriba q")) << Readout("Trabajo").toStdString();
    for (auto [typed, work] : {std::pair{"1e308", "W no cabe"}, {"1e-320", "0"}}) {
        QTest::keyClick(charge, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(charge, typed);
        EXPECT_TRUE(Readout("Trabajo").startsWith(work)) << Readout("Trabajo").toStdString();
    }
    EXPECT_EQ(Readout("Trabajo").size(), 1);
    driver.calculateAt(Shown("0.6"), Shown("1.09"));
    EXPECT_EQ(Readout("PuntoB"), Shown("0.6; 1.09"));
}

// Each letter stays whole inside the surface, beside its point, and its
// white 2 pixels clear of the drawing (the arrows, whose XOR pen leaves no
// pixel of the background, and the frame's letters): beyond the segment's middle,
// where the field points up and away from A, where B's letter would go
// first; at the top edge; at the corner beside the axis letter "X".
TEST(Voltmeter, LettersStandBesideTheirPoints) {
    WindowDriver driver;
    driver.toggleVoltmeter();
    const WorldPoint paths[][2] = {
        {{0.85, 0.25}, {0.9, 0.3}}, {{0.3, 0.6}, {0.3, 1.09}}, {{1.0, 0.5}, {1.09, -0.09}}};
    for (const auto& path : paths) {
        for (WorldPoint p : path) driver.calculateAt(ShownCoordinate(p.x), ShownCoordinate(p.y));
        QApplication::processEvents();
        const QImage picture = driver.surface().picture(), drawing = driver.image();
        const QPointF ends[] = {driver.pixelOf(path[0].x, path[0].y),
                                driver.pixelOf(path[1].x, path[1].y)};
        const QPointF along = ends[1] - ends[0];
        int near[2] = {};
        double closest[2] = {1e9, 1e9};
        for (int py = 0; py < picture.height(); ++py)
            for (int px = 0; px < picture.width(); ++px) {
                const QPointF p(px, py);  // the points' discs and the path are white too
                const double t = std::clamp(
                    QPointF::dotProduct(p - ends[0], along) / QPointF::dotProduct(along, along),
                    0.0, 1.0);
                if (picture.pixel(px, py) != qRgb(255, 255, 255) ||
                    QLineF(p, ends[0] + t * along).length() <= 6)
                    continue;
                const int k = QLineF(p, ends[0]).length() < QLineF(p, ends[1]).length() ? 0 : 1;
                ++near[k];
                closest[k] = std::min(closest[k], QLineF(p, ends[k]).length());
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx) {
                        const QPoint q(px + dx, py + dy);
                        ASSERT_TRUE(!drawing.rect().contains(q) || drawing.pixel(q) == kBackground)
                            << path[1].x << ": " << px << ", " << py;
                    }
            }
        EXPECT_TRUE(near[0] >= 15 && near[1] >= 15)
            << path[1].x << ": " << near[0] << ", " << near[1];
        // Away from the corner each letter stands beside its point, within a
        // few of its gaps.
        const double beside = 3 * kLetterGap * picture.width() / driver.surface().width();
        EXPECT_TRUE(&path == &paths[2] || (closest[0] <= beside && closest[1] <= beside))
            << path[1].x << ": " << closest[0] << ", " << closest[1];
    }
}

// Across the axis midway between two of 50 charges the integral is 0 by
// symmetry, written as the read-outs write it.
TEST(Voltmeter, IntegralZeroBySymmetry) {
    WindowDriver driver;
    driver.toggleVoltmeter();
    driver.chooseModel(50);
    driver.calculateAt(Shown("0.5"), Shown("0.3"));
    driver.calculateAt(Shown("0.5"), Shown("-0.3"));
    EXPECT_EQ(Readout("Integral"), "0");
}

}  // namespace
