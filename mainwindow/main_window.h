#pragma once

#include <QKeyEvent>
#include <QMainWindow>
#include <optional>

#include "field/segment_field.h"
#include "mainwindow/controls.h"
#include "mainwindow/shared_state.h"
#include "settings/settings.h"

class PlotView;
class QBoxLayout;
class QGridLayout;
class QLineEdit;
class QVBoxLayout;

// The one window of the program. It owns the settings, the working values and
// the controls; its handlers are named after what they do for the user.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    const SharedState& state() const { return state_; }
    const Settings& settings() const { return settings_; }
    const Controls& controls() const { return ui_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (window_layout.cpp).
    void buildControls();
    QGroupBox* buildActionFrame(QWidget* parent);
    void buildDensityRow(QGridLayout* grid);
    void buildReadouts(QGridLayout* grid);
    QGroupBox* buildLinePanel(QWidget* frame);
    void buildSettingsFrames(QWidget* parent, QVBoxLayout* column);
    QGroupBox* buildOperationFrame(QWidget* parent);
    QGroupBox* buildDiscretizationFrame(QWidget* parent);
    QBoxLayout* buildCommandRow(QWidget* parent);
    QBoxLayout* buildViewRow(QWidget* parent);
    void buildMenus();
    void connectHandlers();
    void setUpKeyboard();
    void showStartPoint();

    // Frames of the two views (views.cpp).
    void applyZoomToSurface();
    void drawFrontFrame();
    void drawProfileFrame();
    void redrawFrame();  // of the current view
    void onZoomChosen(int percent);
    void onViewChosen(int view);
    void showView();  // the captions and the options that belong to the view

    // Coordinates and pointer (coordinates.cpp).
    void onXTyped();
    void onYTyped();
    void onPointerMoved(float x, float y);
    void showPoint(double x, double y);
    void centreMarker(double x, double y);
    bool onSegmentBand(double x, double y) const;

    // A click or "Calcular", and what it does at a point (click.cpp).
    void evaluatePoint(bool typed);
    void evaluateFrontPoint(bool typed, double shownX, double shownY);
    void evaluateProfilePoint(bool typed, double shownX, double shownY);
    bool frontActionHasValue(double x, double y) const;
    void showFieldAndPotential();
    void showProfileField();
    void drawProfileFieldLine();
    void refuseData();

    // Point charges (charge_elements.cpp).
    void addChargeElement(int i);
    int takenElementCount() const;
    bool manualSumBelongsElsewhere() const;
    bool sumIsAt(double x, double y) const;
    void drawTotalArrow(bool shown);  // draws it, or erases it when shown is false

    // Lines (tracing.cpp).
    void traceFieldLine();
    void drawEquipotential(bool front, double x, double y);
    void traceEquipotential(double x, double y);
    void traceProfileEquipotential();
    void drawEquipotentialSet(bool front);
    void traceLineOfSet(bool front, double s, bool showValue);
    std::optional<FieldSample> storeField(double x, double y);

    // The choice of action, the line panel and "Calcular" (panel.cpp).
    void onActionChosen(int action);
    void onLineChoiceChosen(int choice);
    void acceptLinePanel();
    void cancelLinePanel();
    void calculateTypedPoint();
    bool readPotentialStep();
    void showLinePanel(bool show);

    // Charge settings (charge_settings.cpp).
    void onDensityChosen();
    bool dropsDensityKey(const QKeyEvent& key) const;
    void onModelChosen(int model);
    void selectExactModel();
    void selectAutomaticQuietly();

    // Commands (commands.cpp).
    void clearDrawing();
    void copyDrawing();
    void onOperationChosen(int operation);
    void showAbout();
    void exitProgram();

    // Tools beyond the drawing: the plots and saving the drawing (tools.cpp).
    void showPlots();
    void saveDrawing();

    // Read-outs and drawing helpers.
    void drawArrow(Currency ex, Currency ey, Rgb colour);
    void showResults();
    QString currencyText(Currency value) const;
    QString coordinateText(double value) const;
    static double readBox(const QLineEdit* box);  // a typed number, either separator

    Settings settings_;
    SharedState state_;
    Controls ui_;
    PlotView* plots_ = nullptr;  // loaded when first asked for
};
