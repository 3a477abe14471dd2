#include "plots/bisector.h"

#include <cmath>

#include "field/model_text.h"
#include "field/segment_field.h"

using segment::kCoulomb;
using segment::kLength;

std::vector<BisectorSample> BisectorSamples(double lambda, int n) {
    std::vector<BisectorSample> samples;
    samples.reserve(kBisectorSamples);
    const double decades = std::log10(kBisectorFarthest / kBisectorNearest);
    const double charge = lambda * kLength;
    for (int k = 0; k < kBisectorSamples; ++k) {
        const double s = kBisectorNearest * std::pow(10, decades * k / (kBisectorSamples - 1));
        // Off the segment both models are finite: s is at least 1 mm.
        const FieldValue exact = *ExactFieldAt(segment::kMiddle, s, lambda);
        const FieldValue charges =
            n > 0 ? *PointChargeFieldAt(n, segment::kMiddle, s, lambda) : FieldValue{NAN, NAN, NAN};
        samples.push_back({s, std::hypot(exact.ex, exact.ey), std::hypot(charges.ex, charges.ey),
                           std::fabs(2 * kCoulomb * lambda / s),
                           std::fabs(kCoulomb * charge / (s * s)), exact.v, charges.v,
                           kCoulomb * charge / s});
    }
    return samples;
}

std::string BisectorModels(int n) {
    return model_text::kExact + (n > 0 ? " y " + model_text::PointCharges(n) : "") + " · " +
           model_text::kTotalCharge + " · " + model_text::kCoulomb;
}
