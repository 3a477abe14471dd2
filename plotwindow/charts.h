#pragma once

#include <QChart>
#include <QString>
#include <vector>

#include "plots/bisector.h"
#include "plots/convergence.h"

// The three log-log charts of the plot window, filled from the plots' data.
// Each chart owns its series and axes; filling one replaces what it showed.

// |E| along the bisector: the integral, N point charges, and dashed, the
// infinite line and the single charge.
void FillBisectorFieldChart(QChart& chart, const std::vector<BisectorSample>& samples, int n,
                            bool negativeDensity);

// V along the bisector: the integral, N point charges and, dashed, the single charge.
void FillBisectorPotentialChart(QChart& chart, const std::vector<BisectorSample>& samples, int n,
                                bool negativeDensity);

// Relative errors against N at the point (shown as text), with the fitted
// slopes in the legend and the program's four N marked.
void FillConvergenceChart(QChart& chart, const std::vector<ConvergenceSample>& samples,
                          const QString& point);
