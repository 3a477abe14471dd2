#include "app/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "app/readout_text.h"
#include "field/number_text.h"
#include "view/drawing_surface.h"
#include "view/field_arrow.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Tervik");
    setWindowTitle("Tervik Versión 1.0  // Marnel");
    buildControls();
    connectHandlers();
    setUpKeyboard();
    showStartPoint();
}

void MainWindow::connectHandlers() {
    // Option handlers run whenever an option becomes selected, by the user or by code.
    // Each takes the id of the option, which is its value (see settings.h).
    const auto onSelect = [this](QButtonGroup* group, void (MainWindow::*handler)(int)) {
        connect(group, &QButtonGroup::idToggled, this, [this, handler](int id, bool checked) {
            if (checked) (this->*handler)(id);
        });
    };
    onSelect(ui_.Amplia, &MainWindow::onZoomChosen);
    onSelect(ui_.Ver, &MainWindow::onViewChosen);
    onSelect(ui_.Obtener, &MainWindow::onActionChosen);
    onSelect(ui_.Discretiza, &MainWindow::onModelChosen);
    onSelect(ui_.Manual, &MainWindow::onOperationChosen);
    onSelect(ui_.OptionV, &MainWindow::onLineChoiceChosen);
    connect(ui_.Ver1, &QCheckBox::toggled, &settings_, &Settings::setElementArrows);

    // Text handlers run on every change of the text, typed or written by code.
    connect(ui_.CajaX, &QLineEdit::textChanged, this, &MainWindow::onXTyped);
    connect(ui_.CajaY, &QLineEdit::textChanged, this, &MainWindow::onYTyped);
    connect(ui_.Combo1, &QComboBox::currentIndexChanged, this, &MainWindow::onDensityChosen);
    ui_.Combo1->installEventFilter(this);
    for (QPushButton* command : findChildren<QPushButton*>()) command->installEventFilter(this);

    connect(ui_.CajaDib, &DrawingSurface::pointerMoved, this, &MainWindow::onPointerMoved);
    connect(ui_.CajaDib, &DrawingSurface::clicked, this, [this] { evaluatePoint(false); });
    connect(ui_.AceptaV, &QPushButton::clicked, this, &MainWindow::acceptLinePanel);
    connect(ui_.CancelaV, &QPushButton::clicked, this, &MainWindow::cancelLinePanel);
    connect(ui_.Calcular, &QPushButton::clicked, this, &MainWindow::calculateTypedPoint);
    connect(ui_.Limpiar, &QPushButton::clicked, this, &MainWindow::clearDrawing);
    connect(ui_.Copiar, &QPushButton::clicked, this, &MainWindow::copyDrawing);
    connect(ui_.Command2, &QPushButton::clicked, this, &MainWindow::exitProgram);
    connect(ui_.menu_salir, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(ui_.menu_acerca, &QAction::triggered, this, &MainWindow::showAbout);
    connect(ui_.menu_graficas, &QAction::triggered, this, &MainWindow::showPlots);
    connect(ui_.menu_guardar_imagen, &QAction::triggered, this, &MainWindow::saveDrawing);

    // The controls that show the view follow it, whoever changed it.
    connect(&settings_, &Settings::changed, this, [this](Settings::Changes what) {
        if (what & Settings::Change::View) showView();
    });
}

void MainWindow::showStartPoint() {
    ui_.CajaDib->setBackground(qRgb(200, 200, 200));
    applyZoomToSurface();
    drawFrontFrame();
    state_.PointX = kStartPoint.x;
    state_.PointY = kStartPoint.y;
    showPoint(state_.PointX, state_.PointY);
    centreMarker(state_.PointX, state_.PointY);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    settings_.endProgram();  // a set of lines being drawn stops at its next yield
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A button takes the second press of a double-click as a press of its
    // own; a double-click on a command is one press, as on the surface.
    if (event->type() == QEvent::MouseButtonDblClick && qobject_cast<QPushButton*>(watched))
        return true;
    if (watched == ui_.Combo1 && event->type() == QEvent::KeyPress &&
        dropsDensityKey(*static_cast<QKeyEvent*>(event)))
        return true;
    // The wheel passing over the density would change it and wipe the
    // drawing; it turns the list only once the user has chosen the box.
    if (watched == ui_.Combo1 && event->type() == QEvent::Wheel && !ui_.Combo1->hasFocus())
        return true;
    return QMainWindow::eventFilter(watched, event);
}

QString MainWindow::currencyText(Currency value) const { return ReadoutText(value); }

double MainWindow::readBox(const QLineEdit* box) {
    return Val(CommasToPoints(box->text().toStdString()));
}

QString MainWindow::coordinateText(double value) const {
    return QString::fromStdString(FormatCoordinate(value, UserDecimalSeparator()));
}

void MainWindow::showResults() {
    ui_.CajaEx->setText(currencyText(state_.FieldEx));
    ui_.CajaEy->setText(currencyText(state_.FieldEy));
    ui_.CajaV->setText(currencyText(state_.Potential));
}

void MainWindow::drawArrow(Currency ex, Currency ey, Rgb colour) {
    const ArrowPlacement at{state_.PointX, state_.PointY, settings_.zoomFactor(),
                            settings_.action() == Action::FieldAndPotential};
    DrawFieldArrow(*ui_.CajaDib, at, ex, ey, colour);
}

void MainWindow::refuseData() {
    QMessageBox box(QMessageBox::NoIcon, "Tervik", "Datos No Aceptados", QMessageBox::Ok, this);
    box.setObjectName("DatosNoAceptados");
    box.exec();
}
