#include "fieldmap/axis_mirror.h"

#include <algorithm>
#include <cmath>

AxisMirror::AxisMirror(double first, double step, int count, double about) {
    // Centre i + centre k = 2·about when i + k = 2·(about - first) / step.
    const double sum = 2 * (about - first) / step;
    const double nearest = std::round(sum);
    if (std::fabs(sum - nearest) > 1e-6 || nearest < 1 || nearest > 2.0 * count) return;
    sum_ = static_cast<int>(nearest);
    copiedBegin_ = sum_ / 2 + 1;
    copiedEnd_ = std::min(sum_, count - 1) + 1;
}
