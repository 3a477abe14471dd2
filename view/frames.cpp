#include "view/frames.h"

#include "field/domain.h"
#include "view/drawing_surface.h"

using segment::kLength;

namespace {

constexpr double kBarHalfHeight = 0.007;      // the filled segment bar
constexpr double kOutlineHalfHeight = 0.008;  // its outline and the element strokes

void drawAxes(DrawingSurface& surface, double z) {
    surface.drawSegment(kWorldLow / z, 0, kWorldHigh / z, 0, surface.foreground());
    surface.drawSegment(0, kWorldLow / z, 0, kWorldHigh / z, surface.foreground());
}

void drawLetters(DrawingSurface& surface, double z, const char* horizontal) {
    surface.setCurrentPosition(-0.04 / z, 1.05 / z);
    surface.printText("Y");
    surface.setCurrentPosition(1.05 / z, -0.03 / z);
    surface.printText(horizontal);
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
    drawLetters(surface, z, "X");
}

void DrawProfileFrameFigure(DrawingSurface& surface, double zoomFactor, QRgb chargeColour) {
    const double z = zoomFactor;
    startFrame(surface, z);
    for (double radius : {0.01, 0.005, 0.002}) surface.drawCircle(0, 0, radius / z, chargeColour);
    drawLetters(surface, z, "Z");
}
