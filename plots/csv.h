#pragma once

#include <string>
#include <vector>

#include "plots/bisector.h"
#include "plots/convergence.h"

// The plots' data for a spreadsheet: a header row with names and units, one
// row per sample, '.' as the decimal separator in every locale, and values
// with 10 significant digits.
std::string BisectorCsv(const std::vector<BisectorSample>& samples, int n);
std::string ConvergenceCsv(const std::vector<ConvergenceSample>& samples);
