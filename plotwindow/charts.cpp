#include "plotwindow/charts.h"

#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <algorithm>
#include <cmath>

namespace {

enum class Style { Line, Dashed, Marks };

struct Curve {
    QString name;
    QList<QPointF> points;
    Style style = Style::Line;
};

// Ticks on whole powers of the base around the data; more than six decades
// take every second one, so the labels have room.
void FitLogAxis(QLogValueAxis& axis, const QString& title, double low, double high) {
    axis.setTitleText(title);
    const double base = std::log10(high / low) > 6 ? 100 : 10;
    axis.setBase(base);
    const double decade = std::log(base);
    axis.setRange(std::exp(std::floor(std::log(low) / decade) * decade),
                  std::exp(std::ceil(std::log(high) / decade) * decade));
}

QXYSeries* NewSeries(Style style) {
    if (style != Style::Marks) return new QLineSeries;
    auto* marks = new QScatterSeries;
    marks->setMarkerSize(9);
    return marks;
}

// The chart's series, one per curve, on two log axes: made the first time,
// then kept, so that following the main window only replaces points.
QList<QAbstractSeries*> SeriesFor(QChart& chart, const std::vector<Curve>& curves) {
    if (chart.series().size() == qsizetype(curves.size())) return chart.series();
    auto* xAxis = new QLogValueAxis;
    auto* yAxis = new QLogValueAxis;
    xAxis->setLabelFormat("%g");
    yAxis->setLabelFormat("%g");
    chart.addAxis(xAxis, Qt::AlignBottom);
    chart.addAxis(yAxis, Qt::AlignLeft);
    for (const Curve& curve : curves) {
        QXYSeries* series = NewSeries(curve.style);
        chart.addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
        if (curve.style == Style::Dashed) {  // after the chart has given it its colour
            QPen pen = series->pen();
            pen.setStyle(Qt::DashLine);
            series->setPen(pen);
        }
    }
    return chart.series();
}

// Shows the curves on log-log axes. Points that a log axis cannot show (zero
// or negative) are left out.
void Fill(QChart& chart, const QString& title, const std::vector<Curve>& curves,
          const QString& xTitle, const QString& yTitle) {
    chart.setTitle(title);
    const QList<QAbstractSeries*> series = SeriesFor(chart, curves);
    double xLow = INFINITY, xHigh = 0, yLow = INFINITY, yHigh = 0;
    for (std::size_t k = 0; k < curves.size(); ++k) {
        QList<QPointF> shown;
        for (const QPointF& p : curves[k].points) {
            if (!(p.x() > 0 && p.y() > 0 && std::isfinite(p.y()))) continue;
            shown.append(p);
            xLow = std::min(xLow, p.x()), xHigh = std::max(xHigh, p.x());
            yLow = std::min(yLow, p.y()), yHigh = std::max(yHigh, p.y());
        }
        auto* curve = static_cast<QXYSeries*>(series[qsizetype(k)]);
        curve->setName(curves[k].name);
        curve->replace(shown);
    }
    if (!(xHigh > 0 && yHigh > 0)) return;
    FitLogAxis(*static_cast<QLogValueAxis*>(chart.axes(Qt::Horizontal)[0]), xTitle, xLow, xHigh);
    FitLogAxis(*static_cast<QLogValueAxis*>(chart.axes(Qt::Vertical)[0]), yTitle, yLow, yHigh);
}

template <typename Sample>
QList<QPointF> Points(const std::vector<Sample>& samples, double (*x)(const Sample&),
                      double (*y)(const Sample&)) {
    QList<QPointF> points;
    points.reserve(qsizetype(samples.size()));
    for (const Sample& sample : samples) points.append({x(sample), y(sample)});
    return points;
}

QString Charges(int n) { return QString("%1 cargas puntuales").arg(n); }

QString Magnitudes(bool negativeDensity) { return negativeDensity ? " · magnitudes (λ < 0)" : ""; }

double S(const BisectorSample& b) { return b.s; }
const QString kBisectorAxis = "s: distancia al segmento (m)";

}  // namespace

void FillBisectorFieldChart(QChart& chart, const std::vector<BisectorSample>& samples, int n,
                            bool negativeDensity) {
    using B = BisectorSample;
    Fill(chart, "Campo en la mediatriz x = 0,5 m · Q = λL",
         {{"Exacto", Points<B>(samples, S, [](const B& b) { return b.exactE; })},
          {Charges(n), Points<B>(samples, S, [](const B& b) { return b.chargesE; })},
          {"Línea infinita 2kλ/s", Points<B>(samples, S, [](const B& b) { return b.lineE; }),
           Style::Dashed},
          {"Carga puntual kQ/s²", Points<B>(samples, S, [](const B& b) { return b.pointE; }),
           Style::Dashed}},
         kBisectorAxis, "|E| (V/m)" + Magnitudes(negativeDensity));
}

void FillBisectorPotentialChart(QChart& chart, const std::vector<BisectorSample>& samples, int n,
                                bool negativeDensity) {
    using B = BisectorSample;
    Fill(chart, "Potencial en la mediatriz x = 0,5 m",
         {{"Exacto", Points<B>(samples, S, [](const B& b) { return std::fabs(b.exactV); })},
          {Charges(n), Points<B>(samples, S, [](const B& b) { return std::fabs(b.chargesV); })},
          {"Carga puntual kQ/s",
           Points<B>(samples, S, [](const B& b) { return std::fabs(b.pointV); }), Style::Dashed}},
         kBisectorAxis, (negativeDensity ? "|V| (V)" : "V (V)") + Magnitudes(negativeDensity));
}

void FillConvergenceChart(QChart& chart, const std::vector<ConvergenceSample>& samples,
                          const QString& point) {
    using C = ConvergenceSample;
    const ConvergenceSlopes slopes = FittedSlopes(samples);
    const QLocale locale;
    const auto slope = [&](const char* what, double value) {
        return QString("%1: pendiente %2").arg(what, locale.toString(value, 'f', 2));
    };
    const auto n = [](const C& c) { return double(c.n); };
    QList<QPointF> marks;
    for (const C& c : samples)
        if (c.n == 5 || c.n == 10 || c.n == 20 || c.n == 50)
            marks << QPointF(c.n, c.errorE) << QPointF(c.n, c.errorV);
    Fill(
        chart,
        "Error de N cargas puntuales frente a la integral en " + point +
            " · pendientes ajustadas de N = 10 a 200",
        {{slope("|E|", slopes.field), Points<C>(samples, n, [](const C& c) { return c.errorE; })},
         {slope("V", slopes.potential), Points<C>(samples, n, [](const C& c) { return c.errorV; })},
         {"N = 5, 10, 20, 50", marks, Style::Marks}},
        "N: número de cargas puntuales", "error relativo");
}
