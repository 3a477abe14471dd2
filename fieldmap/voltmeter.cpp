#include "fieldmap/voltmeter.h"

#include <algorithm>
#include <cmath>

namespace {

// The potential as the read-outs hold it: rounded once (the exact model) or
// as the sum of the rounded contributions of the charges.
std::optional<Currency> ShownPotential(const FieldModel& model, MapPoint p) {
    double x = p.x, y = p.y;
    if (model.view == MapView::Profile) x = 0.5, y = std::hypot(p.x, p.y);
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

// The 15-point Kronrod rule and its embedded 7-point Gauss rule on [-1, 1].
constexpr double kNodes[8] = {
    0.991455371120812639, 0.949107912342758525, 0.864864423359769073, 0.741531185599394440,
    0.586087235467691130, 0.405845151377397167, 0.207784955007898468, 0.0};
constexpr double kKronrod[8] = {0.022935322010529225, 0.063092092629978553, 0.104790010322250184,
                                0.140653259715525919, 0.169004726639267903, 0.190350578064785410,
                                0.204432940075298892, 0.209482141084727828};
constexpr double kGauss[4] = {0.129484966168869693, 0.279705391489276668, 0.381830050505118945,
                              0.417959183673469388};

struct Path {
    const FieldModel& model;
    MapPoint a;
    MapPoint b;

    // −E·dl/dt at the fraction t of the way.
    double integrand(double t) const {
        const double dx = b.x - a.x, dy = b.y - a.y;
        const auto f = ModelFieldAt(model, a.x + t * dx, a.y + t * dy);
        return f ? -(f->ex * dx + f->ey * dy) : 0;
    }

    struct Estimate {
        double kronrod;
        double gauss;
    };
    Estimate rule(double from, double to) const {
        const double half = (to - from) / 2, middle = (from + to) / 2;
        const double centre = integrand(middle);
        Estimate e{kKronrod[7] * centre, kGauss[3] * centre};
        for (int i = 0; i < 7; ++i) {
            const double pair =
                integrand(middle - half * kNodes[i]) + integrand(middle + half * kNodes[i]);
            e.kronrod += kKronrod[i] * pair;
            if (i % 2 == 1) e.gauss += kGauss[i / 2] * pair;
        }
        return {e.kronrod * half, e.gauss * half};
    }

    // Splits each piece in two until the two rules agree to within tolerance.
    double adaptive(double from, double to, double tolerance, int depth) const {
        const Estimate e = rule(from, to);
        if (std::fabs(e.kronrod - e.gauss) <= tolerance || depth == 0) return e.kronrod;
        const double middle = (from + to) / 2;
        return adaptive(from, middle, tolerance / 2, depth - 1) +
               adaptive(middle, to, tolerance / 2, depth - 1);
    }
};

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

double MinusLineIntegral(const FieldModel& model, MapPoint a, MapPoint b) {
    // The potentials set the scale: their difference may vanish.
    const double scale = std::fabs(ModelPotentialAt(model, a.x, a.y).value_or(0)) +
                         std::fabs(ModelPotentialAt(model, b.x, b.y).value_or(0));
    return Path{model, a, b}.adaptive(0, 1, 1e-9 * scale, 30);
}

std::optional<VoltmeterReading> ReadVoltmeter(const FieldModel& model, MapPoint a, MapPoint b,
                                              double chargeMicrocoulombs) {
    const auto va = ShownPotential(model, a), vb = ShownPotential(model, b);
    if (!va || !vb) return std::nullopt;
    const auto delta = Difference(*vb, *va);
    if (!delta) return std::nullopt;
    VoltmeterReading reading{*va, *vb, *delta, chargeMicrocoulombs * delta->toDouble(),
                             std::nullopt};
    if (!PathMeetsSegment(model.view, a, b)) reading.lineIntegral = MinusLineIntegral(model, a, b);
    return reading;
}
