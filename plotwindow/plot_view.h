#pragma once

#include "gauss/gauss_surface.h"

class QWidget;
class ChargeDistribution;

// What the plots follow from the main window.
struct PlotInputs {
    const ChargeDistribution* shape;
    double lambda;     // the density, C/m or C/m²
    int elementCount;  // N of the element model in use; 0 when the integral is
    double x;          // the current point, in the plane z = 0
    double y;

    bool operator==(const PlotInputs&) const = default;
};

// The window "Gráficas" as the main window sees it. The window lives in a
// module of its own, loaded the first time it is opened, so that the program
// loads Qt Charts and Qt SVG only when the plots are used; this header needs
// neither.
class PlotView {
public:
    virtual QWidget* widget() = 0;  // a window, owned by the parent it was made for
    virtual void follow(const PlotInputs& inputs) = 0;

protected:
    ~PlotView() = default;  // the widget's parent deletes it
};

// The module's one entry point, looked up by this name: makes the window as
// a child of parent.
using MakePlotViewFunction = PlotView* (*)(QWidget* parent);
inline constexpr char kMakePlotViewName[] = "MakePlotView";

// "Φ frente al radio" in the Gauss tool's window, made by the same module:
// the flux of the exact model and of N elements as the surface grows.
class FluxChartView {
public:
    virtual QWidget* widget() = 0;  // the chart, owned by the parent it was made for
    virtual QWidget* key() = 0;     // its key, for the window to place under it; owned likewise
    virtual void follow(const ChargeDistribution& shape, double lambda, int elementCount,
                        const GaussSurface& surface) = 0;

protected:
    ~FluxChartView() = default;  // the widget's parent deletes it
};

using MakeFluxChartFunction = FluxChartView* (*)(QWidget* parent);
inline constexpr char kMakeFluxChartName[] = "MakeFluxChart";
