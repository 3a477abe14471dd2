#pragma once

#include <QImage>
#include <optional>

#include "field/world_window.h"
#include "fieldmap/field_grid.h"
#include "fieldmap/voltmeter.h"

// What lies under the drawing besides the map, painted at the image's device
// pixels (pixelRatio of them to a logical pixel).

// The grid's arrows: one length, grey by the class of |E|, with a dark edge;
// those that would meet one of the boxes to keep clear (the frame's letters
// and charge) are left out.
void PaintFieldGrid(QImage& underlay, const FieldGrid& grid, const WorldWindow& world,
                    const std::vector<QRectF>& keepClear);

// The voltmeter's points A and B and the straight path between them: white,
// edged in dark grey so that they show on every colour of the map. Each
// letter goes beside its point where it covers neither the other letter,
// the boxes to keep clear (the frame's letters), what the drawing shows
// there (the field arrow at its point) nor the image's edge, when such a
// place is near, which is kLetterGap logical pixels out, or a few times that.
constexpr double kLetterGap = 5;
void PaintVoltmeterPath(QImage& underlay, std::optional<WorldPoint> a, std::optional<WorldPoint> b,
                        const WorldWindow& world, double pixelRatio, const QImage& drawing,
                        QRgb background, std::vector<QRectF> keepClear);
