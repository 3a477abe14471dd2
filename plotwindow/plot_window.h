#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "field/domain.h"
#include "plots/bisector.h"
#include "plots/convergence.h"
#include "plotwindow/plot_view.h"

class QChart;
class QLabel;
class QStackedWidget;
class QTabWidget;

// The window "Gráficas": a tab "Mediatriz" with |E| and V along the bisector,
// and a tab "Convergencia" with the error of the point charges against N at
// the current point, each with a note naming its models and k. It follows the main window while it
// is shown.
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
    void refreshBisector();
    void refreshConvergence();
    void askWhereToSave();
    QByteArray image(bool svg) const;
    std::optional<QByteArray> csv();
    void refuse(const QString& text);

    PlotInputs inputs_{kStartDensity * kMicro, kStartElementCount, kStartPoint.x, kStartPoint.y};
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
};
