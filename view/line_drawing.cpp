#include "view/line_drawing.h"

#include "view/drawing_surface.h"

void DrawPolyline(DrawingSurface& surface, const std::vector<WorldPoint>& points, QRgb colour) {
    if (points.empty()) return;
    surface.setPixel(points.front().x, points.front().y, colour);
    ContinuePolyline(surface, points, colour);
}

void ContinuePolyline(DrawingSurface& surface, const std::vector<WorldPoint>& points, QRgb colour) {
    for (std::size_t i = 1; i < points.size(); ++i)
        surface.drawSegmentTo(points[i].x, points[i].y, colour);
}
