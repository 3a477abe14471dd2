#pragma once

#include <QKeyEvent>
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <optional>

#include "field/model_in_use.h"
#include "mainwindow/colours.h"
#include "mainwindow/commands.h"
#include "mainwindow/controls.h"
#include "mainwindow/followers.h"
#include "mainwindow/keyboard.h"
#include "mainwindow/line_panel.h"
#include "mainwindow/shared_state.h"
#include "settings/settings.h"
#include "trace/geometry.h"

class QLineEdit;

// The one window of the program. It owns the settings, the working values,
// the controls and the parts that build, show and command them (layout,
// followers, commands, keyboard, line panel), and wires them. What is left
// here is the input and the evaluation: the option handlers, a click or
// "Calcular", the manual sum and the lines.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    const SharedState& state() const { return state_; }
    const Settings& settings() const { return settings_; }
    bool drawingEquipotentialSet() const { return lineSet_.has_value(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    void showStart();

    // A fresh frame, and in front a new computation, when what a drawing
    // shows has changed; a set of lines ends with its view or its charge.
    void follow(Settings::Changes what);

    // Frames of the two views (views.cpp).
    void drawFrontFrame();
    void drawProfileFrame();
    void startAfresh();  // the frame of the current view, and in front a new computation
    void emptyComputation();

    // Handlers of the options, the density and the coordinates: each sets what
    // the user chose (handlers.cpp).
    void onZoomChosen(int percent);
    void onViewChosen(int view);
    void onActionChosen(int action);
    void onModelChosen(int model);
    void onOperationChosen(int operation);
    void onLineChoiceChosen(int choice);
    void onDensityChosen();
    void onShapeChosen(const QAction* item);
    bool dropsDensityKey(const QKeyEvent& key) const;
    void onXTyped();
    void onYTyped();
    void onPointerMoved(float x, float y);
    bool onSegmentBand(double x, double y) const;

    // A click, or "Calcular" for a typed point, and what it does there (click.cpp).
    void clickSurface();
    void calculateTypedPoint();
    void evaluateFrontPoint(double x, double y);
    void evaluateProfilePoint(double x, double y);
    bool frontActionHasValue(double x, double y) const;
    void showFieldAndPotential();
    void showProfileField();
    void traceProfileFieldLine();

    // Point charges (charge_elements.cpp).
    void addChargeElement(int i);
    int elementToTake(WorldPoint pointer) const;
    int takenElementCount() const;
    bool manualSumBelongsElsewhere() const;
    bool sumIsAt(double x, double y) const;
    void showTotalArrow();
    void eraseTotalArrow();

    // Lines (tracing.cpp).
    void traceFieldLine();
    void drawFrontEquipotential(const FieldModel& model, WorldPoint p);
    void drawEquipotentialCircle(double radius);
    void traceEquipotential(const FieldModel& model, WorldPoint p);
    void traceProfileEquipotential(const FieldModel& model, WorldPoint p);
    void startEquipotentialSet();
    void stopEquipotentialSet();
    void followEquipotentialSet(Settings::Changes what);
    void traceNextPositionOfSet();
    // The values the read-outs show at p in the model, kept as the working values.
    std::optional<FieldSample> storeShownAt(const FieldModel& model, WorldPoint p);

    // Read-outs and drawing helpers.
    void drawArrow(Currency ex, Currency ey, Rgb colour);
    void showResults();
    QString currencyText(Currency value) const;

    Settings settings_;
    SharedState state_;
    Controls ui_;

    // A set of equipotentials being drawn, one scan position per turn of the
    // timer.
    struct LineSetRun {
        EquipotentialScanRange range;
        double position;
        EquipotentialLevels levels;
        FieldModel model;     // the model in use when the set started
        bool pointEvaluated;  // by the user meanwhile: the read-outs are that point's
        WorldPoint pointAt(double s) const;
    };
    std::optional<LineSetRun> lineSet_;
    QTimer lineSetTimer_;

    std::unique_ptr<Followers> followers_;
    std::unique_ptr<Commands> commands_;
    std::unique_ptr<Keyboard> keyboard_;
    std::unique_ptr<LinePanel> linePanel_;
};
