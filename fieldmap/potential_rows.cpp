// Compiled once for each of a few instruction sets; the first call picks the
// widest the CPU runs. The choice is made here, from the compiler's CPU
// checks, because loading Highway's own library, which would choose, costs
// 5 ms of start-up (it times its clock). Only Highway's headers are used.
#define HWY_DISABLED_TARGETS (HWY_AVX3 | HWY_AVX3_DL | HWY_SSSE3)
#define HWY_IS_DEBUG_BUILD 0  // its checks would call into the library
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "fieldmap/potential_rows.cpp"
#include <hwy/foreach_target.h>  // must come before highway.h

#include <hwy/contrib/math/math-inl.h>
#include <hwy/highway.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "fieldmap/potential_rows.h"

HWY_BEFORE_NAMESPACE();
namespace tervik_fieldmap::HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;
using D = hn::ScalableTag<double>;
using V = hn::Vec<D>;

struct Points {
    V x;
    V y;
};

// The point of the segment's plane that gives each pixel its potential.
// The same projection as FieldModel::evaluatedAt, a vector at a time.
HWY_INLINE Points PlanePoints(D d, V xs, double y, const FieldModel& model) {
    const V row = hn::Set(d, y);
    if (model.view == View::Front) return {xs, row};
    return {hn::Set(d, model.shape->bisectorX()),
            hn::Sqrt(hn::Add(hn::Mul(xs, xs), hn::Mul(row, row)))};
}

HWY_INLINE V NoValueWhereNotFinite(D d, V v) {
    return hn::IfThenElse(hn::IsFinite(v), v, hn::NaN(d));
}

// The uniform segment's ln((r2 + L − x)/(r1 − x)), with the ratio in the same
// cancellation-free form the scalar model picks for the point, so one
// logarithm suffices; and the distances r1 and r2 to its ends.
struct SegmentLogarithm {
    V log;
    V r1;
    V r2;
};

HWY_INLINE SegmentLogarithm LogarithmOfSegment(D d, Points p) {
    const V x = p.x, length = hn::Set(d, segment::kLength);
    const V y2 = hn::Mul(p.y, p.y);
    const V r1 = hn::Sqrt(hn::Add(hn::Mul(x, x), y2));
    const V toEnd = hn::Sub(x, length);
    const V r2 = hn::Sqrt(hn::Add(hn::Mul(toEnd, toEnd), y2));
    const V nearTerm = hn::Sub(r1, x);
    const V farTerm = hn::Sub(hn::Add(r2, length), x);
    const auto plain = hn::Gt(hn::Mul(nearTerm, hn::Set(d, 1e3)), r1);
    const auto beyondEnd = hn::Gt(x, length);
    const V sum = hn::Add(r1, x);
    const V numerator =
        hn::IfThenElse(plain, farTerm, hn::IfThenElse(beyondEnd, sum, hn::Mul(farTerm, sum)));
    const V denominator = hn::IfThenElse(
        plain, nearTerm, hn::IfThenElse(beyondEnd, hn::Sub(hn::Add(r2, x), length), y2));
    return {hn::Log(d, hn::Div(numerator, denominator)), r1, r2};
}

HWY_INLINE auto OnSegment(D d, Points p) {
    const V zero = hn::Zero(d);
    return hn::And(hn::Eq(p.y, zero),
                   hn::And(hn::Ge(p.x, zero), hn::Le(p.x, hn::Set(d, segment::kLength))));
}

// The uniform segment: k·λ times the logarithm.
HWY_INLINE V ExactPotential(D d, Points p, double kl) {
    const V v = hn::Mul(hn::Set(d, kl), LogarithmOfSegment(d, p).log);
    return hn::IfThenElse(OnSegment(d, p), hn::NaN(d), NoValueWhereNotFinite(d, v));
}

// The segment whose density grows, λ(x) = 2λ·x/L: k·c·(L·μ + 2x·(atanh μ − μ))
// with c = 2λ/L, μ = L/(r1 + r2) and 2·atanh μ the uniform segment's logarithm;
// atanh μ − μ by its series μ³/3 + μ⁵/5 + ... where μ is small (beyond 1.5 m
// from the segment's middle), as the difference would lose its leading
// digits there.
HWY_INLINE V GrowingPotential(D d, Points p, double kc) {
    const V x = p.x, length = hn::Set(d, segment::kLength);
    const SegmentLogarithm f = LogarithmOfSegment(d, p);
    const V mu = hn::Div(length, hn::Add(f.r1, f.r2));
    V excess = hn::Sub(hn::Mul(f.log, hn::Set(d, 0.5)), mu);
    const auto small = hn::Lt(mu, hn::Set(d, 0.25));
    if (!hn::AllFalse(d, small)) {
        const V mu2 = hn::Mul(mu, mu);
        V series = hn::Set(d, 1.0 / 27);
        for (int k = 25; k >= 3; k -= 2) series = hn::MulAdd(series, mu2, hn::Set(d, 1.0 / k));
        excess = hn::IfThenElse(small, hn::Mul(series, hn::Mul(mu, mu2)), excess);
    }
    const V v = hn::Mul(hn::Set(d, kc), hn::MulAdd(hn::Add(x, x), excess, hn::Mul(length, mu)));
    return hn::IfThenElse(OnSegment(d, p), hn::NaN(d), NoValueWhereNotFinite(d, v));
}

// A circle of charge, k times its charge kq, of the radius r around the x axis
// in the plane x = centre: kq/(2π)·4·R_F(0, d², s²), d and s the least and
// greatest distances to it. With a zero argument Carlson's R_F is
// π/(2·AGM(d, s)), so V = kq/AGM(d, s); the arithmetic-geometric mean doubles
// its digits at each step: six steps from a pixel off the wire.
HWY_INLINE V CirclePotential(D d, Points p, double centre, double radius, double kq) {
    const V a = hn::Sub(p.x, hn::Set(d, centre)), rho = hn::Abs(p.y), r = hn::Set(d, radius);
    const V a2 = hn::Mul(a, a), inner = hn::Sub(rho, r), outer = hn::Add(rho, r);
    const V d2 = hn::MulAdd(inner, inner, a2);
    V low = hn::Sqrt(d2), high = hn::Sqrt(hn::MulAdd(outer, outer, a2));
    const V half = hn::Set(d, 0.5), close = hn::Set(d, 1e-9);
    // Once they agree to 1e-9 one more step leaves them 1e-19 apart; on the
    // wire (low = 0) the mean never agrees: 64 steps bound it.
    for (int step = 0; step < 64; ++step) {
        const bool agree = hn::AllTrue(d, hn::Le(hn::Sub(high, low), hn::Mul(high, close)));
        const V mean = hn::Mul(hn::Add(low, high), half);
        low = hn::Sqrt(hn::Mul(low, high));
        high = mean;
        if (agree) break;
    }
    const V v = hn::Div(hn::Set(d, kq), high);
    return hn::IfThenElse(hn::Gt(d2, hn::Zero(d)), NoValueWhereNotFinite(d, v), hn::NaN(d));
}

// 1/√s from the single-precision estimate and Newton steps, each of which
// squares the relative error: from 4e-4 (3e-3 without SIMD) to below 1e-13.
// s must be a normal float.
HWY_INLINE V ReciprocalSqrt(D d, V s) {
    constexpr int kSteps = (HWY_TARGET == HWY_EMU128 || HWY_TARGET == HWY_SCALAR) ? 3 : 2;
    const hn::Rebind<float, D> df;
    V r = hn::PromoteTo(d, hn::ApproximateReciprocalSqrt(hn::DemoteTo(df, s)));
    const V halfS = hn::Mul(hn::Set(d, 0.5), s), threeHalves = hn::Set(d, 1.5);
    for (int step = 0; step < kSteps; ++step)
        r = hn::Mul(r, hn::Sub(threeHalves, hn::Mul(halfS, hn::Mul(r, r))));
    return r;
}

HWY_INLINE V SquaredDistance(D d, V x, V y2, double centre) {
    const V dx = hn::Sub(x, hn::Set(d, centre));
    return hn::Add(hn::Mul(dx, dx), y2);
}

// Σ kλd/√s over the charges, without the divider, which would set the pace;
// by division where a pixel lies within 1e-15 m of a charge.
HWY_INLINE V PointChargePotential(D d, Points p, double kld, const std::vector<double>& centres) {
    const V y2 = hn::Mul(p.y, p.y), charge = hn::Set(d, kld);
    V sum = hn::Zero(d), nearest = hn::Set(d, 1.0);
    for (double centre : centres) {
        const V s = SquaredDistance(d, p.x, y2, centre);
        sum = hn::Add(sum, ReciprocalSqrt(d, s));
        nearest = hn::Min(nearest, s);
    }
    if (hn::AllFalse(d, hn::Lt(nearest, hn::Set(d, 1e-30))))
        return NoValueWhereNotFinite(d, hn::Mul(charge, sum));
    sum = hn::Zero(d);
    for (double centre : centres)
        sum = hn::Add(sum, hn::Div(charge, hn::Sqrt(SquaredDistance(d, p.x, y2, centre))));
    return NoValueWhereNotFinite(d, sum);
}

// One point charge of a model, off the axis or off the plane z = 0 too.
struct PointCharge {
    double x;
    double y;
    double z2;  // z², its distance from the plane squared
    double kq;  // k times its charge, V·m
};

// Σ kq/√s over charges of their own sizes anywhere in space, as above.
HWY_INLINE V SpacedChargePotential(D d, Points p, const std::vector<PointCharge>& charges) {
    V sum = hn::Zero(d), nearest = hn::Set(d, 1.0);
    const auto squared = [&](const PointCharge& c) {
        const V dx = hn::Sub(p.x, hn::Set(d, c.x)), dy = hn::Sub(p.y, hn::Set(d, c.y));
        return hn::Add(hn::Add(hn::Mul(dx, dx), hn::Mul(dy, dy)), hn::Set(d, c.z2));
    };
    for (const PointCharge& c : charges) {
        const V s = squared(c);
        sum = hn::MulAdd(hn::Set(d, c.kq), ReciprocalSqrt(d, s), sum);
        nearest = hn::Min(nearest, s);
    }
    if (hn::AllFalse(d, hn::Lt(nearest, hn::Set(d, 1e-30)))) return NoValueWhereNotFinite(d, sum);
    sum = hn::Zero(d);
    for (const PointCharge& c : charges)
        sum = hn::Add(sum, hn::Div(hn::Set(d, c.kq), hn::Sqrt(squared(c))));
    return NoValueWhereNotFinite(d, sum);
}

// Runs evaluate over whole vectors, then once over the padded rest.
template <class Evaluate>
void EachVector(const double* xs, double* volts, std::size_t n, const Evaluate& evaluate) {
    const D d;
    const std::size_t lanes = hn::Lanes(d);
    std::size_t i = 0;
    for (; i + lanes <= n; i += lanes) hn::StoreU(evaluate(hn::LoadU(d, xs + i)), d, volts + i);
    if (i == n) return;
    HWY_ALIGN double in[HWY_MAX_BYTES / sizeof(double)] = {};
    HWY_ALIGN double out[HWY_MAX_BYTES / sizeof(double)];
    std::copy(xs + i, xs + n, in);
    hn::Store(evaluate(hn::Load(d, in)), d, out);
    std::copy(out, out + (n - i), volts + i);
}

// The model's own value at each point, one at a time: shapes with no
// vectorised form.
void ScalarRow(const FieldModel& model, const double* xs, double y, double* volts, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) volts[i] = model.potentialAt({xs[i], y}).value_or(NAN);
}

void ExactRow(const FieldModel& model, const double* xs, double y, double* volts, std::size_t n) {
    const D d;
    const auto each = [&](const auto& potential) {
        EachVector(xs, volts, n, [&](V x) { return potential(PlanePoints(d, x, y, model)); });
    };
    const double kl = segment::kCoulomb * model.lambda;
    if (model.shape == &UniformSegment())
        each([&](Points p) { return ExactPotential(d, p, kl); });
    else if (model.shape == &GrowingSegment())
        each([&](Points p) { return GrowingPotential(d, p, 2 * kl / segment::kLength); });
    else if (model.shape == &Ring())
        each([&](Points p) {
            return CirclePotential(d, p, ring::kPlane, ring::kRadius,
                                   kl * Ring().chargePerDensity());
        });
    else
        ScalarRow(model, xs, y, volts, n);
}

void ElementsRow(const FieldModel& model, const double* xs, double y, double* volts,
                 std::size_t n) {
    const D d;
    std::vector<ChargeElement> elements;
    for (int i = 1; i <= model.charges; ++i)
        elements.push_back(model.shape->element(i, model.charges));
    const ChargeElement& first = elements.front();
    const auto each = [&](const auto& potential) {
        EachVector(xs, volts, n, [&](V x) { return potential(PlanePoints(d, x, y, model)); });
    };
    // Circles around the axis (a disk's rings), each a mean of its own.
    if (std::all_of(elements.begin(), elements.end(), [](const ChargeElement& e) {
            return e.ringRadius > 0 && e.centre.y == 0 && e.centre.z == 0;
        })) {
        each([&](Points p) {
            V sum = hn::Zero(d);
            for (const ChargeElement& e : elements)
                sum = hn::Add(sum, CirclePotential(d, p, e.centre.x, e.ringRadius,
                                                   e.coulombCharge(model.lambda)));
            return sum;
        });
        return;
    }
    if (std::any_of(elements.begin(), elements.end(),
                    [](const ChargeElement& e) { return e.ringRadius > 0; }))
        return ScalarRow(model, xs, y, volts, n);
    // Equal charges on the axis (the uniform segment's): one product for the sum.
    if (std::all_of(elements.begin(), elements.end(), [&](const ChargeElement& e) {
            return e.centre.y == 0 && e.centre.z == 0 &&
                   e.chargePerDensity == first.chargePerDensity;
        })) {
        std::vector<double> centres;
        for (const ChargeElement& e : elements) centres.push_back(e.centre.x);
        const double kld = first.coulombCharge(model.lambda);
        each([&](Points p) { return PointChargePotential(d, p, kld, centres); });
        return;
    }
    std::vector<PointCharge> charges;
    for (const ChargeElement& e : elements)
        charges.push_back(
            {e.centre.x, e.centre.y, e.centre.z * e.centre.z, e.coulombCharge(model.lambda)});
    each([&](Points p) { return SpacedChargePotential(d, p, charges); });
}

void PotentialRowHere(const FieldModel& model, const double* xs, double y, double* volts,
                      std::size_t n) {
    if (model.charges == 0)
        ExactRow(model, xs, y, volts, n);
    else
        ElementsRow(model, xs, y, volts, n);
}

}  // namespace tervik_fieldmap::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace tervik_fieldmap {

std::vector<PotentialRowVariant> Variants() {
    std::vector<PotentialRowVariant> variants;
#if HWY_TARGETS & HWY_AVX2
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") &&
        __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2") &&
        __builtin_cpu_supports("f16c") && __builtin_cpu_supports("pclmul") &&
        __builtin_cpu_supports("aes"))
        variants.push_back({"AVX2", &N_AVX2::PotentialRowHere});
#endif
#if HWY_TARGETS & HWY_SSE4
    if (__builtin_cpu_supports("sse4.2") && __builtin_cpu_supports("pclmul") &&
        __builtin_cpu_supports("aes"))
        variants.push_back({"SSE4", &N_SSE4::PotentialRowHere});
#endif
    variants.push_back(
        {hwy::TargetName(HWY_STATIC_TARGET), &HWY_STATIC_DISPATCH(PotentialRowHere)});
    return variants;
}

}  // namespace tervik_fieldmap

std::vector<PotentialRowVariant> PotentialRowVariants() { return tervik_fieldmap::Variants(); }

bool PotentialRowIsSlow(const FieldModel& model) {
    if (model.charges > 0) return model.shape->element(1, model.charges).ringRadius > 0;
    return model.shape != &UniformSegment() && model.shape != &GrowingSegment() &&
           model.shape != &Ring();
}

void PotentialRow(const FieldModel& model, const double* xs, double y, double* volts,
                  std::size_t n) {
    static const PotentialRowFunction widest = tervik_fieldmap::Variants().front().row;
    widest(model, xs, y, volts, n);
}
#endif
