#include "app/whole_field.h"

#include <QMenu>
#include <QPainter>
#include <cmath>

#include "app/field_keys.h"
#include "app/voltmeter_window.h"
#include "fieldmap/colour_scale.h"
#include "view/drawing_surface.h"

namespace {

constexpr QRgb kPathColour = qRgb(255, 255, 255);

QAction* AddCheckItem(QMenu& menu, const char* caption, const char* name, const char* keys) {
    QAction* item = menu.addAction(QString::fromUtf8(caption));
    item->setObjectName(name);
    item->setShortcut(QKeySequence(keys));
    item->setCheckable(true);
    return item;
}

MapArea SurfaceArea(const QImage& image, double zoom) {
    return MapArea::ForZoom(zoom, image.width(), image.height());
}

}  // namespace

WholeField* WholeField::AddTools(QMenu& menu, DrawingSurface& surface, FieldKeys& keys,
                                 const Settings& settings, std::uint32_t segmentColour) {
    auto* tools = new WholeField(surface, keys, settings, segmentColour);
    tools->map_ = AddCheckItem(menu, "Mapa de potencial", "menu_mapa", "Ctrl+M");
    tools->grid_ = AddCheckItem(menu, "Rejilla de campo", "menu_rejilla", "Ctrl+R");
    QAction* voltmeter = menu.addAction(QString::fromUtf8("Voltímetro..."));
    voltmeter->setObjectName("menu_voltimetro");
    voltmeter->setShortcut(QKeySequence("Ctrl+T"));
    for (QAction* item : {tools->map_, tools->grid_})
        connect(item, &QAction::toggled, tools, &WholeField::recompute);
    connect(voltmeter, &QAction::triggered, tools, &WholeField::showVoltmeter);
    return tools;
}

WholeField::WholeField(DrawingSurface& surface, FieldKeys& keys, const Settings& settings,
                       std::uint32_t segmentColour)
    : QObject(&surface),
      surface_(surface),
      settings_(settings),
      segmentColour_(segmentColour),
      keys_(keys),
      b_(MapPoint{settings.evaluatedPoint().x, settings.evaluatedPoint().y}) {
    connect(&settings, &Settings::changed, this, &WholeField::follow);
}

FieldModel WholeField::model() const {
    const bool exact = settings_.exactModel() || !settings_.front() ||
                       settings_.action() != Action::FieldAndPotential;
    return {settings_.lambda(), exact ? 0 : settings_.model(),
            settings_.front() ? MapView::Front : MapView::Profile};
}

void WholeField::follow(Settings::Changes what) {
    using Change = Settings::Change;
    if (what & Change::View) {  // the points were of the other view
        a_.reset();
        b_.reset();
    }
    if (what & Change::Point) {
        const MapPoint point{settings_.evaluatedPoint().x, settings_.evaluatedPoint().y};
        if (!b_ || point.x != b_->x || point.y != b_->y) a_ = std::exchange(b_, point);
    }
    if (what.testAnyFlags(Change::Charge | Change::View | Change::Zoom | Change::Action))
        recompute();
    else if ((what & Change::Point) && voltmeter_ && voltmeter_->isVisible())
        showUnderlay();  // the path moves; the map and the grid stay
}

void WholeField::recompute() {
    const FieldModel now = model();
    const MapArea area = SurfaceArea(surface_.image(), settings_.zoomFactor());
    std::optional<ColourScale> scale;
    if (map_->isChecked()) {
        ComputePotentialMap(now, area, potentials_);
        scale.emplace(now.lambda, now.view, area, segmentColour_);
        mapImage_ = QImage(area.columns, area.rows, QImage::Format_RGB32);
        scale->paint(potentials_, reinterpret_cast<std::uint32_t*>(mapImage_.bits()),
                     mapImage_.bytesPerLine() / sizeof(std::uint32_t));
    }
    if (grid_->isChecked()) arrows_ = ViewFieldGrid(now, settings_.zoomFactor());
    keys_.showKeys(scale ? &*scale : nullptr, grid_->isChecked() ? &arrows_.bounds : nullptr);
    showUnderlay();
}

void WholeField::showUnderlay() {
    const bool path = voltmeter_ && voltmeter_->isVisible();
    if (voltmeter_) voltmeter_->measure(model(), a_, b_);
    if (!map_->isChecked() && !grid_->isChecked() && !path) {
        surface_.setUnderlay(QImage());
        return;
    }
    QImage underlay = mapImage_.copy();
    if (!map_->isChecked()) {
        underlay = QImage(surface_.image().size(), QImage::Format_RGB32);
        underlay.fill(surface_.background());
    }
    if (grid_->isChecked()) drawGrid(underlay);
    if (path) drawPath(underlay);
    surface_.setUnderlay(std::move(underlay));
}

void WholeField::drawGrid(QImage& underlay) const {
    const WorldWindow world =
        WorldWindow::forZoom(settings_.zoomFactor(), underlay.width(), underlay.height());
    const double half = 0.35 * underlay.width() / 20;  // of a cell's width
    const double width = std::max(1.0, half / 8), edge = 0.75 * surface_.image().devicePixelRatio();
    QPainter painter(&underlay);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const GridArrow& arrow : arrows_.arrows) {
        const QPointF centre(world.toPixelX(arrow.x), world.toPixelY(arrow.y));
        const QPointF along(arrow.unitX() * half, -arrow.unitY() * half);
        const QPointF tip = centre + along, across(-along.y() * 0.4, along.x() * 0.4);
        const QLineF strokes[] = {{centre - along, tip},
                                  {tip, tip - along * 0.5 + across},
                                  {tip, tip - along * 0.5 - across}};
        painter.setPen(QPen(GridEdge(), width + 2 * edge, Qt::SolidLine, Qt::RoundCap));
        painter.drawLines(strokes, 3);
        painter.setPen(QPen(GridShade(arrow.shade), width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLines(strokes, 3);
    }
}

void WholeField::drawPath(QImage& underlay) const {
    const WorldWindow world =
        WorldWindow::forZoom(settings_.zoomFactor(), underlay.width(), underlay.height());
    const auto pixel = [&world](MapPoint p) {
        return QPointF(world.toPixelX(p.x), world.toPixelY(p.y));
    };
    const double scale = surface_.image().devicePixelRatio();
    QPainter painter(&underlay);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(kPathColour), 2 * scale));
    painter.setBrush(QColor(kPathColour));
    if (a_) painter.drawLine(pixel(*a_), pixel(*b_));
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(12 * scale));
    painter.setFont(font);
    const auto mark = [&](MapPoint p, const char* name) {
        painter.drawEllipse(pixel(p), 3 * scale, 3 * scale);
        painter.drawText(pixel(p) + QPointF(5, -5) * scale, name);
    };
    if (a_) mark(*a_, "A");
    if (b_) mark(*b_, "B");
}

void WholeField::showVoltmeter() {
    if (!voltmeter_) {
        voltmeter_ = new VoltmeterWindow(surface_.window());
        connect(voltmeter_, &VoltmeterWindow::visibilityChanged, this, &WholeField::showUnderlay);
    }
    voltmeter_->show();
    voltmeter_->raise();
    voltmeter_->activateWindow();
    showUnderlay();
}
