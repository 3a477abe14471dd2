// The entry point of the module the program loads when the plots are first opened.
#include <QtGlobal>

#include "plotwindow/plot_window.h"

extern "C" Q_DECL_EXPORT PlotView* MakePlotView(QWidget* parent) { return new PlotWindow(parent); }
