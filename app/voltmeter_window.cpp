#include "app/voltmeter_window.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QShortcut>

#include "app/readout_text.h"
#include "field/number_text.h"

VoltmeterWindow::VoltmeterWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Voltimetro");
    setWindowTitle("Voltímetro");
    auto* form = new QFormLayout(this);
    charge_ = new QLineEdit("1", this);
    charge_->setObjectName("CargaPrueba");
    charge_->setAccessibleName("Carga de prueba q (µC)");
    form->addRow("q (µC)", charge_);
    pointA_ = addReadout("PuntoA", "A (m)");
    pointB_ = addReadout("PuntoB", "B (m)");
    va_ = addReadout("PotencialA", "V(A) (V)");
    vb_ = addReadout("PotencialB", "V(B) (V)");
    deltaV_ = addReadout("DiferenciaV", "ΔV = V(B) − V(A) (V)");
    work_ = addReadout("Trabajo", "W = q·ΔV (µJ)");
    integral_ = addReadout("Integral", "−∫E·dl de A a B (V)");
    connect(charge_, &QLineEdit::textChanged, this, &VoltmeterWindow::refresh);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

QLabel* VoltmeterWindow::addReadout(const char* name, const QString& caption) {
    auto* readout = new QLabel(this);
    readout->setObjectName(name);
    readout->setAccessibleName(caption);
    readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readout->setMinimumWidth(220);
    static_cast<QFormLayout*>(layout())->addRow(caption, readout);
    return readout;
}

void VoltmeterWindow::measure(const FieldModel& model, std::optional<MapPoint> a,
                              std::optional<MapPoint> b) {
    model_ = model;
    a_ = a;
    b_ = b;
    refresh();
}

QString VoltmeterWindow::volts(Currency value) const { return ReadoutText(value); }

// As the read-outs: the user's decimal separator, no grouping of thousands.
QString VoltmeterWindow::number(double value) const {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 10);
}

void VoltmeterWindow::refresh() {
    const auto where = [this](MapPoint p) { return number(p.x) + "; " + number(p.y); };
    pointA_->setText(a_ ? where(*a_) : "evalúe otro punto");
    pointB_->setText(b_ ? where(*b_) : "evalúe un punto");
    for (QLabel* readout : {va_, vb_, deltaV_, work_, integral_}) readout->clear();
    const double q = Val(CommasToPoints(charge_->text().toStdString()));
    const auto reading = a_ && b_ ? ReadVoltmeter(model_, *a_, *b_, q) : std::nullopt;
    if (!reading) {
        if (a_) deltaV_->setText("sin valor en A o en B");
        return;
    }
    va_->setText(volts(reading->va));
    vb_->setText(volts(reading->vb));
    deltaV_->setText(volts(reading->deltaV));
    work_->setText(number(reading->work));
    // The integral in the read-outs' four decimals, beside the ΔV it equals.
    const auto integral =
        reading->lineIntegral ? Currency::fromDouble(*reading->lineIntegral) : std::nullopt;
    if (!reading->lineIntegral)
        integral_->setText("el camino cruza el segmento cargado:\nno se integra");
    else
        integral_->setText(integral ? volts(*integral) : number(*reading->lineIntegral));
}

void VoltmeterWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit visibilityChanged(true);
}

void VoltmeterWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    emit visibilityChanged(false);
}
