#pragma once

#include "field/domain.h"

// A rectangle of the world (metres, y upwards) divided into columns and rows
// of pixels: the drawing surface's window at its device pixels, the potential
// map over it, or the coarser grid of field arrows.
struct WorldWindow {
    double left = 0;
    double top = 0;
    double width = 1;   // metres across
    double height = 1;  // metres down
    int columns = 1;
    int rows = 1;

    // The window of the zoom factor z: x from kWorldLow/z to kWorldHigh/z, y
    // from kWorldHigh/z down to kWorldLow/z.
    static WorldWindow forZoom(double zoom, int columns, int rows) {
        const double low = kWorldLow / zoom, high = kWorldHigh / zoom;
        return {low, high, high - low, high - low, columns, rows};
    }

    // Pixel coordinates: pixel i covers [i, i+1).
    double toPixelX(double x) const { return (x - left) / width * columns; }
    double toPixelY(double y) const { return (top - y) / height * rows; }
    double fromPixelX(double px) const { return left + width * px / columns; }
    double fromPixelY(double py) const { return top - height * py / rows; }
    double pixelsPerMetre() const { return columns / width; }

    // The centre of a column or row.
    double xAt(int column) const { return left + width * (column + 0.5) / columns; }
    double yAt(int row) const { return top - height * (row + 0.5) / rows; }
};
