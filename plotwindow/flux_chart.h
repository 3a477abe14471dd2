#pragma once

#include <QChartView>
#include <optional>
#include <thread>
#include <tuple>
#include <vector>

#include "gauss/flux.h"
#include "plotwindow/plot_view.h"

class QLabel;
class QLineSeries;
class QValueAxis;

// "Φ frente al radio": the flux of the exact model and of N elements as the
// surface grows, its kind, centre and length kept, and Q_enc/ε₀ of the exact
// model over them; a vertical line marks the surface's radius. The sweep runs
// on another thread, so the window goes on answering; a sweep asked for a
// surface or a charge changed since is stopped, and its result never shows.
// A new radius alone moves the mark, unless it changes the radii swept. Its key is a
// label of its own, which wraps where the window is narrow.
class FluxChart : public QChartView, public FluxChartView {
    Q_OBJECT

public:
    explicit FluxChart(QWidget* parent);

    QWidget* widget() override { return this; }
    QWidget* key() override;
    void follow(const ChargeDistribution& shape, double lambda, int elementCount,
                const GaussSurface& surface) override;

private:
    // What a sweep depends on.
    struct Sweep {
        const ChargeDistribution* shape;
        double lambda;
        int elementCount;
        SurfaceKind kind;
        double centre;
        double length;  // the cylinder's; 0 for a sphere
        SweepRange radii;
        bool operator==(const Sweep& other) const {
            return std::tie(shape, lambda, elementCount, kind, centre, length, radii.from,
                            radii.to) == std::tie(other.shape, other.lambda, other.elementCount,
                                                  other.kind, other.centre, other.length,
                                                  other.radii.from, other.radii.to);
        }
    };
    void start(const Sweep& sweep, const GaussSurface& surface);
    void showSweep(int generation, const std::vector<FluxAtRadius>& exact,
                   const std::vector<FluxAtRadius>& elements);
    void placeMark();
    void writeKey(const QString& elements);

    QLineSeries *exact_, *elements_, *enclosed_, *mark_;
    QValueAxis *radii_, *fluxes_;
    QLabel* key_;
    std::optional<Sweep> swept_;  // the last one asked for
    double radius_ = 0;           // of the surface, m
    int generation_ = 0;          // of the sweep last asked for; another's result is stale
    std::jthread worker_;         // last: stopped and joined first when the chart ends
};
