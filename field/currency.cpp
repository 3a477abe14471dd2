#include "field/currency.h"

#include <cmath>

std::optional<Currency> Currency::fromDouble(double value) {
    // The whole part is exact as an integer; the fraction is scaled with its
    // rounding error kept (fma), so that only a true half of a ten-thousandth
    // is a tie. Scaling the whole value at once would round twice.
    if (!std::isfinite(value) || std::fabs(value) >= 1e15) return std::nullopt;
    const double whole = std::trunc(value);
    const double fraction = value - whole;  // exact
    const double scaled = fraction * kScale;
    const double error = std::fma(fraction, double(kScale), -scaled);  // exact
    double units = std::nearbyint(scaled);                             // ties to even
    if (std::fabs(scaled - units) == 0.5 && error != 0)
        units = error > 0 ? std::ceil(scaled) : std::floor(scaled);
    std::int64_t total = 0;
    if (__builtin_mul_overflow(static_cast<std::int64_t>(whole), kScale, &total) ||
        __builtin_add_overflow(total, static_cast<std::int64_t>(units), &total))
        return std::nullopt;
    return Currency(total);
}

std::optional<Currency> Currency::plus(Currency other) const {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(units_, other.units_, &sum)) return std::nullopt;
    return Currency(sum);
}

std::string Currency::text(char decimalSeparator) const {
    // Work on the magnitude as unsigned so that the most negative value is safe.
    const bool negative = units_ < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(units_) : static_cast<std::uint64_t>(units_);
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / kScale);
    std::uint64_t fraction = magnitude % kScale;
    if (fraction == 0) return out;
    std::string digits = std::to_string(fraction);
    digits.insert(0, 4 - digits.size(), '0');
    digits.erase(digits.find_last_not_of('0') + 1);
    return out + decimalSeparator + digits;
}
