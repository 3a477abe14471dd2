#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Fixed-point number in which every field component and potential is stored:
// a signed 64-bit count of ten-thousandths, so every value has exactly four
// decimals. Conversions that do not fit report it instead of wrapping.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;

    // Rounds to the nearest 0.0001, halves to the even neighbour. Empty when
    // the value is not finite or lies outside ±922 337 203 685 477.5807.
    static std::optional<Currency> fromDouble(double value);
    static constexpr Currency fromTenThousandths(std::int64_t units) { return Currency(units); }
    constexpr std::int64_t tenThousandths() const { return units_; }

    constexpr double toDouble() const { return static_cast<double>(units_) / kScale; }

    // Exact sum; empty on overflow.
    std::optional<Currency> plus(Currency other) const;

    // Plain decimal form: optional minus, integer digits without grouping and,
    // when there is a fraction, the separator and one to four digits.
    std::string text(char decimalSeparator) const;

    friend constexpr bool operator==(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};
