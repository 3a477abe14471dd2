#include "wholefield/underlay_painting.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <climits>
#include <cmath>

#include "view/raster.h"
#include "wholefield/field_keys.h"

namespace {

const QColor kPathColour(255, 255, 255);

// How badly a letter's box would sit: outside the image, over a box already
// taken, or over what the drawing shows there (the field arrow at its point,
// the lines, the frame), by the pixels it would cover.
int Covering(const QRectF& box, const QImage& drawing, QRgb background,
             const std::vector<QRectF>& taken) {
    constexpr int kBlocked = 1 << 20;
    if (!QRectF(drawing.rect()).contains(box)) return kBlocked;
    if (std::any_of(taken.begin(), taken.end(), [&](const QRectF& t) { return t.intersects(box); }))
        return kBlocked;
    int drawn = 0;
    const QRect pixels = box.toAlignedRect() & drawing.rect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            drawn += drawing.pixel(x, y) != background;
    return drawn;
}

// A letter's box beside its point: the first of the places around it, from
// the side away from the other point and then farther out, that covers
// nothing; else the one that covers least.
QRectF LetterBox(QPointF point, QPointF away, QSizeF letter, double gap, const QImage& drawing,
                 QRgb background, const std::vector<QRectF>& taken) {
    const double sx = point.x() >= away.x() ? 1 : -1, sy = point.y() > away.y() ? 1 : -1;
    const QPointF directions[] = {{sx, sy},  {sx, 0},  {0, sy},  {-sx, sy},
                                  {sx, -sy}, {-sx, 0}, {0, -sy}, {-sx, -sy}};
    QRectF best;
    int least = INT_MAX;
    for (int ring = 1; ring <= 4 && least > 0; ++ring)
        for (QPointF d : directions) {
            const double reach = gap * ring;
            const QPointF centre = point + QPointF(d.x() * (reach + letter.width() / 2),
                                                   d.y() * (reach + letter.height() / 2));
            const QPointF corner = centre - QPointF(letter.width() / 2, letter.height() / 2);
            const QRectF box(QPointF(std::round(corner.x()), std::round(corner.y())), letter);
            const int covering = Covering(box, drawing, background, taken);
            if (covering < least) {
                least = covering;
                best = box;
            }
            if (least == 0) break;
        }
    return best;
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

void PaintVoltmeterPath(QImage& underlay, std::optional<WorldPoint> a, std::optional<WorldPoint> b,
                        const WorldWindow& world, double pixelRatio, const QImage& drawing,
                        QRgb background, std::vector<QRectF> keepClear) {
    const auto pixel = [&world](WorldPoint p) {
        return QPointF(world.toPixelX(p.x), world.toPixelY(p.y));
    };
    const QPen edge(GridEdge(), 4 * pixelRatio, Qt::SolidLine, Qt::RoundCap);
    QPainter painter(&underlay);
    painter.setRenderHint(QPainter::Antialiasing);
    // Only what can show of the path: a painter stroking the whole of a path
    // from a point 10 km away, millions of pixels long, takes seconds.
    const double reach = 4 * pixelRatio;  // beyond the edge's half-width
    QPointF from = a ? pixel(*a) : QPointF(), to = b ? pixel(*b) : QPointF();
    if (a && b &&
        ClipLine(from.rx(), from.ry(), to.rx(), to.ry(), -reach, underlay.width() + reach,
                 underlay.height() + reach)) {
        for (const QPen& pen : {edge, QPen(kPathColour, 2 * pixelRatio)}) {
            painter.setPen(pen);
            painter.drawLine(from, to);
        }
    }
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(13 * pixelRatio));
    font.setBold(true);
    const QFontMetricsF metrics(font);
    const double stroke = 3 * pixelRatio;  // the letter's dark edge
    const auto mark = [&](WorldPoint p, std::optional<WorldPoint> other, const QString& name) {
        painter.setPen(QPen(GridEdge(), pixelRatio));
        painter.setBrush(kPathColour);
        painter.drawEllipse(pixel(p), 3.5 * pixelRatio, 3.5 * pixelRatio);
        const QRectF glyph = metrics.tightBoundingRect(name);  // about its baseline's start
        const double margin = stroke / 2 + pixelRatio;
        const QPointF away = other ? pixel(*other) : pixel(p) + QPointF(-1, 1);
        const QRectF box = LetterBox(pixel(p), away, glyph.size() + QSizeF(2 * margin, 2 * margin),
                                     kLetterGap * pixelRatio, drawing, background, keepClear);
        keepClear.push_back(box);
        QPainterPath letter;
        letter.addText(box.topLeft() + QPointF(margin, margin) - glyph.topLeft(), font, name);
        painter.strokePath(letter, QPen(GridEdge(), stroke));
        painter.fillPath(letter, kPathColour);
    };
    if (a) mark(*a, b, "A");
    if (b) mark(*b, a, "B");
}
