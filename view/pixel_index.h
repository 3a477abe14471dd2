#pragma once

#include <cmath>
#include <cstdint>

// The pixel that holds an image coordinate: pixel i covers [i, i+1). A value
// within a millionth of a pixel below a pixel corner counts as on the corner,
// so that computations of one point that differ in their last bits (a clicked
// point, the marker's centre, the start of an arrow) all land on one pixel.
inline std::int64_t PixelIndex(double v) { return static_cast<std::int64_t>(std::floor(v + 1e-6)); }
