#include "field/currency.h"

#include <cfenv>
#include <cmath>
#include <limits>

std::optional<Currency> Currency::fromDouble(double value) {
    // 2^63 is exactly representable; every double below it converts safely.
    constexpr double kLimit = 9223372036854775808.0;
    const double scaled = std::nearbyint(value * kScale);  // ties to even
    if (!std::isfinite(scaled) || scaled >= kLimit || scaled < -kLimit) return std::nullopt;
    return Currency(static_cast<std::int64_t>(scaled));
}

std::optional<Currency> Currency::plus(Currency other) const {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(units_, other.units_, &sum)) return std::nullopt;
    return Currency(sum);
}

std::optional<Currency> Currency::magnitude() const {
    if (units_ == std::numeric_limits<std::int64_t>::min()) return std::nullopt;
    return Currency(units_ < 0 ? -units_ : units_);
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
