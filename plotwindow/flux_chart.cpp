#include "plotwindow/flux_chart.h"

#include <QChart>
#include <QLabel>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "field/model_text.h"
#include "view/readout_text.h"

namespace {

constexpr int kRadiiAtOnce = 10;  // between two looks at whether the sweep is stale
static_assert(kSweepRadii % kRadiiAtOnce == 0);

// The first of 1, 2, 2.5 and 5 times a power of ten from `least` up.
double RoundStep(double least) {
    const double power = std::pow(10, std::floor(std::log10(least)));
    for (double times : {1.0, 2.0, 2.5, 5.0})
        if (times * power >= least) return times * power;
    return 10 * power;
}

double RadiusAt(int i, SweepRange range) {
    return range.from + (range.to - range.from) * i / (kSweepRadii - 1);
}

// Φ at each radius of the chart, in groups, stopping between them when asked;
// empty once stopped.
std::vector<FluxAtRadius> SweepFlux(const FieldModel& model, const GaussSurface& surface,
                                    SweepRange range, std::stop_token stop) {
    std::vector<FluxAtRadius> points;
    for (int first = 0; first < kSweepRadii; first += kRadiiAtOnce) {
        if (stop.stop_requested()) return {};
        const int last = first + kRadiiAtOnce - 1;
        const std::vector<FluxAtRadius> group = FluxAgainstRadius(
            model, surface, RadiusAt(first, range), RadiusAt(last, range), kRadiiAtOnce);
        points.insert(points.end(), group.begin(), group.end());
    }
    return points;
}

// How a curve is drawn, and the stroke the key shows for it: the exact model
// dark grey and thick, as in "Gráficas", its Q_enc/ε₀ dashed over it.
struct Look {
    QColor colour;
    qreal width;
    Qt::PenStyle style;
    const char* stroke;
};
const Look kExact{QColor(80, 80, 80), 3.5, Qt::SolidLine, "━━"};
const Look kElements{QColor(31, 119, 180), 2, Qt::SolidLine, "━━"};
const Look kEnclosed{QColor(255, 127, 14), 1.5, Qt::DashLine, "╍╍"};
const Look kMark{QColor(214, 39, 40), 1.5, Qt::SolidLine, "┃"};

QLineSeries* NewSeries(QChart& chart, const Look& look) {
    auto* series = new QLineSeries;
    series->setPen(QPen(look.colour, look.width, look.style));
    chart.addSeries(series);
    return series;
}

QList<QPointF> Points(const std::vector<FluxAtRadius>& sweep, double FluxAtRadius::*value) {
    QList<QPointF> points;
    for (const FluxAtRadius& p : sweep) points.append({p.radius, p.*value});
    return points;
}

}  // namespace

// The view is made with its chart: one set later would leave the view's own
// first chart to no owner.
FluxChart::FluxChart(QWidget* parent) : QChartView(new QChart, parent) {
    setObjectName("gaussPlot");
    setAccessibleName(QString::fromUtf8("Φ frente al radio"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(350, 300);  // the window fits beside the main one on a 1280-pixel screen
    QChart* chart = this->chart();
    chart->setTitle(QString::fromUtf8("Φ frente al radio"));
    chart->setLocalizeNumbers(true);
    chart->setLocale(PlotLocale());
    chart->legend()->hide();
    exact_ = NewSeries(*chart, kExact);
    elements_ = NewSeries(*chart, kElements);
    enclosed_ = NewSeries(*chart, kEnclosed);
    mark_ = NewSeries(*chart, kMark);
    radii_ = new QValueAxis;
    radii_->setTitleText("Radio (m)");
    radii_->setLabelFormat("%.6g");  // Qt writes a bare %g in the locale as nothing
    radii_->setTickType(QValueAxis::TicksDynamic);
    radii_->setTickAnchor(0);
    fluxes_ = new QValueAxis;
    fluxes_->setTitleText(QString::fromUtf8("Φ (V·m)"));
    fluxes_->setLabelFormat("%.6g");
    chart->addAxis(radii_, Qt::AlignBottom);
    chart->addAxis(fluxes_, Qt::AlignLeft);
    for (QLineSeries* series : {exact_, elements_, enclosed_, mark_}) {
        series->attachAxis(radii_);
        series->attachAxis(fluxes_);
    }
    key_ = new QLabel(parent);
    key_->setObjectName("gaussPlotKey");
    key_->setWordWrap(true);
}

// Each curve's stroke in its colour and its name.
void FluxChart::writeKey(const QString& elements) {
    QStringList entries, spoken;
    for (auto [series, look, name] :
         {std::tuple{exact_, kExact, QString("Exacto")}, std::tuple{elements_, kElements, elements},
          std::tuple{enclosed_, kEnclosed, QString::fromUtf8("Q_enc/ε₀ exacto (a trazos)")},
          std::tuple{mark_, kMark, QString("radio de la superficie")}}) {
        series->setName(name);
        // Each entry in one piece: no break between its words, nor after a slash.
        const QString unbroken =
            name.toHtmlEscaped().replace(' ', "&nbsp;").replace('/', QString::fromUtf8("/\u2060"));
        entries << QString("<span style=\"color:%1\">%2</span>&nbsp;%3")
                       .arg(look.colour.name(), QString::fromUtf8(look.stroke), unbroken);
        spoken << name;
    }
    // Two entries a line: the models, then the enclosed charge and the mark.
    key_->setText(entries.mid(0, 2).join(" &nbsp; ") + "<br>" + entries.mid(2).join(" &nbsp; "));
    key_->setAccessibleName(spoken.join(", "));
}

void FluxChart::follow(const ChargeDistribution& shape, double lambda, int elementCount,
                       const GaussSurface& surface) {
    const bool cylinder = surface.kind == SurfaceKind::Cylinder;
    const Sweep sweep{&shape,
                      lambda,
                      elementCount,
                      surface.kind,
                      surface.centre,
                      cylinder ? surface.length : 0,
                      SweepRangeFor(surface)};
    radius_ = surface.radius;
    if (swept_ != sweep) start(sweep, surface);
    placeMark();
}

// On another thread; the result comes back through the event loop, tagged
// with the sweep it was asked for.
void FluxChart::start(const Sweep& sweep, const GaussSurface& surface) {
    swept_ = sweep;
    writeKey(QString::fromStdString(model_text::ShortName(*sweep.shape, sweep.elementCount)));
    radii_->setRange(0, sweep.radii.to);
    radii_->setTickInterval(RoundStep(sweep.radii.to / 6));
    worker_ =
        std::jthread([this, sweep, surface, generation = ++generation_](std::stop_token stop) {
            const FieldModel exact{sweep.lambda, 0, View::Front, sweep.shape};
            const FieldModel elements{sweep.lambda, sweep.elementCount, View::Front, sweep.shape};
            std::vector<FluxAtRadius> exactSweep = SweepFlux(exact, surface, sweep.radii, stop);
            std::vector<FluxAtRadius> elementSweep =
                SweepFlux(elements, surface, sweep.radii, stop);
            if (stop.stop_requested()) return;
            QMetaObject::invokeMethod(
                this,
                [this, generation, exactSweep = std::move(exactSweep),
                 elementSweep = std::move(elementSweep)] {
                    showSweep(generation, exactSweep, elementSweep);
                },
                Qt::QueuedConnection);
        });
}

void FluxChart::showSweep(int generation, const std::vector<FluxAtRadius>& exact,
                          const std::vector<FluxAtRadius>& elements) {
    if (generation != generation_) return;
    exact_->replace(Points(exact, &FluxAtRadius::flux));
    elements_->replace(Points(elements, &FluxAtRadius::flux));
    enclosed_->replace(Points(exact, &FluxAtRadius::enclosedOverEpsilon0));
    // Within this of 0 a flux is the quadrature's rounding: the accuracy of
    // Φ against the flux of the whole charge, Q/ε₀.
    const double whole =
        std::fabs(swept_->lambda) * swept_->shape->chargePerDensity() / VacuumPermittivity();
    const double noise = 1e-9 * whole;
    double low = 0, high = 0;
    for (const auto* sweep : {&exact, &elements})
        for (const FluxAtRadius& p : *sweep)
            for (double value : {p.flux, p.enclosedOverEpsilon0})
                if (std::isfinite(value)) low = std::min(low, value), high = std::max(high, value);
    // An end of the axis is 0 on a side no value reaches; on a side one does,
    // or on both where none does, it lies at least a thousandth of Q/ε₀ from
    // 0, so that rounding is not drawn as a jagged curve.
    const bool below = (low < -noise), above = (high > noise), neither = !below && !above;
    const double least = 1e-3 * whole;
    low = below || neither ? std::min(low, -least) : 0;
    high = above || neither ? std::max(high, least) : 0;
    if (!(high > low)) high = 1;  // no charge at all
    const double margin = (high - low) / 20;
    fluxes_->setRange(low < 0 ? low - margin : 0, high > 0 ? high + margin : 0);
    fluxes_->applyNiceNumbers();
    if (!below && !neither) fluxes_->setMin(0);
    if (!above && !neither) fluxes_->setMax(0);
    placeMark();
}

// Across the whole height of the chart at the surface's radius.
void FluxChart::placeMark() {
    mark_->replace({QPointF(radius_, fluxes_->min()), QPointF(radius_, fluxes_->max())});
}

QWidget* FluxChart::key() { return key_; }
