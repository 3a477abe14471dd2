#pragma once

#include <QLocale>
#include <QString>

#include "field/currency.h"

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
