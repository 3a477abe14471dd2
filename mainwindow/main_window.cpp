#include "mainwindow/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "field/number_text.h"
#include "mainwindow/layout.h"
#include "view/drawing_surface.h"
#include "view/field_arrow.h"
#include "view/readout_text.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Tervik");
    setWindowTitle("Tervik Versión 1.0  // Marnel");
    ui_ = Layout::Build(*this, settings_);
    followers_ = std::make_unique<Followers>(settings_, ui_);
    connectHandlers();
    commands_ = std::make_unique<Commands>(*this, settings_, ui_);
    keyboard_ = std::make_unique<Keyboard>(*this, ui_);
    linePanel_ =
        std::make_unique<LinePanel>(*this, settings_, ui_, [this] { startEquipotentialSet(); });
    showStart();
}

void MainWindow::connectHandlers() {
    // Option handlers run whenever the user selects an option. Each takes the id of the option,
    // which is its value (see settings.h). Options the window checks to show the settings run no
    // handler.
    const auto onSelect = [this](QButtonGroup* group, void (MainWindow::*handler)(int)) {
        connect(group, &QButtonGroup::idToggled, this, [this, handler](int id, bool checked) {
            if (checked && !followers_->showingSettings()) (this->*handler)(id);
        });
    };
    onSelect(ui_.zoomOptions, &MainWindow::onZoomChosen);
    onSelect(ui_.viewOptions, &MainWindow::onViewChosen);
    onSelect(ui_.actionOptions, &MainWindow::onActionChosen);
    onSelect(ui_.modelOptions, &MainWindow::onModelChosen);
    onSelect(ui_.operationOptions, &MainWindow::onOperationChosen);
    onSelect(ui_.lineOptions, &MainWindow::onLineChoiceChosen);
    connect(ui_.elementArrowsBox, &QCheckBox::toggled, this, [this](bool checked) {
        if (!followers_->showingSettings()) settings_.setElementArrows(checked);
    });

    // Text handlers run on every change of the text the user makes.
    connect(ui_.xBox, &QLineEdit::textChanged, this, &MainWindow::onXTyped);
    connect(ui_.yBox, &QLineEdit::textChanged, this, &MainWindow::onYTyped);
    connect(ui_.densityBox, &QComboBox::currentIndexChanged, this, &MainWindow::onDensityChosen);
    connect(ui_.shapeActions, &QActionGroup::triggered, this, &MainWindow::onShapeChosen);
    ui_.densityBox->installEventFilter(this);
    for (QPushButton* command : findChildren<QPushButton*>()) command->installEventFilter(this);

    connect(ui_.surface, &DrawingSurface::pointerMoved, this, &MainWindow::onPointerMoved);
    connect(ui_.surface, &DrawingSurface::clicked, this, &MainWindow::clickSurface);
    connect(ui_.calculateButton, &QPushButton::clicked, this, &MainWindow::calculateTypedPoint);

    connect(&settings_, &Settings::changed, this, &MainWindow::follow);
    connect(&lineSetTimer_, &QTimer::timeout, this, &MainWindow::traceNextPositionOfSet);
}

void MainWindow::showStart() {
    ui_.surface->setBackground(qRgb(200, 200, 200));
    followers_->showAll();
    startAfresh();
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
    if (watched == ui_.densityBox && event->type() == QEvent::KeyPress &&
        dropsDensityKey(*static_cast<QKeyEvent*>(event)))
        return true;
    // The wheel passing over the density would change it and wipe the
    // drawing; it turns the list only once the user has chosen the box.
    if (watched == ui_.densityBox && event->type() == QEvent::Wheel && !ui_.densityBox->hasFocus())
        return true;
    return QMainWindow::eventFilter(watched, event);
}

QString MainWindow::currencyText(Currency value) const { return ReadoutText(value); }

void MainWindow::showResults() {
    ui_.exBox->setText(currencyText(state_.FieldEx));
    ui_.eyBox->setText(currencyText(state_.FieldEy));
    ui_.potentialBox->setText(currencyText(state_.Potential));
}

void MainWindow::drawArrow(Currency ex, Currency ey, Rgb colour) {
    const ArrowPlacement at{settings_.point().x, settings_.point().y, settings_.zoomFactor(),
                            settings_.action() == Action::FieldAndPotential};
    DrawFieldArrow(*ui_.surface, at, ex, ey, colour);
}
