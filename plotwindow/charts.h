#pragma once

#include <QChart>
#include <QString>
#include <vector>

#include "plots/bisector.h"
#include "plots/convergence.h"

// The three log-log charts of the plot window, filled from the plots' data.
// Each chart owns its series and axes; filling one replaces what it showed.
// Every number is written in the user's locale, one notation along an axis.
// Each model keeps one colour and one line in both charts: the exact one
// dark grey and thick, the limits dashed and thinner over it.

// |E| along the bisector: N point charges, the integral, the infinite line
// and the single charge; the title says λ and N, or the integral alone for
// n = 0, which leaves the point charges out.
void FillBisectorFieldChart(QChart& chart, const std::vector<BisectorSample>& samples,
                            const FieldModel& model);

// V along the bisector: N point charges, the integral and the single charge.
void FillBisectorPotentialChart(QChart& chart, const std::vector<BisectorSample>& samples,
                                const FieldModel& model);

// Relative errors against N at (x, y) for λ, with the fitted slopes in the
// legend and the program's four N marked.
void FillConvergenceChart(QChart& chart, const std::vector<ConvergenceSample>& samples, double x,
                          double y, double lambda);

// "(0,6; 0,4) m" in the user's locale.
QString PointText(double x, double y);
