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

// A value that may span many decades, with up to `digits` significant
// digits: written out from 0.001 to below a million ("113097", "0,0125"),
// else as a power of ten ("1,5·10⁻⁹", "-2,25·10⁷").
inline QString DecadesText(double value, int digits) {
    if (std::isinf(value))  // a figure with no bound
        return (value < 0 ? ReadoutLocale().negativeSign() : QString()) + QString::fromUtf8("∞");
    if (std::isnan(value) || value == 0) return ReadoutLocale().toString(value);
    // The digits and the exponent once rounded: 999999.7 is 1·10⁶.
    const QString rounded = QLocale::c().toString(value, 'e', digits - 1);
    const double mantissa = rounded.section('e', 0, 0).toDouble();
    const int exponent = rounded.section('e', 1).toInt();
    const auto shortest = [](QString text) {  // no trailing zeros after the separator
        if (!text.contains(ReadoutLocale().decimalPoint())) return text;
        while (text.endsWith('0')) text.chop(1);
        if (text.endsWith(ReadoutLocale().decimalPoint())) text.chop(1);
        return text;
    };
    if (exponent >= -3 && exponent < 6)
        return shortest(ReadoutLocale().toString(mantissa * std::pow(10.0, exponent), 'f',
                                                 std::max(0, digits - 1 - exponent)));
    static const QString kSuperscripts = QString::fromUtf8("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString power;
    for (QChar c : QString::number(std::abs(exponent))) power += kSuperscripts[c.digitValue()];
    return shortest(ReadoutLocale().toString(mantissa, 'f', digits - 1)) +
           QString::fromUtf8("·10") + (exponent < 0 ? QString::fromUtf8("⁻") : QString()) + power;
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
