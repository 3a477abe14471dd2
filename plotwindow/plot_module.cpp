// The entry points of the module the program loads when the plots, or the
// Gauss tool's chart, are first opened.
#include <QtGlobal>

#include "plotwindow/flux_chart.h"
#include "plotwindow/plot_window.h"

extern "C" Q_DECL_EXPORT PlotView* MakePlotView(QWidget* parent) { return new PlotWindow(parent); }
extern "C" Q_DECL_EXPORT FluxChartView* MakeFluxChart(QWidget* parent) {
    return new FluxChart(parent);
}
