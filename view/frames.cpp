#include "view/frames.h"

#include <QFontMetricsF>
#include <cmath>

#include "field/world_window.h"
#include "view/drawing_surface.h"
#include "view/pixel_index.h"

namespace {

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

// Where a bar's element boundaries are drawn: from the start by repeated
// addition of 1/N of the bar while the sum is at most its end. With 20 or 50
// elements the sum passes 1 by rounding before the last stroke, and the
// bar's outline alone marks its end.
std::vector<double> ElementBoundaries(const ChargeFigure::Bar& bar, int elementCount) {
    std::vector<double> boundaries;
    const double step = (bar.to - bar.from) / elementCount;
    for (double x = bar.from; x <= bar.to; x += step) boundaries.push_back(x);
    return boundaries;
}

// The pixels strictly inside a box's outline, the outline as drawBox draws it.
QRect Inside(const DrawingSurface& surface, double x1, double y1, double x2, double y2) {
    return surface.pixelBox(x1, y1, x2, y2).adjusted(1, 1, -1, -1);
}

// The bar and everything painted over it fill only pixels strictly inside the
// bar's outline, so the outline shows on every side at every zoom and the bar
// has the same thickness in pixels at every zoom.
void FillBar(DrawingSurface& surface, const ChargeFigure::Bar& bar, double x1, double x2, double z,
             QRgb colour) {
    const double outline = bar.outlineHalfHeight / z, fill = bar.fillHalfHeight / z;
    const QRect inside = Inside(surface, bar.from, outline, bar.to, -outline);
    surface.fillPixels(surface.pixelBox(x1, fill, x2, -fill) & inside, colour);
}

// The same across the axis, from y1 to y2, for a cut or a ring seen edge-on,
// between x = at + left and x = at + right (m).
void FillAcross(DrawingSurface& surface, const ChargeFigure::CrossBar& bar, double left,
                double right, double y1, double y2, double z, QRgb colour) {
    const double outline = bar.outlineHalfWidth / z;
    const QRect inside = Inside(surface, bar.at - outline, bar.reach, bar.at + outline, -bar.reach);
    surface.fillPixels(surface.pixelBox(bar.at + left, y1, bar.at + right, y2) & inside, colour);
}

// The charge along the cut: its fill, or the line of a ring's wire seen edge-on.
void PaintAcross(DrawingSurface& surface, const ChargeFigure::CrossBar& bar, double z,
                 QRgb colour) {
    if (bar.fillHalfWidth > 0) {
        const double fill = bar.fillHalfWidth / z;
        FillAcross(surface, bar, -fill, fill, bar.reach, -bar.reach, z, colour);
    } else {
        surface.drawSegment(bar.at, bar.reach, bar.at, -bar.reach, colour);
    }
}

void DrawBar(DrawingSurface& surface, const ChargeFigure::Bar& bar, const FrontFrameLook& look) {
    const double z = look.zoomFactor, outline = bar.outlineHalfHeight / z;
    FillBar(surface, bar, bar.from, bar.to, z, look.segmentColour);
    surface.drawBox(bar.from, outline, bar.to, -outline, surface.foreground());
    for (double x : ElementBoundaries(bar, look.elementCount))
        surface.drawSegment(x, outline, x, -outline, surface.foreground());
    if (look.exactModel) FillBar(surface, bar, bar.from, bar.to, z, look.chargeColour);
}

// The heights where the elements show on the cut: a disk's rings at their
// borders either side of the axis, a ring's point charges where they lie.
std::vector<double> CrossStrokes(const ChargeDistribution& shape, int n) {
    std::vector<double> heights;
    for (int i = 1; i <= n; ++i) {
        const ChargeElement e = shape.element(i, n);
        if (e.ringRadius > 0)
            heights.insert(heights.end(), {e.to, -e.to});
        else
            heights.push_back(e.centre.y);
    }
    return heights;
}

void DrawCrossBar(DrawingSurface& surface, const ChargeFigure::CrossBar& bar,
                  const FrontFrameLook& look) {
    const double z = look.zoomFactor, outline = bar.outlineHalfWidth / z;
    PaintAcross(surface, bar, z, look.segmentColour);
    surface.drawBox(bar.at - outline, bar.reach, bar.at + outline, -bar.reach,
                    surface.foreground());
    if (look.exactModel) {  // the continuous charge: no elements to mark
        PaintAcross(surface, bar, z, look.chargeColour);
        return;
    }
    for (double y : CrossStrokes(*look.shape, look.elementCount))
        surface.drawSegment(bar.at - outline, y, bar.at + outline, y, surface.foreground());
}

// The pixels whose offsets (dx, dy) from the pixel of the origin have
// inner² < dx² + dy² < outer², radii in pixels rounded as a drawn circle's:
// filled before the circles are drawn, they lie inside them and leave no gap.
void FillRound(DrawingSurface& surface, double inner, double outer, QRgb colour) {
    const WorldWindow& world = surface.world();
    const auto pixels = [&](double r) { return std::llround(r * world.pixelsPerMetre()); };
    const long long in = inner > 0 ? pixels(inner) : -1, out = pixels(outer);
    const auto ox = PixelIndex(world.toPixelX(0)), oy = PixelIndex(world.toPixelY(0));
    const auto span = [](long long r2, long long dy) {  // the largest dx with dx² + dy² < r²
        long long dx = std::llround(std::sqrt(double(std::max(0LL, r2 - dy * dy))));
        while (dx > 0 && dx * dx + dy * dy >= r2) --dx;
        return dx * dx + dy * dy < r2 ? dx : -1;
    };
    for (long long dy = -out; dy <= out; ++dy) {
        const long long far = span(out * out, dy);
        if (far < 0) continue;
        const long long near = in < 0 ? -1 : span(in * in + 1, dy);  // dx² + dy² ≤ in²
        const auto row = [&](long long from, long long to) {
            if (from <= to)
                surface.fillPixels(
                    QRect(QPoint(int(ox + from), int(oy + dy)), QPoint(int(ox + to), int(oy + dy))),
                    colour);
        };
        if (near < 0) {
            row(-far, far);
        } else {
            row(near + 1, far);
            row(-far, -near - 1);
        }
    }
}

void DrawCircleFigure(DrawingSurface& surface, const ChargeFigure::Circle& circle, double z,
                      QRgb chargeColour) {
    const double outline = circle.outlineHalfWidth / z;
    const double outer = circle.radius + outline, inner = circle.radius - outline;
    FillRound(surface, circle.filled ? 0 : inner, outer, chargeColour);
    surface.drawCircle(0, 0, outer, surface.foreground());
    if (!circle.filled) surface.drawCircle(0, 0, inner, surface.foreground());
}

}  // namespace

void DrawFrontFrameFigure(DrawingSurface& surface, const FrontFrameLook& look) {
    const double z = look.zoomFactor;
    startFrame(surface, z);
    const ChargeFigure figure = look.shape->figure(View::Front);
    if (figure.bar) DrawBar(surface, *figure.bar, look);
    if (figure.crossBar) DrawCrossBar(surface, *figure.crossBar, look);
    drawLetters(surface, z, true);
}

void MarkElement(DrawingSurface& surface, const ChargeDistribution& shape, int i, int n, double z,
                 QRgb colour) {
    const ChargeFigure figure = shape.figure(View::Front);
    const ChargeElement e = shape.element(i, n);
    surface.setPen(DrawingSurface::Pen::Copy);
    const double d = e.to - e.from;
    if (figure.bar) FillBar(surface, *figure.bar, e.from + 0.4 * d, e.to - 0.4 * d, z, colour);
    if (!figure.crossBar) return;
    const ChargeFigure::CrossBar& bar = *figure.crossBar;
    const double half = bar.outlineHalfWidth / z;
    if (e.ringRadius > 0) {
        const double low = e.from + 0.4 * d, high = e.to - 0.4 * d;
        FillAcross(surface, bar, -half, half, high, low, z, colour);
        FillAcross(surface, bar, -half, half, -low, -high, z, colour);
        return;
    }
    const double y = e.centre.y;
    const double left = e.centre.z > 0 ? 0 : -half, right = e.centre.z < 0 ? 0 : half;
    FillAcross(surface, bar, left, right, y + half, y - half, z, colour);
}

void DrawProfileFrameFigure(DrawingSurface& surface, double zoomFactor, QRgb chargeColour,
                            const ChargeDistribution& shape) {
    const double z = zoomFactor;
    startFrame(surface, z);
    const ChargeFigure figure = shape.figure(View::Profile);
    for (double radius : figure.ringRadii) surface.drawCircle(0, 0, radius / z, chargeColour);
    if (figure.circle) DrawCircleFigure(surface, *figure.circle, z, chargeColour);
    drawLetters(surface, z, false);
}

std::vector<QRectF> FrameFigureBoxes(const WorldWindow& world, const QFont& font, double pixelRatio,
                                     double zoomFactor, bool front,
                                     const ChargeDistribution& shape) {
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
    const auto round = [&](double radius) { return box(-radius, radius, radius, -radius); };
    std::vector<QRectF> boxes{letter(kVerticalLetter, "Y"),
                              letter(kHorizontalLetter, horizontalLetter(front))};
    const ChargeFigure figure = shape.figure(front ? View::Front : View::Profile);
    if (const auto& bar = figure.bar) {
        const double outline = bar->outlineHalfHeight / z;
        boxes.push_back(box(bar->from, outline, bar->to, -outline));
    }
    if (const auto& bar = figure.crossBar) {
        const double outline = bar->outlineHalfWidth / z;
        boxes.push_back(box(bar->at - outline, bar->reach, bar->at + outline, -bar->reach));
    }
    if (!figure.ringRadii.empty()) boxes.push_back(round(figure.ringRadii.front() / z));
    if (const auto& circle = figure.circle)
        boxes.push_back(round(circle->radius + circle->outlineHalfWidth / z));
    return boxes;
}
