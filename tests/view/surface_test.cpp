#include "view/drawing_surface.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "view/field_arrow.h"
#include "view/frames.h"

namespace {

constexpr int kSide = 500;
const QRgb kGrey = qRgb(200, 200, 200);
const QRgb kCyan = qRgb(50, 250, 250);
const QRgb kRed = qRgb(200, 50, 50);

class Surface : public ::testing::Test {
protected:
    Surface() : surface(kSide) {
        surface.setBackground(kGrey);
        surface.setWorldScale(1);
        surface.clear();
    }
    QPoint pixelOf(double x, double y) const {
        return {int(std::floor(surface.world().toPixelX(x))),
                int(std::floor(surface.world().toPixelY(y)))};
    }
    QRgb at(double x, double y) const { return surface.image().pixel(pixelOf(x, y)); }
    void drawFrame(int n, bool exact, double zoom = 1) {
        surface.setWorldScale(zoom);
        DrawFrontFrameFigure(surface, {zoom, n, exact, qRgb(180, 180, 180), kRed});
    }
    // Runs of foreground pixels along the row at height y, from x = -0.05 to 1.05.
    int blackRunsAcrossBar(double y) const {
        int runs = 0;
        bool inRun = false;
        for (int px = pixelOf(-0.05, y).x(); px <= pixelOf(1.05, y).x(); ++px) {
            const bool black = surface.image().pixel(px, pixelOf(0, y).y()) == qRgb(0, 0, 0);
            runs += black && !inRun;
            inRun = black;
        }
        return runs;
    }
    DrawingSurface surface;
};

TEST_F(Surface, XorPenShowsTheComplementAndASecondPassRestores) {
    const QImage before = surface.image().copy();
    surface.setPen(DrawingSurface::Pen::Xor);
    surface.drawSegment(0.1, 0.1, 0.9, 0.7, kCyan);
    EXPECT_EQ(at(0.1, 0.1), qRgb(250, 50, 50));
    surface.drawSegment(0.1, 0.1, 0.9, 0.7, kCyan);
    EXPECT_EQ(surface.image(), before);
}

TEST_F(Surface, ArrowDrawnTwiceRestoresEveryPixel) {
    drawFrame(5, false);
    const QImage before = surface.image().copy();
    for (bool shaft : {true, false}) {
        for (double z : {1.0, 0.1}) {
            const ArrowPlacement at{0.6, 0.4, z, shaft};
            const Currency ex = *Currency::fromDouble(3429.1482),
                           ey = *Currency::fromDouble(-34631.0342);
            DrawFieldArrow(surface, at, ex, ey, kCyan);
            EXPECT_NE(surface.image(), before);
            DrawFieldArrow(surface, at, ex, ey, kCyan);
            EXPECT_EQ(surface.image(), before);
            EXPECT_EQ(surface.pen(), DrawingSurface::Pen::Copy);
        }
    }
}

TEST_F(Surface, ArrowShaftScalesWithTheFieldAndHugeArrowsAreClipped) {
    const ArrowPlacement base{0.2, 0.2, 1, true};
    DrawFieldArrow(surface, base, *Currency::fromDouble(100000), Currency(), kCyan);  // 0.6 m long
    EXPECT_EQ(at(0.5, 0.2), qRgb(250, 50, 50));
    EXPECT_EQ(at(0.85, 0.2), kGrey);
    // 10^9 metres long: nothing overflows, the visible part is drawn.
    DrawFieldArrow(surface, {0.2, 0.5, 1, true}, *Currency::fromDouble(1e14), Currency(), kCyan);
    EXPECT_EQ(at(1.05, 0.5), qRgb(250, 50, 50));
}

TEST(ElementBoundaries, RepeatedAdditionDropsTheLastStrokeForTwentyAndFifty) {
    EXPECT_EQ(ElementBoundaries(5).size(), 6u);
    EXPECT_EQ(ElementBoundaries(10).size(), 11u);
    EXPECT_EQ(ElementBoundaries(20).size(), 20u);
    EXPECT_EQ(ElementBoundaries(50).size(), 50u);
}

TEST_F(Surface, FrontFrameShowsTheElementsOrTheContinuousCharge) {
    drawFrame(5, false);
    EXPECT_EQ(blackRunsAcrossBar(0.004), 6);
    EXPECT_EQ(at(0.5, 0.9), kGrey);
    EXPECT_EQ(at(0, 0.9), qRgb(0, 0, 0));  // the Y axis
    EXPECT_EQ(at(0.1, 0.004), qRgb(180, 180, 180));
    drawFrame(10, false);
    EXPECT_EQ(blackRunsAcrossBar(0.004), 11);
    drawFrame(5, true);
    EXPECT_EQ(at(0.1, 0.004), kRed);
}

TEST_F(Surface, BarKeepsItsThicknessOnScreenAtEveryZoom) {
    for (double z : {1.0, 0.5, 0.25, 0.1}) {
        drawFrame(5, false, z);
        const int column = pixelOf(0.1, 0).x();
        int filled = 0;
        for (int py = 0; py < kSide; ++py)
            filled += surface.image().pixel(column, py) == qRgb(180, 180, 180);
        EXPECT_NEAR(filled, 0.014 * kSide / 1.2, 1.0) << z;
        EXPECT_EQ(pixelOf(0, 0), QPoint(int(kSide / 12.0), int(kSide - kSide / 12.0))) << z;
    }
}

TEST_F(Surface, PointerReportsWorldCoordinatesOfItsPixel) {
    QSignalSpy spy(&surface, &DrawingSurface::pointerMoved);
    // QTest takes the point (0, 0) for "the centre", so send this one by hand.
    QMouseEvent move(QEvent::MouseMove, QPointF(0, 0), surface.mapToGlobal(QPointF(0, 0)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&surface, &move);
    QTest::mouseClick(&surface, Qt::LeftButton, {}, QPoint(kSide - 1, kSide - 1));
    ASSERT_GE(spy.count(), 2);
    EXPECT_FLOAT_EQ(spy.first()[0].toFloat(), -0.1f);
    EXPECT_FLOAT_EQ(spy.first()[1].toFloat(), 1.1f);
    EXPECT_FLOAT_EQ(spy.last()[0].toFloat(), float(1.1 - 1.2 / kSide));
    EXPECT_FLOAT_EQ(spy.last()[1].toFloat(), float(-0.1 + 1.2 / kSide));
}

TEST_F(Surface, MarkerHidesFarOutside) {
    surface.setMarkerLeft(1e300);
    EXPECT_TRUE(surface.marker()->isHidden());
}

}  // namespace
