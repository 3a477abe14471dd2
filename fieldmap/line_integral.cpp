#include "fieldmap/line_integral.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The 15-point Kronrod rule and its embedded 7-point Gauss rule on [-1, 1].
constexpr double kNodes[8] = {
    0.991455371120812639, 0.949107912342758525, 0.864864423359769073, 0.741531185599394440,
    0.586087235467691130, 0.405845151377397167, 0.207784955007898468, 0.0};
constexpr double kKronrod[8] = {0.022935322010529225, 0.063092092629978553, 0.104790010322250184,
                                0.140653259715525919, 0.169004726639267903, 0.190350578064785410,
                                0.204432940075298892, 0.209482141084727828};
constexpr double kGauss[4] = {0.129484966168869693, 0.279705391489276668, 0.381830050505118945,
                              0.417959183673469388};

struct Vector {
    double x;
    double y;
};

// The path in the field of the whole model or, in the front view, of one of
// its point charges: each charge's field varies fast only near that charge.
class Path {
public:
    Path(const FieldModel& model, MapPoint a, MapPoint b, int onlyCharge)
        : model_(model), a_(a), b_(b) {
        for (int i = 1; i <= model.charges; ++i)
            if (onlyCharge == 0 || i == onlyCharge)
                centres_.push_back(ElementCentre(i, model.charges));
        if (model.view == MapView::Profile) {
            sources_ = {{0, 0}};
        } else if (model.charges > 0) {
            for (double c : centres_) sources_.push_back({c, 0});
        } else {  // a path never crosses the segment, so only its ends are sharp
            sources_ = {{0, 0}, {segment::kLength, 0}};
        }
    }

    // Halves a piece longer than twice its distance from a source, or whose
    // two rules disagree by more than the tolerance.
    double integral(double from, double to, double tolerance, int depth) const {
        const MapPoint start = at(from), end = at(to);
        const double length = std::hypot(end.x - start.x, end.y - start.y);
        bool farEnough = true;
        for (MapPoint s : sources_)
            farEnough = farEnough && DistanceToPath(s, start, end) >= 0.5 * length;
        if (farEnough || depth == 0) {
            const auto [kronrod, gauss] = rule(from, to);
            const double disagreement = std::fabs(kronrod - gauss);
            // Rounding alone may keep the rules apart by a few of kronrod's last digits.
            if (disagreement <= tolerance || disagreement <= 1e-13 * std::fabs(kronrod) ||
                depth == 0)
                return kronrod;
        }
        const double middle = (from + to) / 2;
        return integral(from, middle, tolerance / 2, depth - 1) +
               integral(middle, to, tolerance / 2, depth - 1);
    }

private:
    MapPoint at(double t) const { return {a_.x + t * (b_.x - a_.x), a_.y + t * (b_.y - a_.y)}; }

    // The field of the segment's plane; for point charges the sum that
    // PointChargeFieldAt makes (over the path's charges), with a square root
    // for its powers.
    Vector planeField(double x, double y) const {
        if (model_.charges == 0) {
            const auto f = ExactFieldAt(x, y, model_.lambda);
            return f ? Vector{f->ex, f->ey} : Vector{0, 0};
        }
        const double kq = segment::kCoulomb * model_.lambda * (segment::kLength / model_.charges);
        Vector e{0, 0};
        for (double c : centres_) {
            const double dx = x - c, s = dx * dx + y * y, scale = kq / (s * std::sqrt(s));
            e = {e.x + scale * dx, e.y + scale * y};
        }
        return e;
    }

    // −E·dl/dt at the fraction t of the way.
    double integrand(double t) const {
        const MapPoint p = at(t);
        Vector e;
        if (model_.view == MapView::Front) {
            e = planeField(p.x, p.y);
        } else {
            const double r = std::hypot(p.x, p.y), radial = planeField(segment::kMiddle, r).y;
            e = {radial * p.x / r, radial * p.y / r};
        }
        return -(e.x * (b_.x - a_.x) + e.y * (b_.y - a_.y));
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

    const FieldModel& model_;
    MapPoint a_;
    MapPoint b_;
    std::vector<double> centres_;
    std::vector<MapPoint> sources_;
};

}  // namespace

double DistanceToPath(MapPoint p, MapPoint a, MapPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double along = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    const double t = std::clamp(along, 0.0, 1.0);
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

double MinusLineIntegral(const FieldModel& model, MapPoint a, MapPoint b) {
    // The potentials set the scale: their difference may vanish.
    const double scale = std::fabs(ModelPotentialAt(model, a.x, a.y).value_or(0)) +
                         std::fabs(ModelPotentialAt(model, b.x, b.y).value_or(0));
    const int parts = model.view == MapView::Front ? std::max(model.charges, 1) : 1;
    double sum = 0;
    for (int part = 1; part <= parts; ++part)
        sum += Path(model, a, b, parts > 1 ? part : 0).integral(0, 1, 1e-7 * scale / parts, 50);
    return sum;
}
