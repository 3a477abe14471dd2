#include "field/number_text.h"

#include <locale.h>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kReadDigits = 15;  // significant digits a double holds in decimal
constexpr int kDecimals = 4;

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

// The digits of a magnitude in ten-thousandths, rounded half away from zero
// as the number reads in decimal (15 significant digits), not from the
// binary double: 0.40005 is stored just below 0.40005 and still gives 4001.
std::string TenThousandths(double magnitude) {
    // to_chars never looks at the C library's locale: "d.dddddddddddddde±x".
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, kReadDigits - 1);
    const std::string text(buffer, written.ptr);
    const std::string digits = text.substr(0, 1) + text.substr(2, kReadDigits - 1);
    const int kept = std::atoi(text.c_str() + text.find('e') + 1) + 1 + kDecimals;
    if (kept < 0) return "0";
    if (kept >= kReadDigits) return digits + std::string(kept - kReadDigits, '0');
    std::string units = digits.substr(0, kept);
    if (digits[kept] < '5') return units.empty() ? "0" : units;
    int last = kept - 1;
    for (; last >= 0 && units[last] == '9'; --last) units[last] = '0';
    if (last < 0) return '1' + units;
    ++units[last];
    return units;
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
    std::string units = TenThousandths(std::fabs(value));
    if (units.size() < 5) units.insert(0, 5 - units.size(), '0');
    const bool zero = units.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !zero ? "-" : "") + units.insert(units.size() - 4, 1, '.');
    text.erase(text.find_last_not_of('0') + 1);  // keeps the '.'
    text[text.find('.')] = decimalSeparator;
    return text;
}

std::optional<std::int32_t> RoundToInt32(double value) {
    const double rounded = std::nearbyint(value);  // ties to even
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

// to_chars never looks at the C library's locale.
std::string CsvNumber(double value) {
    if (std::isnan(value)) return "";
    char buffer[32];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

std::string CsvFixed(double value, int decimals) {
    if (std::isnan(value)) return "";
    char buffer[400];  // the largest double in fixed notation has 309 digits
    const auto format = std::chars_format::fixed;
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value, format, decimals).ptr};
}
