#pragma once

#include <QRgb>

#include "field/currency.h"

class DrawingSurface;

struct ArrowPlacement {
    double baseX;  // the current point
    double baseY;
    double zoomFactor;
    bool withShaft;  // false in the line modes: the head alone marks the direction
};

// The field vector (Ex, Ey) in V/m as an arrow from the base, drawn with the
// XOR pen so that drawing the same arrow again removes it. The shaft is
// kArrowMetresPerVoltPerMetre/z³ metres per V/m; the head has a fixed size on
// screen. Leaves the copy pen set.
constexpr double kArrowMetresPerVoltPerMetre = 6e-6;  // at 100 %
void DrawFieldArrow(DrawingSurface& surface, const ArrowPlacement& at, Currency ex, Currency ey,
                    QRgb colour);
