#include "fieldmap/line_integral.h"

#include "field/ring_field.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
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
// The 15 nodes in the order the rules pair them: −n0, n0, −n1, n1, ... , 0.
constexpr std::array<double, 15> kPairedNodes = {
    -kNodes[0], kNodes[0], -kNodes[1], kNodes[1], -kNodes[2], kNodes[2], -kNodes[3], kNodes[3],
    -kNodes[4], kNodes[4], -kNodes[5], kNodes[5], -kNodes[6], kNodes[6], 0.0};

// A piece at most this fraction of its distance from a singularity: the
// integrand is then analytic in an ellipse about the piece whose axes are
// about 8 times the piece's half-length, and the 7-point Gauss rule is good
// to about 8^-14 of the piece's value, the Kronrod rule to far less.
constexpr double kPieceOverDistance = 0.5;

// Far more halvings than any two points of doubles need (2^-100 of 1e9 m is
// below the smallest distance that has a potential); a guard only.
constexpr int kMaxDepth = 200;

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

struct Vector {
    double x;
    double y;
};

WorldPoint Minus(WorldPoint p, WorldPoint origin) { return {p.x - origin.x, p.y - origin.y}; }

// One field to integrate along the path from a to b: the whole model's or, in
// the front view, one element's, a point charge's in coordinates centred on
// it so that points close to it keep all their digits relative to their
// distance. Its sources are the points near which the field, continued to
// complex points of the path's line, is singular: a point charge; the axis
// in the profile view of a segment, the circle of a ring or a disk; in the
// front view the ends of the charge's cut (a segment's ends, where a ring or
// a disk crosses the plane), and the point where the path's line crosses the
// cut, for the field of a charge spread along it, which the integral over it
// leaves smooth along it.
class Field {
public:
    // element: 0 for the whole model, else element i of the front view.
    Field(const FieldModel& model, int element, WorldPoint a, WorldPoint b)
        : model_(model), element_(element) {
        if (element > 0) {
            const ChargeElement e = model.shape->element(element, model.charges);
            kq_ = e.coulombCharge(model.lambda);
            pointCharge_ = e.ringRadius == 0;
            if (pointCharge_) {
                origin_ = {e.centre.x, e.centre.y};
                offPlane_ = std::fabs(e.centre.z);
                sources_ = {{0, 0}};
            } else {
                sources_ = ElementInPlane(e);
            }
            return;
        }
        if (model.view == View::Profile) {
            const ChargeFigure figure = model.shape->figure(View::Profile);
            if (figure.circle)
                circle_ = figure.circle->radius;
            else
                sources_ = {{0, 0}};
            return;
        }
        const ChargeFigure figure = model.shape->figure(View::Front);
        if (figure.bar) {
            const double from = figure.bar->from, to = figure.bar->to;
            sources_ = {{from, 0}, {to, 0}};
            if (a.y != b.y) {
                const double x = a.x + (b.x - a.x) * (a.y / (a.y - b.y));
                if (x > from && x < to) sources_.push_back({x, 0});
            }
        }
        if (figure.crossBar) {  // filled where the charge covers its cut: a disk's
            const double at = figure.crossBar->at, reach = figure.crossBar->reach;
            sources_.push_back({at, reach});
            sources_.push_back({at, -reach});
            if (figure.crossBar->fillHalfWidth > 0 && a.x != b.x) {
                const double y = a.y + (b.y - a.y) * ((at - a.x) / (b.x - a.x));
                if (std::fabs(y) < reach) sources_.push_back({at, y});
            }
        }
    }

    WorldPoint origin() const { return origin_; }

    // How far the piece from a to b (in this field's coordinates) lies from the sources.
    double clearance(WorldPoint a, WorldPoint b) const {
        double nearest = INFINITY;
        for (WorldPoint s : sources_) nearest = std::min(nearest, DistanceToPath(s, a, b));
        if (circle_ > 0) {
            // Within the circle, the farthest point of the piece is an end.
            const double least = LeastDistanceFromOrigin(a, b);
            const double most = std::max(std::hypot(a.x, a.y), std::hypot(b.x, b.y));
            nearest = std::min(nearest, least > circle_ ? least - circle_ : circle_ - most);
        }
        return offPlane_ > 0 ? std::hypot(nearest, offPlane_) : nearest;
    }

    // By how much the rounding of a point p of a piece, a unit in the last
    // place of its coordinates, changes the field, relative to the field, in
    // units of the last place.
    static double placing(WorldPoint p, double clearance) {
        return 1 + std::hypot(p.x, p.y) / clearance;
    }

    // −E·half at the points middle + u·half of the nodes u; a point charge's
    // field in one tight loop, the most common case.
    void along(WorldPoint middle, Vector half, std::array<double, 15>& values) const {
        if (element_ > 0 && pointCharge_) {
            const double z2 = offPlane_ * offPlane_;
            for (std::size_t i = 0; i < values.size(); ++i) {
                const double x = middle.x + kPairedNodes[i] * half.x;
                const double y = middle.y + kPairedNodes[i] * half.y;
                const double s = x * x + y * y + z2;
                values[i] = -(kq_ / (s * std::sqrt(s))) * (x * half.x + y * half.y);
            }
            return;
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            const Vector e =
                at({middle.x + kPairedNodes[i] * half.x, middle.y + kPairedNodes[i] * half.y});
            values[i] = -(e.x * half.x + e.y * half.y);
        }
    }

    Vector at(WorldPoint p) const {
        if (element_ > 0) {
            const auto f =
                model_.shape->elementField(element_, model_.charges, {p.x, p.y, 0}, model_.lambda);
            return f ? Vector{f->ex, f->ey} : Vector{0, 0};
        }
        if (model_.view == View::Front) return planeField(p.x, p.y);
        const SpacePoint at = model_.evaluatedAt(p);
        const double r = at.y;
        if (r == 0) return {0, 0};  // on the axis the field has no part across it
        const double radial = planeField(at.x, r).y;
        return {radial * p.x / r, radial * p.y / r};
    }

private:
    Vector planeField(double x, double y) const {
        if (model_.charges == 0) {
            const auto f = model_.shape->exactField({x, y, 0}, model_.lambda);
            return f ? Vector{f->ex, f->ey} : Vector{0, 0};
        }
        Vector e{0, 0};
        for (int i = 1; i <= model_.charges; ++i) {
            const auto one =
                model_.shape->elementField(i, model_.charges, {x, y, 0}, model_.lambda);
            if (one) e = {e.x + one->ex, e.y + one->ey};
        }
        return e;
    }

    const FieldModel& model_;
    int element_;
    double kq_ = 0;
    bool pointCharge_ = false;
    double offPlane_ = 0;  // the point charge's distance from the plane, m
    double circle_ = 0;    // the radius of a circle of sources, m; 0 for none
    WorldPoint origin_{0, 0};
    std::vector<WorldPoint> sources_;
};

class Integrator {
public:
    explicit Integrator(const Field& field) : field_(field) {}

    // Halves the piece from a to b, its ends as points, until each part is
    // short enough for its distance from the singularities.
    void add(WorldPoint a, WorldPoint b, int depth) {
        const double clearance = field_.clearance(a, b);
        const double dx = b.x - a.x, dy = b.y - a.y, reach = kPieceOverDistance * clearance;
        if (dx * dx + dy * dy > reach * reach && depth > 0) {
            const WorldPoint middle{a.x / 2 + b.x / 2, a.y / 2 + b.y / 2};
            add(a, middle, depth - 1);
            add(middle, b, depth - 1);
            return;
        }
        const WorldPoint middle{a.x / 2 + b.x / 2, a.y / 2 + b.y / 2};
        const Vector half{b.x / 2 - a.x / 2, b.y / 2 - a.y / 2};
        std::array<double, 15> values;
        field_.along(middle, half, values);
        const double centre = values[14];
        double kronrod = kKronrod[7] * centre, gauss = kGauss[3] * centre;
        double magnitude = kKronrod[7] * std::fabs(centre);
        for (int i = 0; i < 7; ++i) {
            const double left = values[2 * i], right = values[2 * i + 1];
            kronrod += kKronrod[i] * (left + right);
            if (i % 2 == 1) gauss += kGauss[i / 2] * (left + right);
            magnitude += kKronrod[i] * (std::fabs(left) + std::fabs(right));
        }
        // The rules' disagreement bounds the Kronrod rule's error; rounding
        // adds some units of the last place, and the nodes' positions, off by
        // their own last place, move the field by that over the clearance.
        const double placing = Field::placing(middle, clearance);
        const double rounding = kEpsilon * magnitude * (16 + 4 * placing);
        sum_ += kronrod;
        error_ += std::fabs(kronrod - gauss) + rounding;
        absolute_ += std::fabs(kronrod);
        ++pieces_;
    }

    // Summing n pieces costs at most n units of the last place of their sizes.
    PathIntegral result() const { return {sum_, error_ + pieces_ * kEpsilon * absolute_}; }

private:
    const Field& field_;
    double sum_ = 0;
    double error_ = 0;
    double absolute_ = 0;
    int pieces_ = 0;
};

}  // namespace

std::vector<WorldPoint> ElementInPlane(const ChargeElement& e) {
    if (e.ringRadius > 0)
        return {{e.centre.x, e.centre.y + e.ringRadius}, {e.centre.x, e.centre.y - e.ringRadius}};
    if (e.centre.z == 0) return {{e.centre.x, e.centre.y}};
    return {};
}

double DistanceToPath(WorldPoint p, WorldPoint a, WorldPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double along = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    const double t = std::clamp(along, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);  // no overflow or underflow for points the boxes take
}

// The field is conservative: any path between the ends gives the integral, so
// pieces whose shared ends are rounded off the straight line change nothing.
PathIntegral MinusLineIntegral(const FieldModel& model, WorldPoint a, WorldPoint b) {
    const bool eachCharge = model.view == View::Front && model.charges > 0;
    PathIntegral total{0, 0};
    for (int charge = eachCharge ? 1 : 0; charge <= (eachCharge ? model.charges : 0); ++charge) {
        const Field field(model, charge, a, b);
        Integrator integrator(field);
        integrator.add(Minus(a, field.origin()), Minus(b, field.origin()), kMaxDepth);
        const PathIntegral part = integrator.result();
        total = {total.volts + part.volts, total.error + part.error};
    }
    total.error += kEpsilon * std::fabs(total.volts) * (eachCharge ? model.charges : 1);
    return total;
}
