#pragma once

#include <QChart>
#include <QString>
#include <vector>

#include "plots/bisector.h"
#include "plots/convergence.h"

// The three charts of the plot window, filled from the plots' data.
// Each chart owns its series and axes; filling one replaces what it showed.
// Every number is written in the user's locale, one notation along an axis.
// Each model keeps one colour and one line in both charts: the exact one
// dark grey and thick, the limits dashed and thinner over it.

// |E| along the plotted line: N elements, the integral, and the limits the
// shape has of the infinite line, the single charge and the infinite plane;
// the title says the line, the shape, its density and Q, and N, or the
// integral alone for n = 0, which leaves the elements out.
void FillBisectorFieldChart(QChart& chart, const std::vector<BisectorSample>& samples,
                            const FieldModel& model);

// V along the plotted line: N elements, the integral and the single charge.
void FillBisectorPotentialChart(QChart& chart, const std::vector<BisectorSample>& samples,
                                const FieldModel& model);

// Relative errors against N at (x, y) for the shape and its density, with
// the shape's law fitted in the legend and the program's four N marked: on
// log-log axes for a power of N, on a semi-log chart (N linear) for a
// geometric fall, so that either reads as a straight line.
void FillConvergenceChart(QChart& chart, const std::vector<ConvergenceSample>& samples,
                          const ChargeDistribution& shape, double x, double y, double lambda);

// "(0,6; 0,4) m" in the user's locale.
QString PointText(double x, double y);
