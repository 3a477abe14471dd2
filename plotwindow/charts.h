#pragma once

#include <QChart>
#include <QString>
#include <vector>

#include "plots/bisector.h"
#include "plots/convergence.h"

// The three log-log charts of the plot window, filled from the plots' data.
// Each chart owns its series and axes; filling one replaces what it showed.
// Every number is written in the user's locale. Each model keeps one colour
// and one line in both charts: the exact one black and thick, drawn over the
// others; the limits dashed.

// |E| along the bisector: N point charges, the infinite line, the single
// charge and the integral; the title says λ and N.
void FillBisectorFieldChart(QChart& chart, const std::vector<BisectorSample>& samples,
                            double lambda, int n);

// V along the bisector: N point charges, the single charge and the integral.
void FillBisectorPotentialChart(QChart& chart, const std::vector<BisectorSample>& samples,
                                double lambda, int n);

// Relative errors against N at (x, y) for λ, with the fitted slopes in the
// legend and the program's four N marked.
void FillConvergenceChart(QChart& chart, const std::vector<ConvergenceSample>& samples, double x,
                          double y, double lambda);

// "(0,6; 0,4) m" in the user's locale.
QString PointText(double x, double y);
