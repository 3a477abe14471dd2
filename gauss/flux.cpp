#include "gauss/flux.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <thread>
#include <utility>

#include "field/axial_field.h"
#include "field/domain.h"
#include "field/ring_field.h"
#include "gauss/outline.h"
#include "gauss/quadrature.h"

using std::numbers::pi;

double VacuumPermittivity() { return 1 / (4 * pi * segment::kCoulomb); }

namespace {

// The flux is wanted to a part in 10¹⁰ of the charge it should equal, or of
// the whole charge's flux where the surface encloses little or none: an
// order of magnitude inside what the tool promises.
constexpr double kRelativeTolerance = 1e-10;
// A plot needs fewer digits; it asks for many surfaces at once.
constexpr double kSweepTolerance = 1e-7;
// Field evaluations a surface may take: the exact charge's, and its N
// elements' together. They bound the time a drag waits for its figures.
constexpr int kExactBudget = 12000;
constexpr int kElementsBudget = 60000;
// A charge nearer the outline than this share of the surface's size puts
// breaks in the quadrature at the outline's point nearest it, where the
// integrand peaks as sharply as the charge is near, and either side of it at
// that distance times 1, 4, 16, ... up to the share: the rule meets the
// peak's every scale on an interval of its own size.
constexpr double kNearShare = 0.05;
constexpr double kGrading = 4;
// The mean |E| is integrated to a part in 10⁸ of the whole charge's flux,
// and the range of E·n found at every point that integral looks at; off the
// axis at 8 angles across the turn in which point elements round it repeat.
constexpr double kFieldAreaTolerance = 1e-8;
constexpr int kAngles = 8;

// Runs work(from, to) on the items [0, count) split in two, one half on
// another thread, where there are enough of them to be worth it.
template <typename Work>
void OnBothCores(std::size_t count, bool spread, const Work& work) {
    if (!spread || count < 8) {
        work(std::size_t{0}, count);
        return;
    }
    std::thread other([&] { work(count / 2, count); });
    work(std::size_t{0}, count / 2);
    other.join();
}

double FluxScale(const FieldModel& model) {
    return std::fabs(model.lambda * model.shape->chargePerDensity()) / VacuumPermittivity();
}

// An element's place in the half-plane: the circle round the axis it lies on.
AxialPoint PlaceOf(const ChargeElement& e) {
    const double rho = e.ringRadius > 0 ? e.ringRadius : std::hypot(e.centre.y, e.centre.z);
    return {e.centre.x, rho};
}

bool OffTheAxisAlone(const ChargeElement& e) {
    return e.ringRadius == 0 && (e.centre.y != 0 || e.centre.z != 0);
}

// A circle of charge round the axis, or a point on it (ρ = 0). The flux
// through a surface round the axis does not depend on where a point charge
// stands round the axis, so an element off it (one of the ring's) counts as
// the circle it sweeps, holding its charge, and elements that sweep the same
// circle count as one.
struct Circle {
    AxialPoint place;
    double kq;  // V·m
};

std::vector<Circle> CirclesOf(const FieldModel& model) {
    std::vector<Circle> circles;
    for (int i = 1; i <= model.charges; ++i) {
        const ChargeElement e = model.shape->element(i, model.charges);
        const AxialPoint p = PlaceOf(e);
        const double kq = e.coulombCharge(model.lambda);
        const auto same = std::find_if(circles.begin(), circles.end(), [&](const Circle& c) {
            return c.place.x == p.x && c.place.rho == p.rho;
        });
        if (same != circles.end())
            same->kq += kq;
        else
            circles.push_back({p, kq});
    }
    return circles;
}

// {E along the axis, E away from it} at (x, ρ).
std::optional<FieldValue> FieldOf(const Circle& c, double x, double rho) {
    const double a = x - c.place.x;
    if (c.place.rho > 0) return CircleFieldAt(a, rho, c.place.rho, c.kq);
    const double d = std::hypot(a, rho), e = c.kq / (d * d * d);
    return FiniteField({e * a, e * rho, c.kq / d});
}

using HalfPlaneField = std::function<std::optional<FieldValue>(double x, double rho)>;

// E·n at a point of the outline. Where the outline runs along a charge
// spread over a surface (a cap in the disk's plane) the field has no value,
// and E·n is the mean of its values a hair either side, as half of a charge
// lying on the surface is inside it.
double NormalField(const HalfPlaneField& field, const OutlinePoint& p, double hair) {
    if (const auto f = field(p.x, p.rho)) return f->ex * p.nx + f->ey * p.nrho;
    double sum = 0;
    for (double side : {-hair, hair}) {
        const auto f = field(p.x + side * p.nx, std::fabs(p.rho + side * p.nrho));
        if (f) sum += (f->ex * p.nx + f->ey * p.nrho) / 2;
    }
    return sum;
}

// ∫ E·n dA over the part, with breaks where the field peaks.
Flux FluxOfPart(const OutlinePart& part, const HalfPlaneField& field,
                const std::vector<double>& breaks, double tolerance, int budget) {
    const double hair = 1e-9 * part.metresPerUnit() * (part.to() - part.from());
    const auto integrand = [&](double t) {
        const OutlinePoint p = part.at(t);
        return NormalField(field, p, hair) * p.areaRate;
    };
    const Quadrature q = Integrate(integrand, breaks, tolerance, budget);
    return {q.value, q.error};
}

// The breaks of both, in order, each once.
std::vector<double> Merged(std::vector<double> breaks, const std::vector<double>& more) {
    breaks.insert(breaks.end(), more.begin(), more.end());
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    return breaks;
}

// The part's ends and, of the points given, those of its own nearest the
// points near it; graded, with the breaks either side that meet the peak's
// every scale (the flux's, which must be exact; not the figures beside it).
std::vector<double> BreaksAlong(const OutlinePart& part, const std::vector<AxialPoint>& near,
                                double size, bool graded = true) {
    std::vector<double> breaks{part.from(), part.to()};
    const double span = part.to() - part.from();
    for (AxialPoint p : near) {
        double distance;
        const double t = part.nearest(p, &distance);
        if (!(distance < kNearShare * size)) continue;
        breaks.push_back(t);
        if (!graded) continue;
        // Up to the near share, beyond which halving finds the rest quickly.
        const double reach = std::min(span, kNearShare * size / part.metresPerUnit());
        for (double step = distance / part.metresPerUnit(); step > 0 && step < reach;
             step *= kGrading) {
            breaks.push_back(t - step);
            breaks.push_back(t + step);
        }
    }
    std::erase_if(breaks, [&](double t) { return t < part.from() || t > part.to(); });
    return Merged(std::move(breaks), {});
}

// The exact charge peaks where its piece crosses the part and at its ends.
std::vector<double> ExactBreaksAlong(const OutlinePart& part, const AxialPiece& piece,
                                     double size) {
    const AxialPoint a{piece.x0, piece.rho0}, b{piece.x1, piece.rho1};
    return Merged(BreaksAlong(part, {a, b}, size), part.crossings(a, b));
}

struct SurfaceFlux {
    std::vector<Flux> parts;  // the sphere, or the low cap, the high cap and the side
    Flux total;

    void add(std::size_t part, Flux flux) {
        parts[part].value += flux.value;
        parts[part].error += flux.error;
        total.value += flux.value;
        total.error += flux.error;
    }
};

// The flux of each source (the exact charge, or each circle of elements)
// through each part, each integral with the breaks its own source asks for.
SurfaceFlux FluxOfSurface(const FieldModel& model, const GaussSurface& surface, double tolerance,
                          bool spread) {
    const std::vector<OutlinePart> parts = OutlineOf(surface);
    const double size = SurfaceSize(surface);
    SurfaceFlux flux{std::vector<Flux>(parts.size()), {}};
    if (model.charges == 0) {
        const HalfPlaneField field = [&](double x, double rho) -> std::optional<FieldValue> {
            const auto f = model.fieldInSpace({x, rho, 0});
            if (!f) return std::nullopt;
            return FieldValue{f->ex, f->ey, f->v};
        };
        for (std::size_t k = 0; k < parts.size(); ++k) {
            const auto breaks = ExactBreaksAlong(parts[k], model.shape->axialPiece(), size);
            flux.add(k, FluxOfPart(parts[k], field, breaks, tolerance / double(parts.size()),
                                   kExactBudget / int(parts.size())));
        }
        return flux;
    }
    // Circles near the surface each get integrals of their own, with breaks
    // where they peak; the smooth fields of all the others are summed.
    std::vector<std::vector<Circle>> groups(1);
    double charge = 0;  // of all the circles, |k·q|
    for (const Circle& c : CirclesOf(model)) {
        charge += std::fabs(c.kq);
        const bool near =
            std::fabs(OutwardDistance(surface, c.place.x, c.place.rho)) < kNearShare * size;
        if (near)
            groups.push_back({c});
        else
            groups.front().push_back(c);
    }
    const int budget =
        std::min(kExactBudget, kElementsBudget / int(groups.size())) / int(parts.size());
    std::vector<std::vector<Flux>> each(groups.size(), std::vector<Flux>(parts.size()));
    OnBothCores(groups.size(), spread, [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            const std::vector<Circle>& group = groups[i];
            const HalfPlaneField field = [&](double x, double rho) {
                std::optional<FieldValue> sum = FieldValue{0, 0, 0};
                for (const Circle& c : group) {
                    const auto f = FieldOf(c, x, rho);
                    if (!f) return f;
                    sum = FieldValue{sum->ex + f->ex, sum->ey + f->ey, sum->v + f->v};
                }
                return sum;
            };
            double groupCharge = 0;
            std::vector<AxialPoint> places;
            for (const Circle& c : group) {
                groupCharge += std::fabs(c.kq);
                places.push_back(c.place);
            }
            const double share = charge > 0 ? groupCharge / charge / double(parts.size()) : 0;
            for (std::size_t k = 0; k < parts.size(); ++k) {
                // The far charges' fields gather where the charge they model
                // crosses the outline (the disk's rings, where a sphere cuts it).
                std::vector<double> breaks = BreaksAlong(parts[k], places, size);
                if (i == 0)
                    breaks =
                        Merged(breaks, ExactBreaksAlong(parts[k], model.shape->axialPiece(), size));
                each[i][k] = FluxOfPart(parts[k], field, breaks, tolerance * share, budget);
            }
        }
    });
    for (const auto& circle : each)
        for (std::size_t k = 0; k < parts.size(); ++k) flux.add(k, circle[k]);
    return flux;
}

// The places of the charge the quadrature must keep clear of.
std::vector<AxialPoint> MarkedPoints(const FieldModel& model) {
    if (model.charges == 0) {
        const AxialPiece piece = model.shape->axialPiece();
        return {{piece.x0, piece.rho0}, {piece.x1, piece.rho1}};
    }
    std::vector<AxialPoint> points;
    for (int i = 1; i <= model.charges; ++i)
        points.push_back(PlaceOf(model.shape->element(i, model.charges)));
    return points;
}

// Charge lying on the surface along a line or at points (elements, the
// ring's wire) puts the field's singularity on the outline itself, where
// the last digit of a point's coordinates moves the field more than the
// flux may err. The flux through it is then the mean of the fluxes through
// the surface moved a hair out and a hair in, along its normal everywhere:
// each of those encloses the same charge as the surface, but for what lies
// on it, all or none of which it holds. The hair keeps to within half the
// distance of any other charge.
SurfaceFlux FluxWithChargeOnIt(const FieldModel& model, const GaussSurface& surface,
                               double tolerance, bool spread) {
    double hair = 1e-7 * SurfaceSize(surface);
    for (AxialPoint p : MarkedPoints(model))
        if (SideOf(surface, p.x, p.rho) != Side::On)
            hair = std::min(hair, std::fabs(OutwardDistance(surface, p.x, p.rho)) / 2);
    const SurfaceFlux out = FluxOfSurface(model, Grown(surface, hair), tolerance, spread);
    const SurfaceFlux in = FluxOfSurface(model, Grown(surface, -hair), tolerance, spread);
    SurfaceFlux mean{std::vector<Flux>(out.parts.size()), {}};
    for (std::size_t k = 0; k < out.parts.size(); ++k)
        mean.add(k, {(out.parts[k].value + in.parts[k].value) / 2,
                     (out.parts[k].error + in.parts[k].error) / 2});
    return mean;
}

// Whether charge lies on the surface at points or along a wire (elements,
// the ring's wire), where the field has no bound: not a sheet lying in it.
bool PointsOrWireOnSurface(const FieldModel& model, const EnclosedCharge& inside) {
    const AxialPiece piece = model.shape->axialPiece();
    const bool wire = piece.x0 == piece.x1 && piece.rho0 == piece.rho1;
    return inside.elementsOnSurface > 0 || (inside.chargeOnSurface && wire);
}

// Below this share of the whole charge, a surface encloses a sliver or none,
// and its flux is measured against the whole charge's, Q/ε₀.
constexpr double kSliver = 1e-6;

// The flux the difference from Q_enc/ε₀ is measured against.
double ReferenceFlux(const FieldModel& model, double enclosedCharge) {
    const double expected = std::fabs(enclosedCharge) / VacuumPermittivity();
    return expected >= kSliver * FluxScale(model) ? expected : FluxScale(model);
}

double ToleranceFor(const FieldModel& model, double enclosedCharge, double relative) {
    const double expected = std::fabs(enclosedCharge) / VacuumPermittivity();
    return relative * std::max(expected, kSliver * FluxScale(model));
}

// spread: the elements' integrals may share both cores.
SurfaceFlux FluxFor(const FieldModel& model, const GaussSurface& surface,
                    const EnclosedCharge& inside, double relative, bool spread) {
    const double tolerance = ToleranceFor(model, inside.charge, relative);
    if (PointsOrWireOnSurface(model, inside))
        return FluxWithChargeOnIt(model, surface, tolerance, spread);
    return FluxOfSurface(model, surface, tolerance, spread);
}

// The fractions of the way along the charge's piece that lie inside the
// closed surface, its boundary included; empty where none does.
struct Stretch {
    double from;
    double to;
};

std::optional<Stretch> InsideStretch(const AxialPiece& piece, const GaussSurface& s) {
    const AxialPoint a{piece.x0, piece.rho0}, b{piece.x1, piece.rho1};
    if (a.x == b.x && a.rho == b.rho) {
        if (SideOf(s, a.x, a.rho) == Side::Outside) return std::nullopt;
        return Stretch{0, 1};
    }
    double from = 0, to = 1;
    if (s.kind == SurfaceKind::Sphere) {
        const auto crossings = LineOnCircle(a, b, s.centre, s.radius);
        if (!crossings) return std::nullopt;
        from = std::max(from, crossings->first);
        to = std::min(to, crossings->second);
    } else {
        // Keeps the fractions t where g0 + t·g1 ≤ 0.
        const auto keepBelow = [&](double g0, double g1) {
            if (g1 == 0) {
                if (g0 > 0) to = -1;
            } else if (g1 > 0) {
                to = std::min(to, -g0 / g1);
            } else {
                from = std::max(from, -g0 / g1);
            }
        };
        keepBelow(s.centre - s.length / 2 - a.x, a.x - b.x);
        keepBelow(a.x - s.centre - s.length / 2, b.x - a.x);
        keepBelow(a.rho - s.radius, b.rho - a.rho);
    }
    if (from > to) return std::nullopt;
    return Stretch{from, to};
}

// The angle round the axis, from +y towards +z, of the first element off it.
double ChargeAngle(const FieldModel& model) {
    const ChargeElement e = model.shape->element(1, model.charges);
    return std::atan2(e.centre.z, e.centre.y);
}

// The angles round the axis the figures sample: one where the model looks
// the same all round, else kAngles across the turn 2π/N in which point
// elements standing evenly round the axis (the ring's) repeat.
std::vector<double> SampledAngles(const FieldModel& model) {
    bool round = true;
    for (int i = 1; i <= model.charges && round; ++i)
        round = !OffTheAxisAlone(model.shape->element(i, model.charges));
    if (round) return {0};
    std::vector<double> angles;
    for (int j = 0; j < kAngles; ++j)
        angles.push_back(2 * pi * (j + 0.5) / kAngles / model.charges);
    return angles;
}

// ∫|E| dA, and the least and greatest E·n over the surface.
struct FieldOverSurface {
    double fieldArea = 0;
    double leastNormal = std::numeric_limits<double>::infinity();
    double greatestNormal = -std::numeric_limits<double>::infinity();
};

// |E| integrated along the part with the breaks the flux takes, where the
// field peaks; E·n noted at each point looked at. Off the axis, where the
// model is not the same all round it, |E| is the mean over the angles.
// The angles sample the turn between charges; E·n is also looked at in line
// with a charge and at the breaks, where it peaks.
void FieldOverPart(const OutlinePart& part, const FieldModel& model,
                   const std::vector<double>& angles, const std::vector<double>& breaks,
                   double tolerance, int budget, FieldOverSurface& over) {
    const auto normalAt = [&](const OutlinePoint& p, double angle, std::optional<SpaceField>& f) {
        const double c = std::cos(angle), s = std::sin(angle);
        f = model.fieldInSpace({p.x, p.rho * c, p.rho * s});
        if (!f) return;
        const double normal = f->ex * p.nx + (f->ey * c + f->ez * s) * p.nrho;
        over.leastNormal = std::min(over.leastNormal, normal);
        over.greatestNormal = std::max(over.greatestNormal, normal);
    };
    const auto integrand = [&](double t) {
        const OutlinePoint p = part.at(t);
        std::optional<SpaceField> f;
        if (angles.size() > 1) normalAt(p, ChargeAngle(model), f);
        double sum = 0;
        for (double angle : angles) {
            normalAt(p, angle, f);
            if (f) sum += std::sqrt(f->ex * f->ex + f->ey * f->ey + f->ez * f->ez);
        }
        return sum / double(angles.size()) * p.areaRate;
    };
    // The breaks are where the field peaks, nearest the charges: E·n there too.
    for (double t : breaks) {
        std::optional<SpaceField> f;
        normalAt(part.at(t), angles.size() > 1 ? ChargeAngle(model) : 0, f);
    }
    over.fieldArea += Integrate(integrand, breaks, tolerance, budget).value;
}

// Where charge lies on the surface at points or along a wire, or a line of
// charge along the axis ends on it, the field has no bound there: nor has the mean |E| where
// points or a wire lie on it.
void MarkUnbounded(const FieldModel& model, const GaussSurface& surface,
                   const EnclosedCharge& inside, FieldOverSurface& over) {
    const AxialPiece piece = model.shape->axialPiece();
    const bool onIt = PointsOrWireOnSurface(model, inside);
    bool endOnIt = false;  // the segments' lines along the axis
    if (model.charges == 0 && piece.rho0 == 0 && piece.rho1 == 0)
        for (AxialPoint end : {AxialPoint{piece.x0, piece.rho0}, AxialPoint{piece.x1, piece.rho1}})
            endOnIt = endOnIt || SideOf(surface, end.x, end.rho) == Side::On;
    if (!onIt && !endOnIt) return;
    const double infinity = std::numeric_limits<double>::infinity();
    if (model.lambda > 0) over.greatestNormal = infinity;
    if (model.lambda < 0) over.leastNormal = -infinity;
    if (onIt) over.fieldArea = infinity;
}

FieldOverSurface FieldOver(const FieldModel& model, const GaussSurface& surface,
                           const EnclosedCharge& inside) {
    FieldOverSurface over;
    const std::vector<double> angles = SampledAngles(model);
    const double size = SurfaceSize(surface);
    const std::vector<AxialPoint> places = MarkedPoints(model);
    const std::vector<OutlinePart> parts = OutlineOf(surface);
    const double tolerance = kFieldAreaTolerance * FluxScale(model) / double(parts.size());
    const int cost = std::max(model.charges, 1) * int(angles.size());
    const int budget = std::max(kExactBudget / cost, 150) / int(parts.size());
    for (const OutlinePart& part : parts) {
        const auto breaks = model.charges == 0
                                ? ExactBreaksAlong(part, model.shape->axialPiece(), size)
                                : BreaksAlong(part, places, size, false);
        FieldOverPart(part, model, angles, breaks, tolerance, budget, over);
    }
    MarkUnbounded(model, surface, inside, over);
    return over;
}

}  // namespace

EnclosedCharge ChargeInside(const FieldModel& model, const GaussSurface& surface) {
    EnclosedCharge inside;
    const ChargeDistribution& shape = *model.shape;
    if (model.charges > 0) {
        for (int i = 1; i <= model.charges; ++i) {
            const ChargeElement e = shape.element(i, model.charges);
            const AxialPoint p = PlaceOf(e);
            const double charge = model.lambda * e.chargePerDensity;
            switch (SideOf(surface, p.x, p.rho)) {
                case Side::Inside:
                    inside.charge += charge;
                    break;
                case Side::On:
                    inside.charge += charge / 2;
                    ++inside.elementsOnSurface;
                    break;
                case Side::Outside:
                    break;
            }
        }
        return inside;
    }
    const AxialPiece piece = shape.axialPiece();
    const auto stretch = InsideStretch(piece, surface);
    if (!stretch) return inside;
    // A stretch whose middle lies on the surface lies along it: half of it is inside.
    const double middle = (stretch->from + stretch->to) / 2;
    inside.chargeOnSurface = SideOf(surface, piece.x0 + middle * (piece.x1 - piece.x0),
                                    piece.rho0 + middle * (piece.rho1 - piece.rho0)) == Side::On;
    const double share = inside.chargeOnSurface ? 0.5 : 1;
    inside.charge = share * model.lambda * shape.chargePerDensityAlong(stretch->from, stretch->to);
    return inside;
}

Flux FluxThrough(const FieldModel& model, const GaussSurface& surface) {
    return FluxFor(model, surface, ChargeInside(model, surface), kRelativeTolerance, true).total;
}

GaussFigures GaussLaw(const FieldModel& model, const GaussSurface& surface) {
    GaussFigures figures;
    const EnclosedCharge inside = ChargeInside(model, surface);
    const SurfaceFlux flux = FluxFor(model, surface, inside, kRelativeTolerance, true);
    figures.total = flux.total;
    if (surface.kind == SurfaceKind::Cylinder) {
        figures.lowCap = flux.parts[0];
        figures.highCap = flux.parts[1];
        figures.side = flux.parts[2];
    }
    figures.enclosedCharge = inside.charge;
    figures.elementsOnSurface = inside.elementsOnSurface;
    figures.chargeOnSurface = inside.chargeOnSurface;
    figures.enclosedOverEpsilon0 = inside.charge / VacuumPermittivity();
    const double reference = ReferenceFlux(model, inside.charge);
    figures.relativeDifference =
        reference > 0 ? (figures.total.value - figures.enclosedOverEpsilon0) / reference : 0;
    figures.area = SurfaceArea(surface);
    const FieldOverSurface over = FieldOver(model, surface, inside);
    figures.leastNormal = over.leastNormal;
    figures.greatestNormal = over.greatestNormal;
    figures.fieldTimesArea = over.fieldArea;
    figures.meanField = over.fieldArea / figures.area;
    return figures;
}

std::vector<FluxAtRadius> FluxAgainstRadius(const FieldModel& model, GaussSurface surface,
                                            double from, double to, int count) {
    std::vector<FluxAtRadius> points(std::max(count, 0));
    OnBothCores(points.size(), true, [&](std::size_t first, std::size_t last) {
        GaussSurface at = surface;
        for (std::size_t i = first; i < last; ++i) {
            at.radius = from + (to - from) * double(i) / double(std::max(count - 1, 1));
            const EnclosedCharge inside = ChargeInside(model, at);
            const Flux flux = FluxFor(model, at, inside, kSweepTolerance, false).total;
            points[i] = {at.radius, flux.value, inside.charge / VacuumPermittivity()};
        }
    });
    return points;
}

SweepRange SweepRangeFor(const GaussSurface& surface) {
    return {0.01, std::min(std::max(1.5, 1.5 * surface.radius), gauss_limits::kRadiusMax)};
}
