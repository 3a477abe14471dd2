#include "fieldmap/field_grid.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <thread>

#include "fieldmap/axis_mirror.h"
#include "fieldmap/potential_rows.h"

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

// The fields at the cells' centres. Where they take long (the disk's), on
// two threads and once for each pair of cells that mirror each other, as the
// map is.
std::vector<std::optional<FieldValue>> CellFields(const FieldModel& model,
                                                  const WorldWindow& cells) {
    std::vector<std::optional<FieldValue>> fields(std::size_t(cells.columns) * cells.rows);
    const auto at = [&](int column, int row) -> auto& {
        return fields[std::size_t(row) * cells.columns + column];
    };
    if (!PotentialRowIsSlow(model)) {
        for (int row = 0; row < cells.rows; ++row)
            for (int column = 0; column < cells.columns; ++column)
                at(column, row) = model.fieldAt({cells.xAt(column), cells.yAt(row)});
        return fields;
    }
    const bool front = model.view == View::Front;
    AxisMirror columns, rows;
    if (!front || EvenAboutItsPlane(model))
        columns = AxisMirror(cells.xAt(0), cells.width / cells.columns, cells.columns,
                             front ? model.shape->bisectorX() : 0);
    if (!front || EvenInY(model))
        rows = AxisMirror(cells.yAt(0), -cells.height / cells.rows, cells.rows, 0);
    const auto copied = [](const AxisMirror& m, int i) {
        return i >= m.copiedBegin() && i < m.copiedEnd();
    };
    const auto fill = [&](int firstRow) {
        for (int row = firstRow; row < cells.rows; row += 2)
            for (int column = 0; column < cells.columns; ++column)
                if (!copied(rows, row) && !copied(columns, column))
                    at(column, row) = model.fieldAt({cells.xAt(column), cells.yAt(row)});
    };
    std::thread other(fill, 1);
    fill(0);
    other.join();
    for (int row = 0; row < cells.rows; ++row)
        for (int column = 0; column < cells.columns; ++column) {
            const bool acrossX = copied(columns, column), acrossY = copied(rows, row);
            if (!acrossX && !acrossY) continue;
            auto field =
                at(acrossX ? columns.mirrorOf(column) : column, acrossY ? rows.mirrorOf(row) : row);
            if (field && acrossX) field->ex = -field->ex;
            if (field && acrossY) field->ey = -field->ey;
            at(column, row) = field;
        }
    return fields;
}

}  // namespace

FieldGrid ComputeFieldGrid(const FieldModel& model, const WorldWindow& cells, double clearance) {
    FieldGrid grid;
    const auto fields = CellFields(model, cells);
    for (int row = 0; row < cells.rows; ++row)
        for (int column = 0; column < cells.columns; ++column) {
            const double x = cells.xAt(column), y = cells.yAt(row);
            if (model.shape->distanceFromCharge(model.view, {x, y}) <= clearance) continue;
            const auto& field = fields[std::size_t(row) * cells.columns + column];
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
