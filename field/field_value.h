#pragma once

#include <optional>

#include "field/currency.h"

// Field components (V/m) and potential (V), each rounded to four decimals.
struct FieldSample {
    Currency Ex;
    Currency Ey;
    Currency V;
};

// Field components (V/m) and potential (V) as computed, not rounded.
struct FieldValue {
    double ex;
    double ey;
    double v;
};

// Each part rounded to four decimals on its own; empty where one does not fit a Currency.
inline std::optional<FieldSample> Rounded(const FieldValue& f) {
    const auto ex = Currency::fromDouble(f.ex);
    const auto ey = Currency::fromDouble(f.ey);
    const auto v = Currency::fromDouble(f.v);
    if (!ex || !ey || !v) return std::nullopt;
    return FieldSample{*ex, *ey, *v};
}
