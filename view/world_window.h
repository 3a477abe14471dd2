#pragma once

#include <cmath>
#include <cstdint>

#include "field/domain.h"

// The pixel that holds an image coordinate: pixel i covers [i, i+1). A value
// within a millionth of a pixel below a pixel corner counts as on the corner,
// so that computations of one point that differ in their last bits (a clicked
// point, the marker's centre, the start of an arrow) all land on one pixel.
inline std::int64_t PixelIndex(double v) { return static_cast<std::int64_t>(std::floor(v + 1e-6)); }

// The world window of the drawing surface: metres on both axes, y upwards,
// mapped onto an image of pixelWidth by pixelHeight pixels.
struct WorldWindow {
    double left = 0;
    double top = 0;
    double width = 1;   // metres across the image
    double height = 1;  // metres down the image
    int pixelWidth = 1;
    int pixelHeight = 1;

    // The window of the zoom factor z: x from kWorldLow/z to kWorldHigh/z, y
    // from kWorldHigh/z down to kWorldLow/z.
    static WorldWindow forZoom(double zoom, int pixelWidth, int pixelHeight) {
        const double low = kWorldLow / zoom;
        const double high = kWorldHigh / zoom;
        return {low, high, high - low, high - low, pixelWidth, pixelHeight};
    }

    double toPixelX(double x) const { return (x - left) / width * pixelWidth; }
    double toPixelY(double y) const { return (top - y) / height * pixelHeight; }
    double fromPixelX(double px) const { return left + width * px / pixelWidth; }
    double fromPixelY(double py) const { return top - height * py / pixelHeight; }
    double pixelsPerMetre() const { return pixelWidth / width; }
};
