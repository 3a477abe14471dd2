#include "wholefield/voltmeter_window.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "field/model_text.h"
#include "field/number_text.h"
#include "view/readout_rows.h"
#include "view/readout_text.h"

namespace {

constexpr double kHalfLastDigit = 0.5 / Currency::kScale;  // V

// q as typed, with either decimal separator; empty unless the whole text is one number.
std::optional<double> TypedCharge(const QString& text) {
    const std::string typed = CommasToPoints(text.trimmed().toStdString());
    double value = 0;
    const char* const end = typed.data() + typed.size();
    const auto [stop, error] = std::from_chars(typed.data(), end, value);
    if (typed.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString ChargeNoun(const FieldModel& model) {
    return QString::fromStdString(model_text::ChargeNoun(*model.shape));
}

bool ElementsAreRings(const FieldModel& model) {
    return model_text::ElementsAreRings(*model.shape, model.charges);
}

QString ModelName(const FieldModel& model, bool manualSum) {
    return QString::fromStdString(model_text::ShortName(*model.shape, model.charges, manualSum));
}

}  // namespace

VoltmeterWindow::VoltmeterWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Voltimetro");
    setWindowTitle("Voltímetro");
    auto* form = form_ = new QFormLayout(this);
    charge_ = new QLineEdit("1", this);
    charge_->setObjectName("CargaPrueba");
    charge_->setAccessibleName("Carga de prueba q (µC)");
    // The column keeps a width for long numbers; a read-out that needs more
    // widens the window (a minimum width of its own would stop that).
    charge_->setMinimumWidth(220);
    form->addRow("q (µC)", charge_);
    modelName_ = addReadout("Modelo", "Modelo", 2);
    pointA_ = addReadout("PuntoA", "A (X; Y) (m)");
    pointB_ = addReadout("PuntoB", "B (X; Y) (m)");
    va_ = addReadout("PotencialA", "V(A) (V)");
    vb_ = addReadout("PotencialB", "V(B) (V)");
    deltaV_ = addReadout("DiferenciaV", "ΔV = V(B) − V(A) (V)");
    work_ = addReadout("Trabajo", "W = q·ΔV (µJ)", 2);
    integral_ = addReadout("Integral", "−∫E·dl de A a B (V)", 2);
    connect(charge_, &QLineEdit::textChanged, this, &VoltmeterWindow::refresh);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

QLabel* VoltmeterWindow::addReadout(const char* name, const QString& caption, int lines) {
    return AddReadoutRow(*form_, name, caption, lines);
}

void VoltmeterWindow::display(QLabel* readout, const QString& text) {
    ShowReadout(*form_, readout, text);
}

void VoltmeterWindow::measure(const FieldModel& model, bool manualSum, std::optional<WorldPoint> a,
                              std::optional<WorldPoint> b) {
    model_ = model;
    display(modelName_, ModelName(model, manualSum));
    a_ = a;
    b_ = b;
    refresh();
}

QString VoltmeterWindow::volts(Currency value) const { return ReadoutText(value); }

// As the read-outs: the user's decimal separator, no grouping of thousands.
QString VoltmeterWindow::number(double value) const { return SignificantText(value, 10); }

void VoltmeterWindow::refresh() {
    const auto where = [this](WorldPoint p) { return number(p.x) + "; " + number(p.y); };
    const QString axes = model_.view == View::Front ? "(X; Y)" : "(Z; Y)";
    for (auto [readout, name] : {std::pair{pointA_, "A "}, std::pair{pointB_, "B "}})
        static_cast<QLabel*>(form_->labelForField(readout))->setText(name + axes + " (m)");
    display(pointA_, a_ ? where(*a_) : "evalúe otro punto");
    display(pointB_, b_ ? where(*b_) : "evalúe un punto");
    for (QLabel* readout : {va_, vb_, deltaV_, work_, integral_}) display(readout, "");
    const std::optional<double> q = TypedCharge(charge_->text());
    const auto reading = a_ && b_ ? ReadVoltmeter(model_, *a_, *b_, q.value_or(0)) : std::nullopt;
    if (!reading) {
        if (a_ && b_) display(deltaV_, "sin valor en A o en B");
        return;
    }
    display(va_, volts(reading->va));
    display(vb_, volts(reading->vb));
    display(deltaV_, volts(reading->deltaV));
    display(work_, workText(q, reading->work));
    if (!reading->lineIntegral)
        display(integral_,
                model_.charges > 0 && model_.view == View::Front
                    ? (ElementsAreRings(model_) ? "el camino pasa por un anillo"
                                                : "el camino pasa por una carga puntual") +
                          QString(":\nno se integra")
                    : "el camino cruza el " + ChargeNoun(model_) + " cargado:\nno se integra");
    else
        display(integral_, integralText(*reading->lineIntegral, reading->deltaV));
}

// W in the read-outs' format; a q for which it has no such form is refused.
QString VoltmeterWindow::workText(std::optional<double> q, double work) const {
    if (!q) return "escriba q en µC, por ejemplo " + ReadoutLocale().toString(-2.5);
    const auto fixed = Currency::fromDouble(work);
    return fixed ? volts(*fixed)
                 : "W no cabe en las lecturas:\nescriba una q de menor valor absoluto";
}

// The integral in the read-outs' format. When it reads otherwise than ΔV, the
// window says why: how far the integral may be off, where that reaches half
// the read-outs' last digit, or else the rounding of what is shown, since
// V(A) and V(B) are each a sum of terms rounded to the last digit (one for
// the integral, N for point charges) and the integral is rounded once more:
// the window gives the most they can part.
QString VoltmeterWindow::integralText(PathIntegral integral, Currency deltaV) const {
    const auto shown = Currency::fromDouble(integral.volts);
    const QString value = shown ? volts(*shown) : number(integral.volts);
    if (!std::isfinite(integral.error)) return value + "\nerror sin acotar";
    if (integral.error >= kHalfLastDigit)
        return value + "\n± " + SignificantText(integral.error, 2);
    if (shown == deltaV) return value;
    const int terms = 2 * std::max(model_.charges, 1) + 1;
    const auto rounding = Currency::fromTenThousandths((terms + 1) / 2);  // up to a whole digit
    return value + "\ndifiere de ΔV en ≤ " + volts(rounding) + " por el redondeo";
}

void VoltmeterWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit visibilityChanged(true);
}

void VoltmeterWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit visibilityChanged(false);
}
