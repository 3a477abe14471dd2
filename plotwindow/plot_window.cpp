#include "plotwindow/plot_window.h"

#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "plots/csv.h"
#include "plotwindow/charts.h"

namespace {

QChartView* ChartView(QChart* chart, const QString& name) {
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart);
    view->setObjectName(name);
    view->setAccessibleName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(720, 320);
    return view;
}

}  // namespace

PlotWindow::PlotWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      tabs_(new QTabWidget),
      fieldChart_(new QChart),
      potentialChart_(new QChart),
      convergenceChart_(new QChart),
      convergencePage_(new QStackedWidget),
      noValue_(new QLabel) {
    setObjectName("Graficas");
    setWindowTitle("Gráficas");
    auto* bisector = new QWidget;
    bisector->setObjectName("Mediatriz");
    auto* bisectorLayout = new QVBoxLayout(bisector);
    bisectorLayout->addWidget(ChartView(fieldChart_, "Campo en la mediatriz"));
    bisectorLayout->addWidget(ChartView(potentialChart_, "Potencial en la mediatriz"));
    noValue_->setObjectName("SinValor");
    noValue_->setAlignment(Qt::AlignCenter);
    noValue_->setWordWrap(true);
    convergencePage_->setObjectName("Convergencia");
    convergencePage_->addWidget(ChartView(convergenceChart_, "Error de las cargas puntuales"));
    convergencePage_->addWidget(noValue_);
    tabs_->setObjectName("Pestanas");
    tabs_->addTab(bisector, "Mediatriz");
    tabs_->addTab(convergencePage_, "Convergencia");
    auto* saveButton = new QPushButton("Guardar...");
    saveButton->setObjectName("Guardar");
    saveButton->setAccessibleName("Guardar...");
    connect(saveButton, &QPushButton::clicked, this, &PlotWindow::askWhereToSave);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(saveButton, 0, Qt::AlignRight);
}

// A click writes both coordinates of the point, one after the other: the
// plots are redrawn once, when the event loop is back, like a repaint.
void PlotWindow::follow(const PlotInputs& inputs) {
    inputs_ = inputs;
    if (!isVisible() || refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, &PlotWindow::refresh);
}

void PlotWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

// Each tab is recomputed only when what it depends on has changed: the
// bisector on the density and N, the convergence on the density and the point.
void PlotWindow::refresh() {
    refreshPending_ = false;
    const bool newDensity = !shown_ || shown_->lambda != inputs_.lambda;
    if (newDensity || shown_->elementCount != inputs_.elementCount) refreshBisector();
    if (newDensity || shown_->x != inputs_.x || shown_->y != inputs_.y) refreshConvergence();
    shown_ = inputs_;
}

void PlotWindow::refreshBisector() {
    const bool negative = inputs_.lambda < 0;
    bisector_ = BisectorSamples(inputs_.lambda, inputs_.elementCount);
    FillBisectorFieldChart(*fieldChart_, bisector_, inputs_.elementCount, negative);
    FillBisectorPotentialChart(*potentialChart_, bisector_, inputs_.elementCount, negative);
}

void PlotWindow::refreshConvergence() {
    const QLocale locale;
    const QString point =
        QString("(%1; %2) m")
            .arg(locale.toString(inputs_.x, 'g', 6), locale.toString(inputs_.y, 'g', 6));
    convergence_ = ConvergenceSamples(inputs_.x, inputs_.y, inputs_.lambda);
    if (convergence_) {
        FillConvergenceChart(*convergenceChart_, *convergence_, point);
        convergencePage_->setCurrentIndex(0);
        return;
    }
    noValue_->setText("En el punto " + point +
                      " alguno de los dos modelos no tiene un valor finito: elija un punto fuera "
                      "del segmento cargado.");
    convergencePage_->setCurrentIndex(1);
}

void PlotWindow::askWhereToSave() {
    QFileDialog dialog(this, "Guardar gráfica", "grafica.png",
                       "Imagen PNG (*.png);;Imagen SVG (*.svg);;Datos CSV (*.csv)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted) save(dialog.selectedFiles().value(0));
}

void PlotWindow::save(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "csv")
        saveCsv(path);
    else if (suffix == "png" || suffix == "svg")
        saveImage(path, suffix == "svg");
    else
        refuse("Elija un archivo .png, .svg o .csv.");
}

void PlotWindow::saveImage(const QString& path, bool svg) {
    QWidget* page = tabs_->currentWidget();
    bool saved = false;
    if (svg) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(page->size());
        generator.setViewBox(page->rect());
        generator.setTitle(tabs_->tabText(tabs_->currentIndex()));
        QPainter painter;
        if (painter.begin(&generator)) {
            page->render(&painter);
            saved = painter.end() && QFileInfo(path).size() > 0;
        }
    } else {
        saved = page->grab().save(path, "PNG");
    }
    if (!saved) refuse("No se pudo guardar la gráfica en «" + path + "».");
}

void PlotWindow::saveCsv(const QString& path) {
    const bool bisector = tabs_->currentIndex() == 0;
    if (!bisector && !convergence_) {
        refuse("En este punto no hay datos de convergencia que guardar.");
        return;
    }
    const std::string csv =
        bisector ? BisectorCsv(bisector_, inputs_.elementCount) : ConvergenceCsv(*convergence_);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(csv.data(), qint64(csv.size())) == qint64(csv.size()) && file.flush())
        return;
    file.remove();
    refuse("No se pudo guardar la gráfica en «" + path + "».");
}

void PlotWindow::refuse(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, "Gráficas", text, QMessageBox::Ok, this);
    box.exec();
}
