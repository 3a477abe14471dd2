#include "field/number_text.h"

#include <locale.h>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Collects the characters of the leading number, blanks removed, in the form
// strtod reads ("-12.5e3"). Stops at the first character that cannot continue;
// strtod itself leaves out an exponent without digits ("1e+").
std::string leadingNumber(std::string_view text) {
    enum class Stage { Sign, Integer, Fraction, ExponentSign, ExponentDigits };
    Stage stage = Stage::Sign;
    std::string number;
    for (char c : text) {
        if (isBlank(c)) continue;
        if (stage == Stage::Sign) {
            stage = Stage::Integer;
            if (c == '+' || c == '-') {
                number += c;
                continue;
            }
        }
        if (isDigit(c) && stage != Stage::ExponentSign) {
            number += c;
        } else if (c == '.' && stage == Stage::Integer) {
            number += c;
            stage = Stage::Fraction;
        } else if ((c == 'e' || c == 'E') &&
                   (stage == Stage::Integer || stage == Stage::Fraction)) {
            number += 'e';
            stage = Stage::ExponentSign;
        } else if (stage == Stage::ExponentSign && (c == '+' || c == '-' || isDigit(c))) {
            number += c;
            stage = Stage::ExponentDigits;
        } else {
            break;
        }
    }
    return number;
}

double parseInCLocale(const std::string& number) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    char* end = nullptr;
    const double value = strtod_l(number.c_str(), &end, cLocale);
    if (end == number.c_str()) return 0.0;  // no digits: "", "-", ".", "e5"
    if (std::isinf(value)) return std::copysign(DBL_MAX, value);
    return value;
}

}  // namespace

std::string CommasToPoints(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == ',') c = '.';
    return out;
}

double Val(std::string_view text) { return parseInCLocale(leadingNumber(text)); }

std::string FormatCoordinate(double value, char decimalSeparator) {
    if (!std::isfinite(value)) value = 0.0;  // never reached: coordinates are finite
    // to_chars never looks at the C library's locale: the point is always '.'.
    char buffer[DBL_MAX_10_EXP + 16];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    std::string text(buffer, written.ptr);
    text.erase(text.find_last_not_of('0') + 1);  // keeps the '.'
    if (text == "-0.") text = "0.";
    text[text.find('.')] = decimalSeparator;
    return text;
}

std::optional<std::int32_t> RoundToInt32(double value) {
    const double rounded = std::nearbyint(value);  // ties to even
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}
