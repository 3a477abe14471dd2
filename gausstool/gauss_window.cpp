#include "gausstool/gauss_window.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

#include "field/model_text.h"
#include "plotwindow/plot_module.h"
#include "plotwindow/plot_view.h"
#include "settings/model_in_use.h"
#include "view/readout_rows.h"
#include "view/readout_text.h"

namespace {

// The significant digits of the figures that have no read-out format of their own.
constexpr int kFigureDigits = 6;

// A measure in metres, in the user's locale; either decimal separator is
// taken when typed, and shows as the user's.
class MetresBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    QValidator::State validate(QString& text, int& position) const override {
        text.replace(otherSeparator(), locale().decimalPoint());
        return QDoubleSpinBox::validate(text, position);
    }
    double valueFromText(const QString& text) const override {
        return QDoubleSpinBox::valueFromText(
            QString(text).replace(otherSeparator(), locale().decimalPoint()));
    }

private:
    QString otherSeparator() const { return locale().decimalPoint() == "," ? "." : ","; }
};

// A flux in the read-outs' format, and the estimate of its error.
QString FluxText(Flux flux) {
    const auto shown = Currency::fromDouble(flux.value);
    return (shown ? ReadoutText(*shown) : DecadesText(flux.value, 10)) + " ± " +
           DecadesText(flux.error, 2);
}

// A value of V·m in the read-outs' format, beside the flux.
QString FluxUnits(double value) {
    const auto shown = Currency::fromDouble(value);
    return shown ? ReadoutText(*shown) : DecadesText(value, 10);
}

// Q_enc in µC, and what of the charge counts half, lying on the surface.
QString ChargeText(const GaussFigures& figures, const FieldModel& model) {
    QString text = DecadesText(figures.enclosedCharge / kMicro, kFigureDigits);
    if (const int on = figures.elementsOnSurface; on > 0) {
        const bool rings = model_text::ElementsAreRings(*model.shape, model.charges);
        text += QString("\n%1 %2 sobre la superficie\n%3 la mitad")
                    .arg(on)
                    .arg(rings ? (on == 1 ? "anillo" : "anillos")
                               : (on == 1 ? "elemento" : "elementos"))
                    .arg(on == 1 ? "cuenta" : "cuentan");
    } else if (figures.chargeOnSurface) {
        text += "\nla carga sobre la superficie\ncuenta la mitad";
    }
    return text;
}

}  // namespace

GaussWindow::GaussWindow(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("SuperficieGauss");
    setWindowTitle("Superficie de Gauss");
    setAccessibleName(windowTitle());
    setModal(false);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("gaussScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* contents = new QWidget(scroll);
    auto* column = new QVBoxLayout(contents);
    auto* form = figures_ = new QFormLayout;
    column->addLayout(form);
    buildControls(*form);
    modelName_ = addReadout("gaussModel", "Modelo", 2);
    flux_ = addReadout("flux", QString::fromUtf8("Flujo Φ (V·m)"));
    fieldTimesArea_ = addReadout("fieldTimesArea", QString::fromUtf8("E·A (|E| medio × A) (V·m)"));
    charge_ = addReadout("enclosedCharge", QString::fromUtf8("Q encerrada (µC)"));
    chargeOverEpsilon0_ = addReadout("enclosedOverEpsilon0", QString::fromUtf8("Q_enc/ε₀ (V·m)"));
    difference_ = addReadout("relativeDifference", "Diferencia relativa");
    area_ = addReadout("area", QString::fromUtf8("Área A (m²)"));
    meanField_ = addReadout("meanField", "|E| medio (V/m)");
    normalRange_ = addReadout("normalRange", QString::fromUtf8("E·n (V/m)"));
    lowCap_ = addReadout("lowCap", QString::fromUtf8("Tapa izquierda (V·m)"));
    highCap_ = addReadout("highCap", QString::fromUtf8("Tapa derecha (V·m)"));
    side_ = addReadout("side", QString::fromUtf8("Lateral (V·m)"));
    addChart(*contents, *column);
    scroll->setWidget(contents);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroll);
    showSurface();
    connect(&settings, &Settings::changed, this, &GaussWindow::follow);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

// The chart comes from the plots' module, loaded now that the tool is first
// opened; without it the window says so where the chart would be.
void GaussWindow::addChart(QWidget& contents, QBoxLayout& column) {
    QString error;
    const auto make =
        reinterpret_cast<MakeFluxChartFunction>(PlotModuleEntry(kMakeFluxChartName, error));
    if (make) chart_ = make(&contents);
    if (!chart_) {
        auto* missing =
            new QLabel(QString::fromUtf8("No se pudo cargar la gráfica.\n") + error, &contents);
        missing->setObjectName("gaussPlotMissing");
        missing->setWordWrap(true);
        column.addWidget(missing, 1);
        return;
    }
    column.addWidget(chart_->widget(), 1);
    column.addWidget(chart_->key());
}

void GaussWindow::buildControls(QFormLayout& form) {
    auto* kinds = new QHBoxLayout;
    kind_ = new QButtonGroup(this);
    kind_->setObjectName("gaussKind");
    for (auto [kind, caption, name] :
         {std::tuple{SurfaceKind::Sphere, "Esfera", "gaussSphere"},
          std::tuple{SurfaceKind::Cylinder, "Cilindro", "gaussCylinder"}}) {
        auto* option = new QRadioButton(caption, this);
        option->setObjectName(name);
        option->setAccessibleName(caption);
        kind_->addButton(option, int(kind));
        kinds->addWidget(option);
    }
    kinds->addStretch();
    form.addRow("Superficie", kinds);
    using namespace gauss_limits;
    centre_ = addBox(form, "gaussCentreBox", "Centro x (m)", kCentreMin, kCentreMax);
    radius_ = addBox(form, "gaussRadiusBox", "Radio (m)", kRadiusMin, kRadiusMax);
    length_ = addBox(form, "gaussLengthBox", "Largo (m)", kLengthMin, kLengthMax);
    connect(kind_, &QButtonGroup::idClicked, this, &GaussWindow::onBoxesEdited);
}

QDoubleSpinBox* GaussWindow::addBox(QFormLayout& form, const char* name, const QString& caption,
                                    double low, double high) {
    auto* box = new MetresBox(this);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setDecimals(4);
    box->setRange(low, high);
    box->setSingleStep(0.01);
    form.addRow(caption, box);
    connect(box, &QDoubleSpinBox::valueChanged, this, &GaussWindow::onBoxesEdited);
    return box;
}

QLabel* GaussWindow::addReadout(const char* name, const QString& caption, int lines) {
    return AddReadoutRow(*figures_, name, caption, lines);
}

void GaussWindow::display(QLabel* readout, const QString& text) {
    ShowReadout(*figures_, readout, text);
}

// One edit of the boxes is one change of the surface.
void GaussWindow::onBoxesEdited() {
    if (showingSettings_) return;
    settings_.setGaussSurface(
        {SurfaceKind(kind_->checkedId()), centre_->value(), radius_->value(), length_->value()});
}

void GaussWindow::follow(Settings::Changes what) {
    using Change = Settings::Change;
    // The model in use follows the charge, the view and whether lines are traced.
    if (!isVisible() || !what.testAnyFlags(Change::Gauss | Change::Charge | Change::View |
                                           Change::Action | Change::Operation))
        return;
    showSurface();
}

// The boxes as the settings hold the surface, without a change of their own;
// then the figures and the plot.
void GaussWindow::showSurface() {
    const GaussSurface& surface = settings_.gaussSurface();
    {
        const QScopedValueRollback quiet(showingSettings_, true);
        kind_->button(int(surface.kind))->setChecked(true);
        // A box that shows the measure already is left alone: rewriting it
        // would move the cursor of a user typing in it.
        for (auto [box, metres] :
             {std::pair{centre_, surface.centre}, std::pair{radius_, surface.radius},
              std::pair{length_, surface.length}})
            if (box->textFromValue(box->value()) != box->textFromValue(metres))
                box->setValue(metres);
        length_->setEnabled(surface.kind == SurfaceKind::Cylinder);
    }
    showFigures();
    if (chart_)
        chart_->follow(settings_.shape(), settings_.lambda(), settings_.elementCount(), surface);
}

void GaussWindow::showFigures() {
    const FieldModel model = ModelInUse(settings_);
    const GaussFigures figures = GaussLaw(model, settings_.gaussSurface());
    display(modelName_, QString::fromStdString(model_text::ShortName(*model.shape, model.charges,
                                                                     settings_.manual())));
    display(flux_, FluxText(figures.total));
    display(fieldTimesArea_, FluxUnits(figures.fieldTimesArea));
    display(charge_, ChargeText(figures, model));
    display(chargeOverEpsilon0_, FluxUnits(figures.enclosedOverEpsilon0));
    display(difference_, DecadesText(figures.relativeDifference, 2));
    display(area_, DecadesText(figures.area, kFigureDigits));
    display(meanField_, DecadesText(figures.meanField, kFigureDigits));
    display(normalRange_, QString("de %1 a %2")
                              .arg(DecadesText(figures.leastNormal, kFigureDigits),
                                   DecadesText(figures.greatestNormal, kFigureDigits)));
    for (auto [readout, part] :
         {std::pair{lowCap_, figures.lowCap}, std::pair{highCap_, figures.highCap},
          std::pair{side_, figures.side}}) {
        figures_->setRowVisible(readout, part.has_value());
        if (part) display(readout, FluxText(*part));
    }
}

void GaussWindow::placeBeside(const QWidget& main) {
    const QScreen* screen = main.screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const auto* scroll = findChild<QScrollArea*>("gaussScroll");
    // The window's frame, as far as the window system shows it already.
    const QSize border = frameGeometry().size() - size();
    // Room also for what may come: a cylinder's three rows and a two-line
    // note on the elements lying on the surface.
    const int more = 6 * fontMetrics().lineSpacing();
    const QSize contents = scroll->widget()->sizeHint() + QSize(0, more);
    QSize wanted = contents;
    wanted.setHeight(std::min(wanted.height(), room.height() - border.height()));
    if (wanted.height() < contents.height())  // room for the scroll bar
        wanted.rwidth() += scroll->verticalScrollBar()->sizeHint().width();
    wanted.setWidth(std::min(wanted.width(), room.width() - border.width()));
    resize(wanted);
    const QRect beside = main.frameGeometry();
    const int outerWidth = wanted.width() + border.width();
    int x = beside.right() + 1;
    if (x + outerWidth > room.right() + 1) x = beside.left() - outerWidth;
    if (x < room.left()) x = room.right() + 1 - outerWidth;  // no side has room: over it
    const int outerHeight = wanted.height() + border.height();
    const int y = std::clamp(beside.top(), room.top(), room.bottom() + 1 - outerHeight);
    move(std::max(x, room.left()), std::max(y, room.top()));
}

void GaussWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showSurface();  // a hidden window follows nothing
    emit visibilityChanged(true);
}

void GaussWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit visibilityChanged(false);
}
