#include "view/frames.h"

#include <QFontMetricsF>

#include "field/shapes.h"
#include "field/world_window.h"
#include "view/drawing_surface.h"

namespace {

// What the frames draw of the program's charge.
const ChargeFigure::Bar& FrontBar() {
    static const ChargeFigure::Bar bar = *StartShape().figure(View::Front).bar;
    return bar;
}
const std::vector<double>& ProfileRings() {
    static const std::vector<double> rings = StartShape().figure(View::Profile).ringRadii;
    return rings;
}

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

// Where the element boundaries are drawn: from the start by repeated addition
// of 1/N of the bar while the sum is at most its end. With 20 or 50 elements
// the sum passes 1 by rounding before the last stroke, and the bar's outline
// alone marks its end.
std::vector<double> ElementBoundaries(int elementCount) {
    const ChargeFigure::Bar& bar = FrontBar();
    std::vector<double> boundaries;
    const double step = (bar.to - bar.from) / elementCount;
    for (double x = bar.from; x <= bar.to; x += step) boundaries.push_back(x);
    return boundaries;
}

void startFrame(DrawingSurface& surface, double z) {
    surface.setPen(DrawingSurface::Pen::Copy);
    surface.clear();
    drawAxes(surface, z);
}

}  // namespace

// The bar and everything painted over it fill only pixels strictly inside the
// bar's outline, so the outline shows on every side at every zoom and the bar
// has the same thickness in pixels at every zoom.
void FillBar(DrawingSurface& surface, double x1, double x2, double z, QRgb colour) {
    const ChargeFigure::Bar& bar = FrontBar();
    const double outline = bar.outlineHalfHeight / z, fill = bar.fillHalfHeight / z;
    const QRect inside =
        surface.pixelBox(bar.from, outline, bar.to, -outline).adjusted(1, 1, -1, -1);
    surface.fillPixels(surface.pixelBox(x1, fill, x2, -fill) & inside, colour);
}

void DrawFrontFrameFigure(DrawingSurface& surface, const FrontFrameLook& look) {
    const double z = look.zoomFactor;
    const ChargeFigure::Bar& bar = FrontBar();
    const double outline = bar.outlineHalfHeight / z;
    startFrame(surface, z);
    FillBar(surface, bar.from, bar.to, z, look.segmentColour);
    surface.drawBox(bar.from, outline, bar.to, -outline, surface.foreground());
    for (double x : ElementBoundaries(look.elementCount))
        surface.drawSegment(x, outline, x, -outline, surface.foreground());
    if (look.exactModel) FillBar(surface, bar.from, bar.to, z, look.chargeColour);  // continuous
    drawLetters(surface, z, true);
}

void DrawProfileFrameFigure(DrawingSurface& surface, double zoomFactor, QRgb chargeColour) {
    const double z = zoomFactor;
    startFrame(surface, z);
    for (double radius : ProfileRings()) surface.drawCircle(0, 0, radius / z, chargeColour);
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
    const ChargeFigure::Bar& bar = FrontBar();
    const double ring = ProfileRings().front() / z, outline = bar.outlineHalfHeight / z;
    return {letter(kVerticalLetter, "Y"), letter(kHorizontalLetter, horizontalLetter(front)),
            front ? box(bar.from, outline, bar.to, -outline) : box(-ring, ring, ring, -ring)};
}
