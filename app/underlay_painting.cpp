#include "app/underlay_painting.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "app/field_keys.h"

namespace {

const QColor kPathColour(255, 255, 255);

// A letter beside its point, up and to the right unless that leaves the image.
QPointF LetterPlace(QPointF point, QSizeF letter, QSizeF image, double gap) {
    const double x = point.x() + gap + letter.width() < image.width()
                         ? point.x() + gap
                         : point.x() - gap - letter.width();
    const double y =
        point.y() - gap - letter.height() > 0 ? point.y() - gap : point.y() + gap + letter.height();
    return {x, y};
}

}  // namespace

void PaintFieldGrid(QImage& underlay, const FieldGrid& grid, const WorldWindow& world,
                    double pixelRatio) {
    const double half = 0.3 * underlay.width() / 20;  // of a cell's width
    const double width = std::max(1.0, half / 8), edge = 0.5 * pixelRatio;
    QPainter painter(&underlay);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const GridArrow& arrow : grid.arrows) {
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
    const auto mark = [&](MapPoint p, const QString& name) {
        painter.setPen(QPen(GridEdge(), pixelRatio));
        painter.setBrush(kPathColour);
        painter.drawEllipse(pixel(p), 3.5 * pixelRatio, 3.5 * pixelRatio);
        QPainterPath letter;
        const QSizeF size(metrics.horizontalAdvance(name), metrics.ascent());
        letter.addText(LetterPlace(pixel(p), size, underlay.size(), 5 * pixelRatio), font, name);
        painter.strokePath(letter, QPen(GridEdge(), 3 * pixelRatio));
        painter.fillPath(letter, kPathColour);
    };
    if (a) mark(*a, "A");
    if (b) mark(*b, "B");
}
