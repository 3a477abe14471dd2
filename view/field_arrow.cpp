#include "view/field_arrow.h"

#include <cmath>

#include "view/drawing_surface.h"

namespace {
constexpr double kHeadSize = 0.01;  // barbs end 2h behind the tip and h to each side
}  // namespace

void DrawFieldArrow(DrawingSurface& surface, const ArrowPlacement& at, Currency ex, Currency ey,
                    QRgb colour) {
    surface.setPen(DrawingSurface::Pen::Xor);
    const double z = at.zoomFactor;
    const double scale = kArrowMetresPerVoltPerMetre / (z * z * z);
    const double fx = ex.toDouble(), fy = ey.toDouble();
    double tipX = at.baseX, tipY = at.baseY;
    if (at.withShaft) {
        tipX += scale * fx;
        tipY += scale * fy;
        surface.drawSegment(at.baseX, at.baseY, tipX, tipY, colour);
    }
    const double h = kHeadSize / z;
    // Unit direction; a vertical or zero field points the head up or down.
    double u = 0, w = fy > 0 ? 1 : -1;
    if (fx != 0) {
        const double theta = std::atan(fy / fx);
        u = std::cos(theta);
        w = std::sin(theta);
    }
    const double g = fx < 0 ? -1 : 1;
    const double ux = g * u, uy = g * w;  // the unit vector of the field
    // The barbs end 2h behind the tip and h to either side of the shaft's line.
    const double backX = tipX - 2 * h * ux, backY = tipY - 2 * h * uy;
    surface.drawSegment(backX + h * uy, backY - h * ux, tipX, tipY, colour);
    surface.drawSegment(backX - h * uy, backY + h * ux, tipX, tipY, colour);
    surface.setPen(DrawingSurface::Pen::Copy);
}
