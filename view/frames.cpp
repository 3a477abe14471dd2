#include "view/frames.h"

#include <QFontMetricsF>

#include "field/domain.h"
#include "view/drawing_surface.h"
#include "view/world_window.h"

using segment::kLength;

namespace {

constexpr double kBarHalfHeight = 0.007;               // the filled segment bar
constexpr double kOutlineHalfHeight = 0.008;           // its outline and the element strokes
constexpr double kRingRadii[] = {0.01, 0.005, 0.002};  // the segment seen end-on

// The top-left corners of the axis letters at zoom 1.
constexpr WorldPoint kVerticalLetter{-0.04, 1.05}, kHorizontalLetter{1.05, -0.03};

const char* horizontalLetter(bool front) { return front ? "X" : "Z"; }

void drawAxes(DrawingSurface& surface, double z) {
    surface.drawSegment(kWorldLow / z, 0, kWorldHigh / z, 0, surface.foreground());
    surface.drawSegment(0, kWorldLow / z, 0, kWorldHigh / z, surface.foreground());
}

void drawLetters(DrawingSurface& surface, double z, bool front) {
    surface.setCurrentPosition(kVerticalLetter.x / z, kVerticalLetter.y / z);
    surface.printText("Y");
    surface.setCurrentPosition(kHorizontalLetter.x / z, kHorizontalLetter.y / z);
    surface.printText(horizontalLetter(front));
}

void startFrame(DrawingSurface& surface, double z) {
    surface.setPen(DrawingSurface::Pen::Copy);
    surface.clear();
    drawAxes(surface, z);
}

}  // namespace

std::vector<double> ElementBoundaries(int elementCount) {
    std::vector<double> boundaries;
    const double step = kLength / elementCount;
    for (double x = 0; x <= kLength; x += step) boundaries.push_back(x);
    return boundaries;
}

// The bar and everything painted over it fill only pixels strictly inside the
// bar's outline, so the outline shows on every side at every zoom and the bar
// has the same thickness in pixels at every zoom.
void FillBar(DrawingSurface& surface, double x1, double x2, double z, QRgb colour) {
    const QRect inside =
        surface.pixelBox(0, kOutlineHalfHeight / z, kLength, -kOutlineHalfHeight / z)
            .adjusted(1, 1, -1, -1);
    surface.fillPixels(surface.pixelBox(x1, kBarHalfHeight / z, x2, -kBarHalfHeight / z) & inside,
                       colour);
}

void DrawExactModelBar(DrawingSurface& surface, double zoomFactor, QRgb chargeColour) {
    FillBar(surface, 0, kLength, zoomFactor, chargeColour);
}

void DrawFrontFrameFigure(DrawingSurface& surface, const FrontFrameLook& look) {
    const double z = look.zoomFactor;
    startFrame(surface, z);
    FillBar(surface, 0, kLength, z, look.segmentColour);
    surface.drawBox(0, kOutlineHalfHeight / z, kLength, -kOutlineHalfHeight / z,
                    surface.foreground());
    for (double x : ElementBoundaries(look.elementCount))
        surface.drawSegment(x, kOutlineHalfHeight / z, x, -kOutlineHalfHeight / z,
                            surface.foreground());
    if (look.exactModel) DrawExactModelBar(surface, z, look.chargeColour);
    drawLetters(surface, z, true);
}

void DrawProfileFrameFigure(DrawingSurface& surface, double zoomFactor, QRgb chargeColour) {
    const double z = zoomFactor;
    startFrame(surface, z);
    for (double radius : kRingRadii) surface.drawCircle(0, 0, radius / z, chargeColour);
    drawLetters(surface, z, false);
}

std::vector<QRectF> FrameFigureBoxes(const WorldWindow& world, const QFont& font, double pixelRatio,
                                     double zoomFactor, bool front) {
    const double z = zoomFactor;
    const QFontMetricsF metrics(font);
    const auto letter = [&](WorldPoint corner, const char* text) {
        const QPointF at(world.toPixelX(corner.x / z), world.toPixelY(corner.y / z));
        const QSizeF size = metrics.size(0, text) * pixelRatio;
        return QRectF(at, size);
    };
    const auto box = [&](double left, double top, double right, double bottom) {
        return QRectF(QPointF(world.toPixelX(left), world.toPixelY(top)),
                      QPointF(world.toPixelX(right), world.toPixelY(bottom)));
    };
    const double ring = kRingRadii[0] / z, outline = kOutlineHalfHeight / z;
    return {letter(kVerticalLetter, "Y"), letter(kHorizontalLetter, horizontalLetter(front)),
            front ? box(0, outline, kLength, -outline) : box(-ring, ring, ring, -ring)};
}
