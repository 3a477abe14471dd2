#include "fieldmap/field_grid.h"

#include <algorithm>
#include <cmath>

namespace {

std::vector<double> ShadeBounds(const std::vector<GridArrow>& arrows) {
    const auto [weakest, strongest] = std::minmax_element(
        arrows.begin(), arrows.end(),
        [](const GridArrow& a, const GridArrow& b) { return a.magnitude < b.magnitude; });
    const double low = std::log(weakest->magnitude), high = std::log(strongest->magnitude);
    std::vector<double> bounds;
    for (int i = 0; i <= FieldGrid::kShades; ++i)
        bounds.push_back(std::exp(low + (high - low) * i / FieldGrid::kShades));
    bounds.front() = weakest->magnitude;
    bounds.back() = strongest->magnitude;
    return bounds;
}

int ShadeOf(double magnitude, const std::vector<double>& bounds) {
    const auto above = std::upper_bound(bounds.begin() + 1, bounds.end() - 1, magnitude);
    return static_cast<int>(above - bounds.begin()) - 1;
}

}  // namespace

FieldGrid ComputeFieldGrid(const FieldModel& model, const WorldWindow& cells, double clearance) {
    FieldGrid grid;
    for (int row = 0; row < cells.rows; ++row)
        for (int column = 0; column < cells.columns; ++column) {
            const double x = cells.xAt(column), y = cells.yAt(row);
            if (model.shape->distanceFromCharge(model.view, {x, y}) <= clearance) continue;
            const auto field = model.fieldAt({x, y});
            if (!field) continue;
            const double magnitude = std::hypot(field->ex, field->ey);
            if (magnitude > 0) grid.arrows.push_back({x, y, *field, magnitude, 0});
        }
    if (grid.arrows.empty()) return grid;
    grid.bounds = ShadeBounds(grid.arrows);
    for (GridArrow& arrow : grid.arrows) arrow.shade = ShadeOf(arrow.magnitude, grid.bounds);
    return grid;
}

FieldGrid ViewFieldGrid(const FieldModel& model, double zoom) {
    return ComputeFieldGrid(model, WorldWindow::forZoom(zoom, kGridCells, kGridCells),
                            model.shape->band() / zoom);
}
