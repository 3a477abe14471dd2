#include "fieldmap/potential_map.h"

#include <algorithm>
#include <cmath>

#include "fieldmap/axis_mirror.h"
#include "fieldmap/potential_rows.h"
#include "fieldmap/row_workers.h"

namespace {

// The potential is even in y and, about the plane of the charge's middle, in
// x in the front view where the charge is (the uniform segment, the ring, the
// disk, and point charges placed so); in the profile view it depends on the
// distance from the axis alone.
struct Mirrors {
    AxisMirror columns;
    AxisMirror rows;
};

Mirrors MirrorsOf(const FieldModel& model, const WorldWindow& area) {
    const double columnStep = area.width / area.columns, rowStep = -area.height / area.rows;
    if (model.view == View::Profile)
        return {AxisMirror(area.xAt(0), columnStep, area.columns, 0),
                AxisMirror(area.yAt(0), rowStep, area.rows, 0)};
    const double middle = model.shape->bisectorX();
    Mirrors mirrors;
    if (EvenAboutItsPlane(model))
        mirrors.columns = AxisMirror(area.xAt(0), columnStep, area.columns, middle);
    if (EvenInY(model)) mirrors.rows = AxisMirror(area.yAt(0), rowStep, area.rows, 0);
    return mirrors;
}

// Abscissas where the potential has no value or changes by more than the
// model's precision when a pixel centre moves by its last bit: there a
// mirrored copy could differ from the pixel's own value. The ends of a bar,
// the line of a charge across the axis, the elements.
std::vector<double> SingularAbscissas(const FieldModel& model) {
    if (model.view == View::Profile) return {0};
    const ChargeFigure figure = model.shape->figure(View::Front);
    std::vector<double> xs;
    if (figure.bar) xs = {figure.bar->from, figure.bar->to};
    if (figure.crossBar) xs.push_back(figure.crossBar->at);
    for (int i = 1; i <= model.charges; ++i)
        xs.push_back(model.shape->element(i, model.charges).centre.x);
    return xs;
}

class MapFiller {
public:
    MapFiller(const FieldModel& model, const WorldWindow& area, PotentialMap& map)
        : model_(model), area_(area), map_(map), mirrors_(MirrorsOf(model, area)) {
        for (int i = 0; i < area.columns; ++i) xs_.push_back(area.xAt(i));
        const std::vector<double> singular = SingularAbscissas(model);
        for (int i = mirrors_.columns.copiedBegin(); i < mirrors_.columns.copiedEnd(); ++i)
            for (double s : singular)
                if (std::fabs(xs_[i] - s) < 1e-9) recomputed_.push_back(i);
    }

    // A mirrored row is filled with its original.
    void fillRowAndMirror(int row) const {
        if (isCopiedRow(row)) return;
        fillRow(row);
        const int mirror = mirrors_.rows.mirrorOf(row);
        if (isCopiedRow(mirror)) std::copy_n(rowStart(row), area_.columns, rowStart(mirror));
    }

private:
    // Only rows whose centre is exactly the other's negative: y enters as y².
    bool isCopiedRow(int row) const {
        const AxisMirror& rows = mirrors_.rows;
        return row >= rows.copiedBegin() && row < rows.copiedEnd() &&
               area_.yAt(row) == -area_.yAt(rows.mirrorOf(row));
    }

    double* rowStart(int row) const { return map_.volts.data() + std::size_t(row) * area_.columns; }

    void fillRow(int row) const {
        const AxisMirror& columns = mirrors_.columns;
        double* out = rowStart(row);
        const double y = area_.yAt(row);
        const int begin = columns.copiedBegin(), end = columns.copiedEnd();
        PotentialRow(model_, xs_.data(), y, out, std::size_t(begin));
        PotentialRow(model_, xs_.data() + end, y, out + end, std::size_t(area_.columns - end));
        for (int i = begin; i < end; ++i) out[i] = out[columns.mirrorOf(i)];
        for (int i : recomputed_) PotentialRow(model_, &xs_[i], y, &out[i], 1);
    }

    const FieldModel& model_;
    const WorldWindow& area_;
    PotentialMap& map_;
    Mirrors mirrors_;
    std::vector<double> xs_;
    std::vector<int> recomputed_;
};

}  // namespace

void ComputePotentialMap(const FieldModel& model, const WorldWindow& area, PotentialMap& map,
                         std::stop_token stop) {
    map.columns = area.columns;
    map.rows = area.rows;
    map.volts.resize(std::size_t(area.columns) * area.rows);
    const MapFiller filler(model, area, map);
    ShareRowsAmongCores(area.rows, [&](int row) {
        if (!stop.stop_requested()) filler.fillRowAndMirror(row);
    });
}

PotentialMap ComputePotentialMap(const FieldModel& model, const WorldWindow& area) {
    PotentialMap map;
    ComputePotentialMap(model, area, map);
    return map;
}
