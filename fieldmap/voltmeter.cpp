#include "fieldmap/voltmeter.h"

#include <algorithm>
#include <cmath>

namespace {

// The potential as the read-outs hold it.
std::optional<Currency> ShownPotential(const FieldModel& model, WorldPoint p) {
    const auto sample = model.shownAt(p);
    if (!sample) return std::nullopt;
    return sample->V;
}

std::optional<Currency> Difference(Currency b, Currency a) {
    std::int64_t units = 0;
    if (__builtin_sub_overflow(b.tenThousandths(), a.tenThousandths(), &units)) return std::nullopt;
    return Currency::fromTenThousandths(units);
}

// Whether the path passes within a tenth of a millimetre of where one of the
// elements meets the plane (front view): between them the field is finite and
// is integrated.
bool PathMeetsCharge(const FieldModel& model, WorldPoint a, WorldPoint b) {
    constexpr double kClearance = 1e-4;  // m
    for (int i = 1; i <= model.charges; ++i)
        for (WorldPoint p : ElementInPlane(model.shape->element(i, model.charges)))
            if (DistanceToPath(p, a, b) < kClearance) return true;
    return false;
}

}  // namespace

std::optional<VoltmeterReading> ReadVoltmeter(const FieldModel& model, WorldPoint a, WorldPoint b,
                                              double chargeMicrocoulombs) {
    const auto va = ShownPotential(model, a), vb = ShownPotential(model, b);
    if (!va || !vb) return std::nullopt;
    const auto delta = Difference(*vb, *va);
    if (!delta) return std::nullopt;
    VoltmeterReading reading{*va, *vb, *delta, chargeMicrocoulombs * delta->toDouble(),
                             std::nullopt};
    const bool pointCharges = model.charges > 0 && model.view == View::Front;
    const bool refused = pointCharges ? PathMeetsCharge(model, a, b)
                                      : model.shape->pathMeetsCharge(model.view, a, b);
    if (!refused) reading.lineIntegral = MinusLineIntegral(model, a, b);
    return reading;
}
