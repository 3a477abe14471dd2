#include "plotwindow/plot_window.h"

#include <QBuffer>
#include <QChartView>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "field/model_text.h"
#include "plots/csv.h"
#include "plotwindow/charts.h"

namespace {

// Small enough for the window to fit a 1024×768 screen with a title bar and
// a panel, both charts of the bisector one above the other; |E| spans more
// decades than V, and each decade needs a label's height.
constexpr QSize kSmallestChart(640, 230);
constexpr int kFieldHeight = 310;
constexpr QSize kFirstSize(960, 660);

QChartView* ChartView(QChart* chart, const QString& name) {
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 14, 4));  // room for half the last label on the right
    auto* view = new QChartView(chart);
    view->setObjectName(name);
    view->setAccessibleName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(kSmallestChart);
    return view;
}

struct Filter {
    QString name;
    QString suffix;
};
const Filter kFilters[] = {
    {"Imagen PNG (*.png)", "png"}, {"Imagen SVG (*.svg)", "svg"}, {"Datos CSV (*.csv)", "csv"}};

// Qt writes a label in pieces, one per script ("2k", "λ/", "s"), each at its
// own x: joined into one text, a renderer with other font metrics lays the
// label out whole instead of leaving gaps or overlaps. Each chart item is a
// group of its own, so only the pieces of one label are neighbours. The font families get
// a generic one after them for a renderer without the window's font.
QByteArray ForOtherRenderers(const QByteArray& svg) {
    static const QRegularExpression piece(
        R"re(<text ([^>]*?) x="([^"]*)" y="([^"]*)"([^>]*)>([^<]*)</text>\s*)re"
        R"re(<text \1 x="[^"]*" y="\3"\4>([^<]*)</text>)re");
    static const QRegularExpression family("font-family=\"([^\"]*)\"");
    QString text = QString::fromUtf8(svg);
    qsizetype before;
    do {  // a join shortens the text; one pass joins every second piece
        before = text.size();
        text.replace(piece, R"re(<text \1 x="\2" y="\3"\4>\5\6</text>)re");
    } while (text.size() != before);
    return text.replace(family, "font-family=\"\\1, sans-serif\"").toUtf8();
}

// The models a tab plots, with the charge and the constant they use; the
// constant is never broken across lines.
QString ModelsText(const std::string& models) {
    const QString k = QString::fromStdString(model_text::kCoulomb);
    return "Modelos: " +
           QString::fromStdString(models).replace(k, QString(k).replace(' ', QChar::Nbsp));
}

}  // namespace

PlotWindow::PlotWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      tabs_(new QTabWidget),
      fieldChart_(new QChart),
      potentialChart_(new QChart),
      convergenceChart_(new QChart),
      convergencePage_(new QStackedWidget),
      noValue_(new QLabel),
      roundingNote_(new QLabel),
      bisectorModels_(new QLabel),
      convergenceModels_(new QLabel) {
    setObjectName("Graficas");
    setWindowTitle("Gráficas");
    auto* bisector = new QWidget;
    bisector->setObjectName("Mediatriz");
    auto* bisectorLayout = new QVBoxLayout(bisector);
    bisectorLayout->setContentsMargins({});
    QChartView* fieldView = ChartView(fieldChart_, "Campo en la mediatriz");
    fieldView->setMinimumHeight(kFieldHeight);
    bisectorLayout->addWidget(fieldView, 4);
    bisectorLayout->addWidget(ChartView(potentialChart_, "Potencial en la mediatriz"), 3);
    bisectorModels_->setObjectName("ModelosMediatriz");
    bisectorModels_->setWordWrap(true);
    bisectorModels_->setMargin(4);  // the page has none
    bisectorLayout->addWidget(bisectorModels_);
    noValue_->setObjectName("SinValor");
    noValue_->setAlignment(Qt::AlignCenter);
    noValue_->setWordWrap(true);
    roundingNote_->setObjectName("NotaRedondeo");
    roundingNote_->setWordWrap(true);
    auto* convergence = new QWidget;
    auto* convergenceLayout = new QVBoxLayout(convergence);
    convergenceLayout->addWidget(ChartView(convergenceChart_, "Error de las cargas puntuales"));
    convergenceLayout->addWidget(roundingNote_);
    convergenceModels_->setObjectName("ModelosConvergencia");
    convergenceModels_->setWordWrap(true);
    convergenceLayout->addWidget(convergenceModels_);
    convergencePage_->setObjectName("Convergencia");
    convergencePage_->addWidget(convergence);
    convergencePage_->addWidget(noValue_);
    tabs_->setObjectName("Pestanas");
    tabs_->addTab(bisector, "Mediatriz");
    tabs_->addTab(convergencePage_, "Convergencia");
    auto* saveButton = new QPushButton("&Guardar...");
    saveButton->setObjectName("Guardar");
    saveButton->setAccessibleName("Guardar...");
    connect(saveButton, &QPushButton::clicked, this, &PlotWindow::askWhereToSave);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    // On a screen lower than the charts need (a projector at 150 %) the
    // pages scroll rather than squeeze one chart over the other.
    auto* pages = new QScrollArea;
    pages->setObjectName("Paginas");
    pages->setFrameShape(QFrame::NoFrame);
    pages->setWidgetResizable(true);
    pages->setWidget(tabs_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(saveButton, 0, Qt::AlignRight);
    resize(kFirstSize);
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
    if (!placed_) fitScreen();
    refresh();
    QWidget::showEvent(event);
}

// The first time it shows, the window keeps within the screen's free room,
// its frame included.
void PlotWindow::fitScreen() {
    placed_ = true;
    const QRect room = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    resize(size().boundedTo(room.size() - frame));
    const QRect at = frameGeometry();
    move(std::clamp(at.left(), room.left(), std::max(room.left(), room.right() - at.width())),
         std::clamp(at.top(), room.top(), std::max(room.top(), room.bottom() - at.height())));
}

// Each tab is recomputed only when what it depends on has changed: the
// bisector on the charge and N, the convergence on the charge and the point.
void PlotWindow::refresh() {
    refreshPending_ = false;
    if (!inputs_) return;
    const PlotInputs& in = *inputs_;
    const bool newCharge = !shown_ || shown_->shape != in.shape || shown_->lambda != in.lambda;
    if (newCharge || shown_->elementCount != in.elementCount) refreshBisector();
    if (newCharge || shown_->x != in.x || shown_->y != in.y) refreshConvergence();
    shown_ = in;
}

FieldModel PlotWindow::bisectorModel() const {
    return {inputs_->lambda, inputs_->elementCount, View::Front, inputs_->shape};
}

void PlotWindow::refreshBisector() {
    const FieldModel model = bisectorModel();
    bisector_ = BisectorSamples(model);
    FillBisectorFieldChart(*fieldChart_, bisector_, model);
    FillBisectorPotentialChart(*potentialChart_, bisector_, model);
    bisectorModels_->setText(ModelsText(BisectorModels(*model.shape, model.charges)));
    const QString line = QString::fromStdString(model.shape->words().plotLine);
    tabs_->setTabText(0, line);
    // A screen reader names each chart by the line it follows.
    for (auto [chart, what] : {std::pair{fieldChart_, "Campo"}, {potentialChart_, "Potencial"}})
        chart->scene()->views().front()->setAccessibleName(QString("%1 (%2)").arg(what, line));
}

namespace {

QString RoundingNote(const std::vector<ConvergenceSample>& samples) {
    QStringList ended;
    if (const auto n = FieldPrecisionLimit(samples)) ended << QString("|E| desde N = %1").arg(*n);
    if (const auto n = PotentialPrecisionLimit(samples)) ended << QString("V desde N = %1").arg(*n);
    if (ended.isEmpty()) return {};
    return "Nota: el error de " + ended.join(" y el de ") +
           " queda por debajo del redondeo de los números de doble precisión; la curva acaba ahí.";
}

}  // namespace

void PlotWindow::refreshConvergence() {
    const PlotInputs& in = *inputs_;
    convergence_ = ConvergenceSamples(*in.shape, in.x, in.y, in.lambda);
    convergenceModels_->setText(ModelsText(ConvergenceModels(*in.shape)));
    if (convergence_) {
        FillConvergenceChart(*convergenceChart_, *convergence_, *in.shape, in.x, in.y, in.lambda);
        roundingNote_->setText(RoundingNote(*convergence_));
        roundingNote_->setVisible(!roundingNote_->text().isEmpty());
        convergencePage_->setCurrentIndex(0);
        return;
    }
    noValue_->setText("En el punto " + PointText(in.x, in.y) +
                      " alguno de los dos modelos no tiene un valor finito: elija un punto fuera "
                      "de la carga.");
    convergencePage_->setCurrentIndex(1);
}

// Each tab offers its own name; the chosen type's extension is added to a
// name typed without one.
void PlotWindow::askWhereToSave() {
    QStringList filters;
    for (const Filter& filter : kFilters) filters << filter.name;
    QFileDialog dialog(this, "Guardar gráfica",
                       tabs_->currentIndex() == 0 ? "mediatriz.png" : "convergencia.png",
                       filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(kFilters[0].suffix);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
        for (const Filter& filter : kFilters)
            if (filter.name == chosen) dialog.setDefaultSuffix(filter.suffix);
    });
    if (dialog.exec() == QDialog::Accepted) save(dialog.selectedFiles().value(0));
}

void PlotWindow::save(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::optional<QByteArray> bytes;
    if (suffix == "csv") {
        bytes = csv();
        if (!bytes) return;
    } else if (suffix == "png" || suffix == "svg") {
        bytes = image(suffix == "svg");
    } else {
        refuse("Elija un archivo .png, .svg o .csv.");
        return;
    }
    QSaveFile file(path);
    if (bytes->isEmpty() || !file.open(QIODevice::WriteOnly) ||
        file.write(*bytes) != bytes->size() || !file.commit())
        refuse("No se pudo guardar la gráfica en «" + path + "».");
}

// The visible tab as drawn: an SVG laid out at the screen's resolution, so
// that its text has the size and places the window shows; empty on failure.
QByteArray PlotWindow::image(bool svg) const {
    QWidget* page = tabs_->currentWidget();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!svg) {
        page->grab().save(&buffer, "PNG");
        return buffer.data();
    }
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(page->logicalDpiX());
    generator.setSize(page->size());
    generator.setViewBox(page->rect());
    generator.setTitle(tabs_->tabText(tabs_->currentIndex()));
    QPainter painter;
    if (!painter.begin(&generator)) return {};
    page->render(&painter);
    if (!painter.end()) return {};
    return ForOtherRenderers(buffer.data());
}

std::optional<QByteArray> PlotWindow::csv() {
    if (!inputs_) return std::nullopt;
    if (tabs_->currentIndex() == 0)
        return QByteArray::fromStdString(BisectorCsv(bisector_, bisectorModel()));
    if (!convergence_) {
        refuse("En este punto no hay datos de convergencia que guardar.");
        return std::nullopt;
    }
    const PlotInputs& in = *inputs_;
    return QByteArray::fromStdString(
        ConvergenceCsv(*convergence_, *in.shape, in.x, in.y, in.lambda));
}

void PlotWindow::refuse(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, "Gráficas", text, QMessageBox::Ok, this);
    box.exec();
}
