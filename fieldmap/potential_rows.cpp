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
#include <vector>

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

// The closed form k·λ·ln(ratio), with the ratio in the same cancellation-free
// form the scalar model picks for the point, so one logarithm suffices.
HWY_INLINE V ExactPotential(D d, Points p, double kl) {
    const V x = p.x, length = hn::Set(d, segment::kLength), zero = hn::Zero(d);
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
    const V v = hn::Mul(hn::Set(d, kl), hn::Log(d, hn::Div(numerator, denominator)));
    const auto onSegment = hn::And(hn::Eq(p.y, zero), hn::And(hn::Ge(x, zero), hn::Le(x, length)));
    return hn::IfThenElse(onSegment, hn::NaN(d), NoValueWhereNotFinite(d, v));
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

void PotentialRowHere(const FieldModel& model, const double* xs, double y, double* volts,
                      std::size_t n) {
    const D d;
    if (model.charges == 0) {
        const double kl = segment::kCoulomb * model.lambda;
        EachVector(xs, volts, n,
                   [&](V x) { return ExactPotential(d, PlanePoints(d, x, y, model), kl); });
        return;
    }
    std::vector<double> centres;
    for (int i = 1; i <= model.charges; ++i)
        centres.push_back(model.shape->element(i, model.charges).centre.x);
    const double kld = model.shape->element(1, model.charges).coulombCharge(model.lambda);
    EachVector(xs, volts, n, [&](V x) {
        return PointChargePotential(d, PlanePoints(d, x, y, model), kld, centres);
    });
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

void PotentialRow(const FieldModel& model, const double* xs, double y, double* volts,
                  std::size_t n) {
    static const PotentialRowFunction widest = tervik_fieldmap::Variants().front().row;
    widest(model, xs, y, volts, n);
}
#endif
