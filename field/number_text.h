#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reading of typed numbers and showing of coordinates. Both decimal
// separators are accepted on input whatever the locale.

// The text with every ',' replaced by '.'.
std::string CommasToPoints(std::string_view text);

// The decimal number at the start of the text: blanks, tabs and line feeds are
// skipped wherever they stand; then an optional sign, digits, an optional
// fraction after '.', an optional exponent (E or e, optional sign, digits).
// Reading stops at the first character that cannot continue the number; a text
// with no number gives 0. A number too large for a double reads as the largest
// finite double of its sign, so the result is always finite.
double Val(std::string_view text);

// A coordinate with the pattern "#0.####": at least one integer digit, at most
// four decimals rounded, no trailing zeros, and the separator always written
// (1 shows as "1."). A value that rounds to zero shows without a minus sign.
std::string FormatCoordinate(double value, char decimalSeparator);

// A number as files for programs (CSV) write it: a point for the decimal
// separator whatever the locale, the shortest text that reads back as the
// same double; NaN, a value the data does not have, is an empty cell.
std::string CsvNumber(double value);
// The same with a fixed number of decimals, for a figure a file states rounded.
std::string CsvFixed(double value, int decimals);

// The nearest whole number, halves to the even neighbour (12.5 gives 12,
// 13.5 gives 14); empty when it does not fit a 32-bit signed integer.
std::optional<std::int32_t> RoundToInt32(double value);
