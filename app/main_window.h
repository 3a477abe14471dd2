#pragma once

#include <QKeyEvent>
#include <QMainWindow>
#include <optional>

#include "app/controls.h"
#include "app/shared_state.h"
#include "field/segment_field.h"

class PlotView;
class QBoxLayout;
class QGridLayout;
class QLineEdit;
class QVBoxLayout;

// The one window of the program. It owns the shared state and the controls;
// its handlers are named after the control and the event they serve.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    const SharedState& state() const { return state_; }
    const Controls& controls() const { return ui_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (window_layout.cpp).
    void buildControls();
    QGroupBox* buildObtenerFrame(QWidget* parent);
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
    void Form_Load();

    // Frames of the two views (views.cpp).
    void SetWorldScale();
    void DrawFrontFrame();
    void DrawProfileFrame();
    void Amplia_Click(int index);
    void Ver_Click(int index);

    // Coordinates and pointer (coordinates.cpp).
    void CajaX_Change();
    void CajaY_Change();
    void CajaDib_MouseMove(float x, float y);
    void ShowPoint(double x, double y);
    void CentreMarker(double x, double y);
    bool OnSegmentBand(double x, double y) const;

    // The click and what it does at a point (click.cpp).
    void CajaDib_Click();
    void ClickFront(bool typed, double shownX, double shownY);
    void ClickProfile(bool typed, double shownX, double shownY);
    bool FrontActionHasValue(double x, double y) const;
    void ShowFieldAndPotential();
    void ShowProfileField();
    void DrawProfileFieldLine();
    void RefuseData();

    // Point charges (charge_elements.cpp).
    void AddChargeElement(int i);
    int TakenElementCount() const;
    bool ManualSumBelongsElsewhere() const;
    bool SumIsAt(double x, double y) const;
    void DrawTotalArrow(bool shown);  // draws it, or erases it when shown is false

    // Lines (tracing.cpp).
    void TraceFieldLineFront();
    void DrawEquipotential(bool front, double x, double y);
    void TraceEquipotentialFront(double x, double y);
    void TraceEquipotentialProfile();
    void DrawEquipotentialSet(bool front);
    void TraceLineOfSet(bool front, double s, bool showValue);
    std::optional<FieldSample> StoreField(double x, double y);

    // Panel and "Calcular" (panel.cpp).
    void Obtener_Click(int index);
    void AceptaV_Click();
    void CancelaV_Click();
    void Calcular_Click();
    bool ReadPotentialStep();
    void ShowLinePanel(bool show);

    // Charge settings (charge_settings.cpp).
    void Combo1_Click();
    bool Combo1_KeyPress(const QKeyEvent& key) const;  // true: the key is dropped
    void Discretiza_Click(int index);
    void SelectExactModel();

    // Commands (commands.cpp).
    void Limpiar_Click();
    void Copiar_Click();
    void Manual_Click(int index);  // either option; the index is not used
    void menu_acerca_Click();
    void Command2_Click();
    void menu_salir_Click();

    // Tools beyond the drawing: the plots and saving the drawing (tools.cpp).
    void menu_graficas_Click();
    void menu_guardar_imagen_Click();
    void FollowPlots();  // the point or the charge settings changed

    // Read-outs and drawing helpers.
    void DrawArrow(Currency ex, Currency ey, Rgb colour);
    void ShowResults();
    QString CurrencyText(Currency value) const;
    QString CoordinateText(double value) const;
    static double ReadBox(const QLineEdit* box);  // a typed number, either separator
    char DecimalSeparator() const;

    SharedState state_;
    Controls ui_;
    PlotView* plots_ = nullptr;  // loaded when first asked for
};
