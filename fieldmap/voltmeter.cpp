#include "fieldmap/voltmeter.h"

#include <algorithm>
#include <cmath>

namespace {

// The potential as the read-outs hold it: rounded once (the exact model) or
// as the sum of the rounded contributions of the charges.
std::optional<Currency> ShownPotential(const FieldModel& model, MapPoint p) {
    const bool front = model.view == MapView::Front;
    const double x = front ? p.x : segment::kMiddle, y = front ? p.y : std::hypot(p.x, p.y);
    const auto sample = model.charges == 0 ? ComputeField(x, y, model.lambda)
                                           : PointChargeSum(model.charges, x, y, model.lambda);
    if (!sample) return std::nullopt;
    return sample->V;
}

std::optional<Currency> Difference(Currency b, Currency a) {
    std::int64_t units = 0;
    if (__builtin_sub_overflow(b.tenThousandths(), a.tenThousandths(), &units)) return std::nullopt;
    return Currency::fromTenThousandths(units);
}

}  // namespace

bool PathMeetsSegment(MapView view, MapPoint a, MapPoint b) {
    if (view == MapView::Profile)  // the segment is seen end-on at the origin
        return a.x * b.y == a.y * b.x && a.x * b.x + a.y * b.y <= 0;
    if ((a.y > 0 && b.y > 0) || (a.y < 0 && b.y < 0)) return false;
    if (a.y == b.y)  // along the axis
        return std::max(a.x, b.x) >= 0 && std::min(a.x, b.x) <= segment::kLength;
    const double x = a.x + (b.x - a.x) * (a.y / (a.y - b.y));
    return x >= 0 && x <= segment::kLength;
}

bool PathMeetsCharge(const FieldModel& model, MapPoint a, MapPoint b) {
    constexpr double kClearance = 1e-4;  // m
    for (int i = 1; i <= model.charges; ++i)
        if (DistanceToPath({ElementCentre(i, model.charges), 0}, a, b) < kClearance) return true;
    return false;
}

std::optional<VoltmeterReading> ReadVoltmeter(const FieldModel& model, MapPoint a, MapPoint b,
                                              double chargeMicrocoulombs) {
    const auto va = ShownPotential(model, a), vb = ShownPotential(model, b);
    if (!va || !vb) return std::nullopt;
    const auto delta = Difference(*vb, *va);
    if (!delta) return std::nullopt;
    VoltmeterReading reading{*va, *vb, *delta, chargeMicrocoulombs * delta->toDouble(),
                             std::nullopt};
    const bool pointCharges = model.charges > 0 && model.view == MapView::Front;
    const bool refused =
        pointCharges ? PathMeetsCharge(model, a, b) : PathMeetsSegment(model.view, a, b);
    if (!refused) reading.lineIntegral = MinusLineIntegral(model, a, b);
    return reading;
}
