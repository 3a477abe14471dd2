#include "app/underlay_painting.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "app/field_keys.h"

namespace {

const QColor kPathColour(255, 255, 255);

// A letter beside its point, on the side away from the other point (so that
// A and B never cover each other), turned back inward at the image's edges.
QPointF LetterPlace(QPointF point, QPointF other, QSizeF letter, QSizeF image, double gap) {
    const bool right = point.x() >= other.x(), above = point.y() <= other.y();
    double x = right ? point.x() + gap : point.x() - gap - letter.width();
    double y = above ? point.y() - gap : point.y() + gap + letter.height();
    if (x < 0 || x + letter.width() > image.width())
        x = right ? x - 2 * gap - letter.width() : x + 2 * gap + letter.width();
    if (y - letter.height() < 0 || y > image.height())
        y = above ? y + 2 * gap + letter.height() : y - 2 * gap - letter.height();
    return {x, y};
}

}  // namespace

void PaintFieldGrid(QImage& underlay, const FieldGrid& grid, const WorldWindow& world,
                    const std::vector<QRectF>& keepClear) {
    const double half = 0.3 * underlay.width() / 20;  // of a cell's width
    // One device pixel with a half-pixel edge at every scale, as thin as the
    // field arrow, which stays the surface's most visible arrow.
    const double width = 1, edge = 0.5;
    QPainter painter(&underlay);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const GridArrow& arrow : grid.arrows) {
        const QPointF centre(world.toPixelX(arrow.x), world.toPixelY(arrow.y));
        const double reach = half + width + edge + 1;  // the arrow and its antialiasing
        const QRectF extent(centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach));
        if (std::any_of(keepClear.begin(), keepClear.end(),
                        [&](const QRectF& box) { return box.intersects(extent); }))
            continue;
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

void PaintVoltmeterPath(QImage& underlay, std::optional<MapPoint> a, std::optional<MapPoint> b,
                        const WorldWindow& world, double pixelRatio) {
    const auto pixel = [&world](MapPoint p) {
        return QPointF(world.toPixelX(p.x), world.toPixelY(p.y));
    };
    const QPen edge(GridEdge(), 4 * pixelRatio, Qt::SolidLine, Qt::RoundCap);
    QPainter painter(&underlay);
    painter.setRenderHint(QPainter::Antialiasing);
    if (a && b) {
        for (const QPen& pen : {edge, QPen(kPathColour, 2 * pixelRatio)}) {
            painter.setPen(pen);
            painter.drawLine(pixel(*a), pixel(*b));
        }
    }
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(13 * pixelRatio));
    font.setBold(true);
    const QFontMetricsF metrics(font);
    const auto mark = [&](MapPoint p, std::optional<MapPoint> other, const QString& name) {
        painter.setPen(QPen(GridEdge(), pixelRatio));
        painter.setBrush(kPathColour);
        painter.drawEllipse(pixel(p), 3.5 * pixelRatio, 3.5 * pixelRatio);
        QPainterPath letter;
        const QSizeF size(metrics.horizontalAdvance(name), metrics.ascent());
        const QPointF away = other ? pixel(*other) : pixel(p) + QPointF(-1, 1);
        letter.addText(LetterPlace(pixel(p), away, size, underlay.size(), 5 * pixelRatio), font,
                       name);
        painter.strokePath(letter, QPen(GridEdge(), 3 * pixelRatio));
        painter.fillPath(letter, kPathColour);
    };
    if (a) mark(*a, b, "A");
    if (b) mark(*b, a, "B");
}
