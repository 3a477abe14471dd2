#include "wholefield/whole_field.h"

#include <QMenu>
#include <QScopedValueRollback>
#include <cmath>

#include "fieldmap/colour_scale.h"
#include "fieldmap/potential_rows.h"
#include "settings/model_in_use.h"
#include "view/drawing_surface.h"
#include "view/frames.h"
#include "view/gauss_cut.h"
#include "wholefield/field_keys.h"
#include "wholefield/underlay_painting.h"
#include "wholefield/voltmeter_window.h"

namespace {

QAction* AddCheckItem(QMenu& menu, const char* caption, const char* name, const char* keys) {
    QAction* item = menu.addAction(QString::fromUtf8(caption));
    item->setObjectName(name);
    item->setShortcut(QKeySequence(keys));
    item->setShortcutContext(Qt::ApplicationShortcut);  // also from the voltmeter's window
    item->setCheckable(true);
    return item;
}

WorldWindow SurfaceArea(const QImage& image, double zoom) {
    return WorldWindow::forZoom(zoom, image.width(), image.height());
}

}  // namespace

WholeField* WholeField::AddTools(QMenu& menu, DrawingSurface& surface, FieldKeys& keys,
                                 Settings& settings, std::uint32_t chargeColour) {
    auto* tools = new WholeField(surface, keys, settings, chargeColour);
    tools->map_ = AddCheckItem(menu, "Mapa de potencial", "mapAction", "Ctrl+M");
    tools->grid_ = AddCheckItem(menu, "Rejilla de campo", "gridAction", "Ctrl+R");
    QAction* voltmeter = menu.addAction(QString::fromUtf8("Voltímetro..."));
    voltmeter->setObjectName("voltmeterAction");
    voltmeter->setShortcut(QKeySequence("Ctrl+T"));
    voltmeter->setShortcutContext(Qt::ApplicationShortcut);
    connect(tools->map_, &QAction::toggled, tools, [tools](bool on) {
        if (!tools->showingSettings_) tools->settings_.setMapShown(on);
    });
    connect(tools->grid_, &QAction::toggled, tools, [tools](bool on) {
        if (!tools->showingSettings_) tools->settings_.setGridShown(on);
    });
    connect(voltmeter, &QAction::triggered, tools, &WholeField::raiseVoltmeter);
    return tools;
}

WholeField::WholeField(DrawingSurface& surface, FieldKeys& keys, Settings& settings,
                       std::uint32_t chargeColour)
    : QObject(&surface),
      surface_(surface),
      settings_(settings),
      chargeColour_(chargeColour),
      keys_(keys) {
    connect(&settings, &Settings::changed, this, &WholeField::follow);
}

FieldModel WholeField::model() const { return ModelInUse(settings_); }

void WholeField::follow(Settings::Changes what) {
    using Change = Settings::Change;
    showItems();
    if (what & Change::Voltmeter) followVoltmeter();
    if (what.testAnyFlags(Change::View | Change::Cleared)) {  // of the other view, or wiped
        a_.reset();
        b_.reset();
    }
    if (what & Change::Point) {
        const WorldPoint point{settings_.evaluatedPoint().x, settings_.evaluatedPoint().y};
        if (!b_ || point.x != b_->x || point.y != b_->y) a_ = std::exchange(b_, point);
    }
    if (what.testAnyFlags(Change::Charge | Change::View | Change::Zoom | Change::Action |
                          Change::Underlay))
        recompute();
    else if (what.testAnyFlags(Change::Point | Change::Cleared | Change::Voltmeter))
        showUnderlay();  // the path moves, or comes or goes; the map and the grid stay
    else if (what & Change::Gauss)
        paintUnderlay();  // the surface moves, or comes or goes; nothing is measured anew
    // The window draws the new point's arrow after announcing the point: the
    // letters are placed again once it shows, clear of it.
    if (what & Change::Point)
        QMetaObject::invokeMethod(this, &WholeField::paintPath, Qt::QueuedConnection);
}

// A map that takes long is computed first on a grid of pixels this many
// times coarser each way, a sixteenth of the work.
constexpr int kCoarseness = 4;

void WholeField::recompute() {
    const FieldModel now = model();
    const WorldWindow area = SurfaceArea(surface_.image(), settings_.zoomFactor());
    ++generation_;
    fullMap_ = {};  // a map still being computed is stale: stopped
    std::optional<ColourScale> scale;
    mapImage_ = QImage();
    if (settings_.mapShown()) {
        scale.emplace(now, area, chargeColour_);
        if (PotentialRowIsSlow(now)) {
            // Each coarse pixel covers a block of the surface's, the last
            // ones reaching past its edges.
            WorldWindow coarse = area;
            coarse.columns = (area.columns + kCoarseness - 1) / kCoarseness;
            coarse.rows = (area.rows + kCoarseness - 1) / kCoarseness;
            coarse.width *= double(coarse.columns * kCoarseness) / area.columns;
            coarse.height *= double(coarse.rows * kCoarseness) / area.rows;
            mapImage_ = paintedMap(now, coarse, *scale)
                            .scaled(coarse.columns * kCoarseness, coarse.rows * kCoarseness)
                            .copy(0, 0, area.columns, area.rows);
            computeFullMap(now, area, *scale);
        } else {
            mapImage_ = paintedMap(now, area, *scale);
        }
    }
    if (settings_.gridShown()) arrows_ = ViewFieldGrid(now, settings_.zoomFactor());
    composeFieldImage();
    keys_.showKeys(scale ? &*scale : nullptr, settings_.gridShown() ? &arrows_.bounds : nullptr);
    showUnderlay();
}

QImage WholeField::paintedMap(const FieldModel& model, const WorldWindow& area,
                              const ColourScale& scale) {
    ComputePotentialMap(model, area, potentials_);
    ++mapComputations_;
    QImage image(area.columns, area.rows, QImage::Format_RGB32);
    scale.paint(potentials_, reinterpret_cast<std::uint32_t*>(image.bits()),
                image.bytesPerLine() / sizeof(std::uint32_t));
    return image;
}

// On other threads; the result comes back through the event loop, tagged
// with the change it was computed for.
void WholeField::computeFullMap(const FieldModel& model, const WorldWindow& area,
                                const ColourScale& scale) {
    fullMap_ =
        std::jthread([this, model, area, scale, generation = generation_](std::stop_token stop) {
            PotentialMap map;
            ComputePotentialMap(model, area, map, stop);
            if (stop.stop_requested()) return;
            QImage image(area.columns, area.rows, QImage::Format_RGB32);
            scale.paint(map, reinterpret_cast<std::uint32_t*>(image.bits()),
                        image.bytesPerLine() / sizeof(std::uint32_t));
            QMetaObject::invokeMethod(
                this, [this, generation, image] { showFullMap(generation, image); },
                Qt::QueuedConnection);
        });
}

void WholeField::showFullMap(int generation, const QImage& map) {
    if (generation != generation_ || !settings_.mapShown()) return;
    ++mapComputations_;
    mapImage_ = map;
    composeFieldImage();
    showUnderlay();
}

// The map, or the background under the grid alone, and the grid over it.
void WholeField::composeFieldImage() {
    fieldImage_ = mapImage_;
    if (!settings_.gridShown()) return;
    if (fieldImage_.isNull()) {
        fieldImage_ = QImage(surface_.image().size(), QImage::Format_RGB32);
        fieldImage_.fill(surface_.background());
    }
    PaintFieldGrid(fieldImage_, arrows_, surfaceWorld(), frameBoxes());
}

// From the settings, not the surface's own window: the settings announce a new
// zoom before the surface has taken it.
WorldWindow WholeField::surfaceWorld() const {
    const QImage& image = surface_.image();
    return WorldWindow::forZoom(settings_.zoomFactor(), image.width(), image.height());
}

// What the frame draws over the underlay, for the grid and the letters to keep clear of.
std::vector<QRectF> WholeField::frameBoxes() const {
    return FrameFigureBoxes(surfaceWorld(), surface_.font(), surface_.image().devicePixelRatio(),
                            settings_.zoomFactor(), settings_.front(), settings_.shape());
}

bool WholeField::voltmeterShown() const { return voltmeter_ && voltmeter_->isVisible(); }

// The map and the grid as last computed, and over them the voltmeter's path
// and the Gauss surface; a closed voltmeter measures nothing until it shows again.
void WholeField::showUnderlay() {
    if (voltmeterShown()) voltmeter_->measure(model(), settings_.manual(), a_, b_);
    paintUnderlay();
}

void WholeField::paintPath() {
    if (voltmeterShown()) paintUnderlay();
}

void WholeField::paintUnderlay() {
    const bool path = voltmeterShown(), gauss = settings_.gaussOpen();
    if (!path && !gauss) {
        surface_.setUnderlay(fieldImage_);  // none while every tool is off
        return;
    }
    QImage underlay = fieldImage_.copy();
    if (underlay.isNull()) {  // the path or the surface alone
        underlay = QImage(surface_.image().size(), QImage::Format_RGB32);
        underlay.fill(surface_.background());
    }
    const double ratio = surface_.image().devicePixelRatio();
    if (path)
        PaintVoltmeterPath(underlay, a_, b_, surfaceWorld(), ratio, surface_.image(),
                           surface_.background(), frameBoxes());
    if (gauss)
        PaintGaussCut(underlay, settings_.gaussSurface(), settings_.front(),
                      settings_.shape().bisectorX(), surfaceWorld(), ratio);
    surface_.setUnderlay(std::move(underlay));
}

void WholeField::showItems() {
    const QScopedValueRollback quiet(showingSettings_, true);
    map_->setChecked(settings_.mapShown());
    grid_->setChecked(settings_.gridShown());
}

// The voltmeter's window is open while the settings say so; closed by the
// user, it says so.
void WholeField::followVoltmeter() {
    if (!settings_.voltmeterOpen()) {
        if (voltmeter_) voltmeter_->hide();
        return;
    }
    if (!voltmeter_) {
        voltmeter_ = new VoltmeterWindow(surface_.window());
        connect(voltmeter_, &VoltmeterWindow::visibilityChanged, this,
                [this](bool shown) { settings_.setVoltmeterOpen(shown); });
    }
    voltmeter_->show();
}

void WholeField::raiseVoltmeter() {
    settings_.setVoltmeterOpen(true);
    voltmeter_->raise();
    voltmeter_->activateWindow();
}
