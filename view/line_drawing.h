#pragma once

#include <QRgb>
#include <vector>

#include "field/domain.h"

class DrawingSurface;

// Draws a curve as one continued stroke: the first point as a single pixel,
// then a segment to each following point, with the surface's current pen.
void DrawPolyline(DrawingSurface& surface, const std::vector<WorldPoint>& points, QRgb colour);

// Continues a stroke from the surface's current position through points[1..].
void ContinuePolyline(DrawingSurface& surface, const std::vector<WorldPoint>& points, QRgb colour);
