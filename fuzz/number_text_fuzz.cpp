// Fuzzes the reading and showing of numbers: Val after CommasToPoints, the
// coordinate text, the Currency conversion and text, and rounding to int32.
// Properties: nothing is ever non-finite, a shown coordinate reads back to the
// value shown, and a Currency text reads back to the same Currency.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "field/currency.h"
#include "field/number_text.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = Val(CommasToPoints(text));
    Require(std::isfinite(value));
    Require(CommasToPoints(text).size() == text.size());

    for (char separator : {'.', ','}) {
        const std::string shown = FormatCoordinate(value, separator);
        const double readBack = Val(CommasToPoints(shown));
        Require(FormatCoordinate(readBack, separator) == shown);
    }

    if (const auto currency = Currency::fromDouble(value)) {
        for (char separator : {'.', ','}) {
            const double readBack = Val(CommasToPoints(currency->text(separator)));
            Require(Currency::fromDouble(readBack) == currency);
        }
        Require(std::fabs(currency->toDouble() - value) <= 0.00005 + std::fabs(value) * 1e-15);
    }
    if (const auto step = RoundToInt32(value)) Require(std::fabs(*step - value) <= 0.5);
    return 0;
}
