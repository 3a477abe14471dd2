#include "plotwindow/charts.h"

#include <QFont>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <algorithm>
#include <cmath>

namespace {

// How a curve is drawn; a model looks the same in every chart.
struct Look {
    QColor colour;
    Qt::PenStyle style;  // Qt::NoPen: marks
    qreal width;
    bool framed = true;  // the vertical axis spans it; otherwise it may leave the chart
};
const Look kExact{Qt::black, Qt::SolidLine, 3.5};
const Look kCharges{QColor(31, 119, 180), Qt::SolidLine, 2};
const Look kInfiniteLine{QColor(255, 127, 14), Qt::DashLine, 2, false};
const Look kPointCharge{QColor(148, 103, 189), Qt::DashLine, 2, false};
const Look kFieldError{QColor(214, 39, 40), Qt::SolidLine, 2};
const Look kPotentialError{QColor(44, 160, 44), Qt::SolidLine, 2};
const Look kMarks{Qt::black, Qt::NoPen, 9};

struct Curve {
    QString name;
    QList<QPointF> points;
    Look look;
};

// The user's locale, without thousands separators beside decimal commas.
QLocale NumberLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString Number(double value) { return NumberLocale().toString(value, 'g', 6); }

// A tick on every power of ten; the range spans the data along x (a hair
// wider, so that a decade at either end keeps its tick) and whole decades along y.
void FitLogAxis(QLogValueAxis& axis, const QString& title, double low, double high,
                bool wholeDecades) {
    axis.setTitleText(title);
    constexpr double kHair = 1e-9;
    if (wholeDecades) {
        low = std::pow(10, std::floor(std::log10(low)));
        high = std::pow(10, std::ceil(std::log10(high)));
    }
    axis.setRange(low * (1 - kHair), high * (1 + kHair));
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

// The chart's series, one per curve, on two log axes: made the first time,
// then kept, so that following the main window only replaces points.
QList<QAbstractSeries*> SeriesFor(QChart& chart, const std::vector<Curve>& curves) {
    if (chart.series().size() == qsizetype(curves.size())) return chart.series();
    chart.setLocale(NumberLocale());
    chart.setLocalizeNumbers(true);
    chart.legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    for (Qt::Orientation direction : {Qt::Horizontal, Qt::Vertical}) {
        auto* axis = new QLogValueAxis;
        axis->setBase(10);
        axis->setLabelFormat("%.6g");  // a bare "%g" is not written in the chart's locale
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

// Shows the curves on log-log axes, the last one on top. Points that a log
// axis cannot show (zero, negative or NaN) are left out, and so are the
// points above the chart, which a renderer would draw over the title.
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
            if (!curves[k].look.framed) continue;
            yLow = std::min(yLow, p.y()), yHigh = std::max(yHigh, p.y());
        }
        auto* curve = static_cast<QXYSeries*>(series[qsizetype(k)]);
        curve->setName(curves[k].name);
        curve->replace(shown);
    }
    if (!(xHigh > 0 && yHigh > 0)) return;
    auto* xAxis = static_cast<QLogValueAxis*>(chart.axes(Qt::Horizontal)[0]);
    auto* yAxis = static_cast<QLogValueAxis*>(chart.axes(Qt::Vertical)[0]);
    FitLogAxis(*xAxis, xTitle, xLow, xHigh, false);
    FitLogAxis(*yAxis, yTitle, yLow, yHigh, true);
    for (std::size_t k = 0; k < curves.size(); ++k) {
        auto* curve = static_cast<QXYSeries*>(series[qsizetype(k)]);
        QList<QPointF> inside = curve->points();
        inside.removeIf([&](const QPointF& p) { return p.y() > yAxis->max(); });
        if (inside.size() != curve->count()) curve->replace(inside);
    }
}

template <typename Sample>
QList<QPointF> Points(const std::vector<Sample>& samples, double (*x)(const Sample&),
                      double (*y)(const Sample&)) {
    QList<QPointF> points;
    points.reserve(qsizetype(samples.size()));
    for (const Sample& sample : samples) points.append({x(sample), y(sample)});
    return points;
}

QString Density(double lambda) { return QString("λ = %1 µC/m").arg(Number(lambda * 1e6)); }

// What the bisector's charts show, and for a negative density that they show magnitudes.
QString BisectorTitle(const char* what, double lambda, int n) {
    return QString("%1 en la mediatriz x = %2 m · %3 · N = %4%5")
        .arg(what, Number(0.5), Density(lambda), QString::number(n),
             lambda < 0 ? "<br>magnitudes: la densidad es negativa" : "");
}

QString Charges(int n) { return QString("%1 cargas puntuales").arg(n); }

double S(const BisectorSample& b) { return b.s; }
const QString kBisectorAxis = "s: distancia al segmento (m)";

QString SlopeText(const char* what, const std::optional<FittedSlope>& fit) {
    if (!fit) return QString("%1: sin ley de potencias").arg(what);
    return QString("%1: pendiente %2 de N = %3 a %4")
        .arg(what, NumberLocale().toString(fit->slope, 'f', 2), QString::number(fit->fromN),
             QString::number(kConvergenceLargestN));
}

}  // namespace

void FillBisectorFieldChart(QChart& chart, const std::vector<BisectorSample>& samples,
                            double lambda, int n) {
    using B = BisectorSample;
    Look charges = kCharges;
    charges.framed = false;  // a charge 1 mm under the point would add two decades
    Fill(chart, BisectorTitle("|E|", lambda, n),
         {{Charges(n), Points<B>(samples, S, [](const B& b) { return b.chargesE; }), charges},
          {"Línea infinita 2kλ/s (a trazos)",
           Points<B>(samples, S, [](const B& b) { return b.lineE; }), kInfiniteLine},
          {"Carga puntual kQ/s² (a trazos)",
           Points<B>(samples, S, [](const B& b) { return b.pointE; }), kPointCharge},
          {"Exacto", Points<B>(samples, S, [](const B& b) { return b.exactE; }), kExact}},
         kBisectorAxis, "|E| (V/m)");
}

void FillBisectorPotentialChart(QChart& chart, const std::vector<BisectorSample>& samples,
                                double lambda, int n) {
    using B = BisectorSample;
    Fill(
        chart, BisectorTitle(lambda < 0 ? "|V|" : "V", lambda, n),
        {{Charges(n), Points<B>(samples, S, [](const B& b) { return std::fabs(b.chargesV); }),
          kCharges},
         {"Carga puntual kQ/s (a trazos)",
          Points<B>(samples, S, [](const B& b) { return std::fabs(b.pointV); }), kPointCharge},
         {"Exacto", Points<B>(samples, S, [](const B& b) { return std::fabs(b.exactV); }), kExact}},
        kBisectorAxis, lambda < 0 ? "|V| (V)" : "V (V)");
}

void FillConvergenceChart(QChart& chart, const std::vector<ConvergenceSample>& samples, double x,
                          double y, double lambda) {
    using C = ConvergenceSample;
    const ConvergenceSlopes slopes = FittedSlopes(samples);
    const auto n = [](const C& c) { return double(c.n); };
    QList<QPointF> marks;
    for (const C& c : samples)
        if (c.n == 5 || c.n == 10 || c.n == 20 || c.n == 50)
            marks << QPointF(c.n, c.errorE) << QPointF(c.n, c.errorV);
    Fill(chart,
         "Error de N cargas puntuales frente a la integral en " + PointText(x, y) + " · " +
             Density(lambda),
         {{SlopeText("|E|", slopes.field),
           Points<C>(samples, n, [](const C& c) { return c.errorE; }), kFieldError},
          {SlopeText("V", slopes.potential),
           Points<C>(samples, n, [](const C& c) { return c.errorV; }), kPotentialError},
          {"N = 5, 10, 20, 50", marks, kMarks}},
         "N: número de cargas puntuales", "error relativo");
}

QString PointText(double x, double y) { return QString("(%1; %2) m").arg(Number(x), Number(y)); }
