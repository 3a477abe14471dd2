#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "plots/bisector.h"
#include "plots/convergence.h"
#include "plotwindow/plot_view.h"

class QChart;
class QLabel;
class QStackedWidget;
class QTabWidget;

// The window "Gráficas": a first tab with |E| and V along the line the shape
// names ("Mediatriz" for the segments' bisector, "Eje del anillo"), and a tab
// "Convergencia" with the error of the N elements against N at the current
// point, each with a note naming its models and k. It follows the main
// window while it is shown.
class PlotWindow : public QWidget, public PlotView {
    Q_OBJECT

public:
    explicit PlotWindow(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void follow(const PlotInputs& inputs) override;
    // Saves the visible tab as PNG or SVG, or its data as CSV, by the file's
    // extension; says so in a message when it cannot. A file it replaces stays
    // whole until the new one is complete.
    void save(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitScreen();
    void refresh();
    FieldModel bisectorModel() const;
    void refreshBisector();
    void refreshConvergence();
    void askWhereToSave();
    QByteArray image(bool svg) const;
    std::optional<QByteArray> csv();
    void refuse(const QString& text);

    std::optional<PlotInputs> inputs_;  // none before the first follow
    bool refreshPending_ = false;
    bool placed_ = false;              // fitted to its screen once shown
    std::optional<PlotInputs> shown_;  // what the charts show; none before the first refresh
    std::vector<BisectorSample> bisector_;
    std::optional<std::vector<ConvergenceSample>> convergence_;
    QTabWidget* tabs_;
    QChart* fieldChart_;
    QChart* potentialChart_;
    QChart* convergenceChart_;
    QStackedWidget* convergencePage_;
    QLabel* noValue_;
    QLabel* roundingNote_;
    QLabel* bisectorModels_;
    QLabel* convergenceModels_;
};
