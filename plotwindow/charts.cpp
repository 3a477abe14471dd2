#include "plotwindow/charts.h"

#include <QCategoryAxis>
#include <QFont>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <algorithm>
#include <cmath>

#include "field/model_text.h"
#include "view/readout_text.h"

namespace {

// How a curve is drawn; a model looks the same in every chart. The limits
// are drawn over the exact curve, thinner, so that both show where they agree.
struct Look {
    QColor colour;
    Qt::PenStyle style;  // Qt::NoPen: marks
    qreal width;
    bool framed = true;  // the vertical axis spans it; otherwise it may leave the chart
};
const Look kExact{QColor(80, 80, 80), Qt::SolidLine, 3.5};
const Look kCharges{QColor(31, 119, 180), Qt::SolidLine, 2};
const Look kInfiniteLine{QColor(255, 127, 14), Qt::DashLine, 1.5, false};
const Look kPointCharge{QColor(148, 103, 189), Qt::DashLine, 1.5, false};
const Look kInfinitePlane{QColor(23, 190, 207), Qt::DashLine, 1.5, false};
const Look kFieldError{QColor(214, 39, 40), Qt::SolidLine, 2};
const Look kPotentialError{QColor(44, 160, 44), Qt::SolidLine, 2};
const Look kMarks{Qt::black, Qt::NoPen, 9};

struct Curve {
    QString name;
    QList<QPointF> points;  // values; none for a model not shown
    Look look;
};

QString Number(double value) { return PlotLocale().toString(value, 'g', 6); }

// The charts are drawn in decimal logarithms on linear axes labelled with the
// powers of ten. Qt Charts compares ranges in absolute terms: it takes one
// narrower than 1e-12 for empty and then lays out neither the axis nor the
// title, and misses a change of its ends by less than that, so that the
// errors at far points, far below 1e-12, would keep the last point's labels.
// A semi-log chart keeps x as it is.
QPointF Logarithms(const QPointF& p, bool logX) {
    return {logX ? std::log10(p.x()) : p.x(), std::log10(p.y())};
}

// One notation for every label of an axis: plain decimals while every
// decade is short in them, otherwise powers of ten as 1e-18 and 1e+6.
QString DecadeText(int decade, bool plain) {
    const double value = std::pow(10, decade);
    return plain ? PlotLocale().toString(value, 'f', std::max(0, -decade))
                 : PlotLocale().toString(value, 'e', 0);
}
constexpr int kLowestPlain = -4, kHighestPlain = 5;

// A tick, a grid line and a label on every power of ten from low to high
// (logarithms), the range those given.
void FitDecades(QCategoryAxis& axis, const QString& title, double low, double high) {
    axis.setTitleText(title);
    for (const QString& label : axis.categoriesLabels()) axis.remove(label);
    const int first = int(std::ceil(low)), last = int(std::floor(high));
    const bool plain = first >= kLowestPlain && last <= kHighestPlain;
    axis.setStartValue(first - 1);  // outside the range: its tick is not drawn
    for (int decade = first; decade <= last; ++decade)
        axis.append(DecadeText(decade, plain), decade);
    axis.setRange(low, high);
}

QXYSeries* NewSeries(const Look& look) {
    if (look.style == Qt::NoPen) {
        auto* marks = new QScatterSeries;
        marks->setMarkerSize(look.width);
        marks->setColor(look.colour);
        marks->setBorderColor(look.colour);
        return marks;
    }
    auto* line = new QLineSeries;
    QPen pen(look.colour, look.width, look.style);
    line->setPen(pen);
    return line;
}

// The chart's series, one per curve, on its two axes: made the first time,
// then kept, so that following the main window only replaces points.
QList<QAbstractSeries*> SeriesFor(QChart& chart, const std::vector<Curve>& curves) {
    if (chart.series().size() == qsizetype(curves.size())) return chart.series();
    chart.legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    for (Qt::Orientation direction : {Qt::Horizontal, Qt::Vertical}) {
        auto* axis = new QCategoryAxis;
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        QFont font = axis->labelsFont();
        font.setPointSizeF(font.pointSizeF() * 0.85);  // a decade's label fits a decade's height
        axis->setLabelsFont(font);
        chart.addAxis(axis, direction == Qt::Horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    }
    for (const Curve& curve : curves) {
        QXYSeries* series = NewSeries(curve.look);
        chart.addSeries(series);
        series->attachAxis(chart.axes(Qt::Horizontal)[0]);
        series->attachAxis(chart.axes(Qt::Vertical)[0]);
    }
    return chart.series();
}

// A tick, a grid line and a label on every multiple of a round step (1, 2
// or 5 times a power of ten) from low to high, some five to ten of them.
void FitLinear(QCategoryAxis& axis, const QString& title, double low, double high) {
    axis.setTitleText(title);
    for (const QString& label : axis.categoriesLabels()) axis.remove(label);
    const double least = std::max(high - low, 1.0) / 10;
    const double power = std::pow(10, std::floor(std::log10(least)));
    double step = power;
    for (double times : {1, 2, 5, 10})
        if (times * power >= least) {
            step = times * power;
            break;
        }
    const double first = std::ceil(low / step) * step;
    axis.setStartValue(first - step);  // outside the range: its tick is not drawn
    for (double value = first; value <= high; value += step)
        axis.append(PlotLocale().toString(value, 'g', 6), value);
    axis.setRange(low, high);
}

// Shows the curves on log-log axes (semi-log: x linear, where logX is
// false), the last one on top, and in the legend those that have points.
// Points that a log axis cannot show (zero, negative or NaN) are left out,
// and so are the points above the chart, which a renderer would draw over
// the title. The range spans the data along x (a hair wider, so that a decade
// at either end keeps its tick) and whole decades along y.
void Fill(QChart& chart, const QString& title, const std::vector<Curve>& curves,
          const QString& xTitle, const QString& yTitle, bool logX = true) {
    chart.setTitle(title);
    const QList<QAbstractSeries*> series = SeriesFor(chart, curves);
    double xLow = INFINITY, xHigh = -INFINITY, yLow = INFINITY, yHigh = -INFINITY;
    std::vector<QList<QPointF>> shown(curves.size());
    for (std::size_t k = 0; k < curves.size(); ++k) {
        for (const QPointF& p : curves[k].points) {
            if (!(p.x() > 0 && p.y() > 0 && std::isfinite(p.y()))) continue;
            const QPointF q = Logarithms(p, logX);
            shown[k].append(q);
            xLow = std::min(xLow, q.x()), xHigh = std::max(xHigh, q.x());
            if (!curves[k].look.framed) continue;
            yLow = std::min(yLow, q.y()), yHigh = std::max(yHigh, q.y());
        }
    }
    const bool spanned = yHigh >= yLow;
    if (spanned) yLow = std::floor(yLow), yHigh = std::max(std::ceil(yHigh), yLow + 1);
    for (std::size_t k = 0; k < curves.size(); ++k) {
        if (spanned) shown[k].removeIf([&](const QPointF& p) { return p.y() > yHigh; });
        auto* curve = static_cast<QXYSeries*>(series[qsizetype(k)]);
        curve->setName(curves[k].name);
        curve->replace(shown[k]);
        chart.legend()->markers(curve).value(0)->setVisible(!curves[k].points.isEmpty());
    }
    if (!spanned) return;
    constexpr double kHair = 1e-9;
    auto* xAxis = static_cast<QCategoryAxis*>(chart.axes(Qt::Horizontal)[0]);
    if (logX)
        FitDecades(*xAxis, xTitle, xLow - kHair, xHigh + kHair);
    else
        FitLinear(*xAxis, xTitle, xLow, xHigh);
    FitDecades(*static_cast<QCategoryAxis*>(chart.axes(Qt::Vertical)[0]), yTitle, yLow, yHigh);
}

template <typename Sample>
QList<QPointF> Points(const std::vector<Sample>& samples, double (*x)(const Sample&),
                      double (*y)(const Sample&)) {
    QList<QPointF> points;
    points.reserve(qsizetype(samples.size()));
    for (const Sample& sample : samples) points.append({x(sample), y(sample)});
    return points;
}

// The shape, its density with symbol and unit, and its whole charge in µC.
QString Charge(const ChargeDistribution& shape, double density) {
    const double micro = density / kMicro;
    return QString("%1 · %2 = %3 µ%4 · %5")
        .arg(QString::fromStdString(shape.words().name),
             QString::fromStdString(shape.densitySymbol()), Number(micro),
             QString::fromStdString(shape.densityUnit()),
             TotalChargeText(micro * shape.chargePerDensity()));
}

QString Elements(const ChargeDistribution& shape) {
    return QString::fromStdString(ElementsNoun(shape));
}

// The line plotted, as the titles name it: "Mediatriz x = 0,5 m", "Eje del anillo".
QString LineText(const ChargeDistribution& shape) {
    const QString name = QString::fromStdString(shape.words().plotLine);
    if (AlongTheAxis(shape)) return name;
    return QString("%1 x = %2 m").arg(name, Number(shape.plotLine().start.x));
}

// What the bisector's charts show, and for a negative density that they show magnitudes.
QString BisectorTitle(const char* what, const FieldModel& model) {
    const double lambda = model.lambda;
    const int n = model.charges;
    return QString("%1 · %2 · %3 · %4%5")
        .arg(what, LineText(*model.shape), Charge(*model.shape, lambda),
             n > 0 ? QString("N = %1").arg(n)
                   : QString::fromStdString(model_text::Model(*model.shape, 0)),
             lambda < 0 ? "<br>magnitudes: la densidad es negativa" : "");
}

QString Charges(const FieldModel& model) {
    return QString("%1 %2").arg(model.charges).arg(Elements(*model.shape));
}

// The values of a limit, or none where the shape has none of it.
template <typename Sample>
QList<QPointF> LimitPoints(const std::vector<Sample>& samples, double (*x)(const Sample&),
                           double (*y)(const Sample&)) {
    if (std::ranges::all_of(samples, [y](const Sample& s) { return std::isnan(y(s)); })) return {};
    return Points<Sample>(samples, x, y);
}

// The values of the point charges, or none for the integral alone.
template <typename Sample>
QList<QPointF> ChargesPoints(int n, const std::vector<Sample>& samples, double (*x)(const Sample&),
                             double (*y)(const Sample&)) {
    return n > 0 ? Points<Sample>(samples, x, y) : QList<QPointF>{};
}

double S(const BisectorSample& b) { return b.s; }

// s from the segment across its bisector, from the centre along an axis.
QString BisectorAxis(const ChargeDistribution& shape) {
    return AlongTheAxis(shape) ? "s: distancia al centro (m)" : "s: distancia al segmento (m)";
}

QString SlopeText(const char* what, const std::optional<FittedSlope>& fit, ConvergenceLaw law) {
    const bool geometric = law == ConvergenceLaw::Geometric;
    if (!fit)
        return QString("%1: %2").arg(what,
                                     geometric ? "sin caída geométrica" : "sin ley de potencias");
    const QString range = QString("de N = %1 a %2").arg(fit->fromN).arg(fit->toN);
    if (geometric)
        return QString("%1: cae ×10 cada ΔN ≈ %2 %3")
            .arg(what, PlotLocale().toString(TenfoldStep(*fit), 'f', 2), range);
    return QString("%1: pendiente %2 %3")
        .arg(what, PlotLocale().toString(fit->slope, 'f', 2), range);
}

}  // namespace

void FillBisectorFieldChart(QChart& chart, const std::vector<BisectorSample>& samples,
                            const FieldModel& model) {
    const int n = model.charges;
    using B = BisectorSample;
    Look charges = kCharges;
    charges.framed = false;  // a charge 1 mm under the point would add two decades
    Fill(chart, BisectorTitle("|E|", model),
         {{Charges(model), ChargesPoints<B>(n, samples, S, [](const B& b) { return b.chargesE; }),
           charges},
          {"Exacto", Points<B>(samples, S, [](const B& b) { return b.exactE; }), kExact},
          {"Línea infinita 2kλ/s (a trazos)",
           LimitPoints<B>(samples, S, [](const B& b) { return b.lineE; }), kInfiniteLine},
          {"Carga puntual kQ/s² (a trazos)",
           LimitPoints<B>(samples, S, [](const B& b) { return b.pointE; }), kPointCharge},
          {"Plano infinito σ/2ε₀ (a trazos)",
           LimitPoints<B>(samples, S, [](const B& b) { return b.planeE; }), kInfinitePlane}},
         BisectorAxis(*model.shape), "|E| (V/m)");
}

void FillBisectorPotentialChart(QChart& chart, const std::vector<BisectorSample>& samples,
                                const FieldModel& model) {
    const double lambda = model.lambda;
    const int n = model.charges;
    using B = BisectorSample;
    Fill(chart, BisectorTitle(lambda < 0 ? "|V|" : "V", model),
         {{Charges(model),
           ChargesPoints<B>(n, samples, S, [](const B& b) { return std::fabs(b.chargesV); }),
           kCharges},
          {"Exacto", Points<B>(samples, S, [](const B& b) { return std::fabs(b.exactV); }), kExact},
          {"Carga puntual kQ/s (a trazos)",
           LimitPoints<B>(samples, S, [](const B& b) { return std::fabs(b.pointV); }),
           kPointCharge}},
         BisectorAxis(*model.shape), lambda < 0 ? "|V| (V)" : "V (V)");
}

void FillConvergenceChart(QChart& chart, const std::vector<ConvergenceSample>& samples,
                          const ChargeDistribution& shape, double x, double y, double lambda) {
    using C = ConvergenceSample;
    const ConvergenceLaw law = shape.convergenceLaw();
    const ConvergenceSlopes slopes = FittedSlopes(samples, law);
    const auto n = [](const C& c) { return double(c.n); };
    QList<QPointF> marks;
    QStringList choices;
    for (int count : kElementCountChoices) choices << QString::number(count);
    for (const C& c : samples)
        if (std::ranges::find(kElementCountChoices, c.n) != kElementCountChoices.end())
            marks << QPointF(c.n, c.errorE) << QPointF(c.n, c.errorV);
    Fill(chart,
         QString("Error de N %1 frente a la integral en %2 · %3")
             .arg(Elements(shape), PointText(x, y), Charge(shape, lambda)),
         {{SlopeText("|E|", slopes.field, law),
           Points<C>(samples, n, [](const C& c) { return c.errorE; }), kFieldError},
          {SlopeText("V", slopes.potential, law),
           Points<C>(samples, n, [](const C& c) { return c.errorV; }), kPotentialError},
          {"N = " + choices.join(", "), marks, kMarks}},
         "N: número de " + Elements(shape), "error relativo", law != ConvergenceLaw::Geometric);
}

QString PointText(double x, double y) { return QString("(%1; %2) m").arg(Number(x), Number(y)); }
