#pragma once

#include <QDialog>

#include "gauss/flux.h"
#include "settings/settings.h"

class FluxChartView;
class QBoxLayout;
class QButtonGroup;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;

// "Superficie de Gauss": the closed surface round the axis, set by its boxes
// (live: each edit is one change of the settings), and what Gauss's law says
// of it for the model in use: the flux Φ and its error, E·A beside it, the
// enclosed charge and Q_enc/ε₀, how far they part, the area, the mean |E|,
// the range of E·n, and for a cylinder the flux through each cap and the
// side; under them Φ against the radius for both models. The boxes and the
// figures follow the settings, so a drag on the drawing moves them too.
// A dialog that blocks nothing, so that a screen reader takes it for a
// window; its contents scroll where the screen is too small for them.
class GaussWindow : public QDialog {
    Q_OBJECT

public:
    GaussWindow(Settings& settings, QWidget* parent);

    // Sized to its contents, or to the screen where they do not fit, and put
    // beside `main` on the side with room for it, else where it fits.
    void placeBeside(const QWidget& main);

signals:
    void visibilityChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls(QFormLayout& form);
    void addChart(QWidget& contents, QBoxLayout& column);
    QDoubleSpinBox* addBox(QFormLayout& form, const char* name, const QString& caption, double low,
                           double high);
    QLabel* addReadout(const char* name, const QString& caption, int lines = 1);
    void display(QLabel* readout, const QString& text);
    void follow(Settings::Changes what);
    void showSurface();
    void showFigures();
    void onBoxesEdited();

    Settings& settings_;
    bool showingSettings_ = false;  // the boxes are being set to show the settings
    QFormLayout* figures_;
    QButtonGroup* kind_;
    QDoubleSpinBox *centre_, *radius_, *length_;
    QLabel *modelName_, *flux_, *fieldTimesArea_, *charge_, *chargeOverEpsilon0_, *difference_,
        *area_, *meanField_, *normalRange_, *lowCap_, *highCap_, *side_;
    FluxChartView* chart_ = nullptr;  // none where the plots' module cannot be loaded
};
