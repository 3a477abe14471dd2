// What follows the settings: the surface's world window and marker, the
// coordinate boxes, the captions of the view and the options.

#include "mainwindow/followers.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "field/shapes.h"
#include "view/drawing_surface.h"
#include "view/readout_text.h"

Followers::Followers(const Settings& settings, const Controls& ui) : settings_(settings), ui_(ui) {
    connect(&settings_, &Settings::changed, this, &Followers::follow);
}

void Followers::showAll() {
    ui_.surface->setWorldScale(settings_.zoomFactor());
    showCharge();
    showPointInBoxes();
    centreMarker();
}

void Followers::follow(Settings::Changes what) {
    using Change = Settings::Change;
    showOptions();
    if (what & Change::Charge) showCharge();
    if (what & Change::View) showView();
    if (what & Change::Zoom) ui_.surface->setWorldScale(settings_.zoomFactor());
    if (what.testAnyFlags(Change::Zoom | Change::PlacedPoint)) showPointInBoxes();
    if (what.testAnyFlags(Change::Zoom | Change::PlacedPoint | Change::TypedPoint)) centreMarker();
    if (what & Change::Action) showMarkerForAction();
}

// Each option as the settings have it. The handlers see the guard and do nothing.
void Followers::showOptions() {
    const QScopedValueRollback quiet(showingSettings_, true);
    const auto check = [](QButtonGroup* group, int id) { group->button(id)->setChecked(true); };
    check(ui_.zoomOptions, int(std::lround(settings_.zoomFactor() * 100)));
    check(ui_.viewOptions, int(settings_.view()));
    check(ui_.actionOptions, int(settings_.action()));
    check(ui_.modelOptions, settings_.model());
    check(ui_.operationOptions, int(settings_.operation()));
    check(ui_.lineOptions, int(settings_.lineChoice()));
    ui_.elementArrowsBox->setChecked(settings_.elementArrows());
    ui_.densityBox->setCurrentText(QString::number(settings_.density()));
    ui_.shapeActions->actions().at(ShapeIndex(settings_.shape()))->setChecked(true);
}

// The density's symbol and unit follow the shape; under the actions, its
// whole charge.
void Followers::showCharge() {
    const ChargeDistribution& shape = settings_.shape();
    const QString symbol = QString::fromStdString(shape.densitySymbol());
    const QString unit = QString::fromStdString(shape.densityUnit());
    ui_.densityLabel->setText(symbol);
    const QString spoken = QString("Densidad de carga %1 (10^-6 %2)").arg(symbol, unit);
    ui_.densityLabel->setAccessibleName(spoken);
    ui_.densityBox->setAccessibleName(spoken);
    ui_.densityUnitLabel->setText(".10^ (-6) " + unit);
    const double microCoulomb = settings_.density() * shape.chargePerDensity();
    ui_.chargeLabel->setText(TotalChargeText(microCoulomb));
    ui_.chargeLabel->setAccessibleName(
        QString("Carga total, %1: %2")
            .arg(QString::fromStdString(shape.words().name), ui_.chargeLabel->text()));
}

void Followers::showPointInBoxes() {
    const QScopedValueRollback quiet(showingSettings_, true);
    ui_.xBox->setText(CoordinateText(settings_.point().x));
    ui_.yBox->setText(CoordinateText(settings_.point().y));
}

void Followers::centreMarker() {
    const WorldPoint point = settings_.point();
    ui_.surface->setMarkerLeft(point.x - ui_.surface->markerWidth() / 2);
    ui_.surface->setMarkerTop(point.y + ui_.surface->markerWidth() / 2);
}

void Followers::showView() {
    const bool front = settings_.front();
    ui_.modelFrame->setEnabled(front);
    ui_.operationFrame->setEnabled(front);
    ui_.elementArrowsBox->setEnabled(front);
    // A box is spoken by its label's caption.
    const auto caption = [](QLabel* label, QWidget* box, const QString& text) {
        label->setText(text);
        box->setAccessibleName(text);
    };
    caption(ui_.exLabel, ui_.exBox, front ? "Ex" : "Ez");
    caption(ui_.pointerXLabel, ui_.pointerXBox, front ? "X" : "Z");
    caption(ui_.xLabel, ui_.xBox, front ? "X(m)" : "Z(m)");
}

// The marker shows the point whose field and potential are shown.
void Followers::showMarkerForAction() {
    ui_.surface->setMarkerVisible(settings_.action() == Action::FieldAndPotential);
}
