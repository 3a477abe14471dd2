#include "fieldmap/axis_mirror.h"

#include <algorithm>
#include <cmath>
#include <vector>

AxisMirror::AxisMirror(double first, double step, int count, double about) {
    // Centre i + centre k = 2·about when i + k = 2·(about - first) / step.
    const double sum = 2 * (about - first) / step;
    const double nearest = std::round(sum);
    if (std::fabs(sum - nearest) > 1e-6 || nearest < 1 || nearest > 2.0 * count) return;
    sum_ = static_cast<int>(nearest);
    copiedBegin_ = sum_ / 2 + 1;
    copiedEnd_ = std::min(sum_, count - 1) + 1;
}

namespace {

template <class Image>
bool ElementsMirror(const FieldModel& model, const Image& image) {
    const int n = model.charges > 0 ? model.charges : kMaxElements;
    std::vector<ChargeElement> elements;
    for (int i = 1; i <= n; ++i) elements.push_back(model.shape->element(i, n));
    const auto near = [](double a, double b) { return std::fabs(a - b) <= 1e-12; };
    return std::all_of(elements.begin(), elements.end(), [&](const ChargeElement& e) {
        const SpacePoint m = image(e.centre);
        return std::any_of(elements.begin(), elements.end(), [&](const ChargeElement& o) {
            return near(o.centre.x, m.x) && near(o.centre.y, m.y) &&
                   near(std::fabs(o.centre.z), std::fabs(m.z)) && o.ringRadius == e.ringRadius &&
                   near(o.chargePerDensity / e.chargePerDensity, 1);
        });
    });
}

}  // namespace

bool EvenAboutItsPlane(const FieldModel& model) {
    const double middle = model.shape->bisectorX();
    return ElementsMirror(model, [middle](SpacePoint p) {
        return SpacePoint{2 * middle - p.x, p.y, p.z};
    });
}

bool EvenInY(const FieldModel& model) {
    return ElementsMirror(model, [](SpacePoint p) { return SpacePoint{p.x, -p.y, p.z}; });
}
