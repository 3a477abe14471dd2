#pragma once

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
