#pragma once

#include <QLocale>
#include <QString>
#include <algorithm>
#include <cmath>

#include "field/currency.h"
#include "field/number_text.h"

// Every number a person reads, in the user's locale, written here once.

// The user's decimal separator, as the read-outs and coordinates show it.
inline char UserDecimalSeparator() { return QLocale().decimalPoint() == "," ? ',' : '.'; }

// The user's locale as the read-outs write numbers: no grouping of thousands.
inline QLocale ReadoutLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// A result as the read-outs show it: four decimals at most, no grouping.
inline QString ReadoutText(Currency value) {
    return QString::fromStdString(value.text(UserDecimalSeparator()));
}

// A coordinate as the coordinate boxes show it: four decimals at most, no
// trailing zeros, the separator always written.
inline QString CoordinateText(double value) {
    return QString::fromStdString(FormatCoordinate(value, UserDecimalSeparator()));
}

// A value with up to `digits` significant digits, as the read-outs write numbers.
inline QString SignificantText(double value, int digits) {
    return ReadoutLocale().toString(value, 'g', digits);
}

// The whole charge as the window and the plots' titles state it: "Q = 3,1416 µC".
inline QString TotalChargeText(double microCoulomb) {
    return QString("Q = %1 µC").arg(SignificantText(microCoulomb, 5));
}

// Two significant digits, written out in full (no exponent).
inline QString TwoDigitText(double value) {
    if (value < 0) return ReadoutLocale().negativeSign() + TwoDigitText(-value);
    if (!(value > 0)) return ReadoutLocale().toString(value);
    const int magnitude = static_cast<int>(std::floor(std::log10(value)));
    const double unit = std::pow(10.0, magnitude - 1);
    return ReadoutLocale().toString(std::round(value / unit) * unit, 'f',
                                    std::max(0, 1 - magnitude));
}

// The plots' numbers: as the read-outs, and exponents without a leading zero (1e-5).
inline QLocale PlotLocale() {
    QLocale locale = ReadoutLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::OmitLeadingZeroInExponent);
    return locale;
}
