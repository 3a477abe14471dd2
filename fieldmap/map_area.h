#pragma once

#include "field/domain.h"

// A rectangle of the world (metres, y upwards) divided into pixels: the
// drawing surface's window at its device pixels, or a coarser grid over it.
struct MapArea {
    double left;
    double top;
    double width;   // metres across
    double height;  // metres down
    int columns;
    int rows;

    // The centre of a column or row.
    double xAt(int column) const { return left + width * (column + 0.5) / columns; }
    double yAt(int row) const { return top - height * (row + 0.5) / rows; }

    // The window of the zoom factor z, as the drawing surface has it: x from
    // kWorldLow/z to kWorldHigh/z, y from kWorldHigh/z down to kWorldLow/z.
    static MapArea ForZoom(double zoom, int columns, int rows) {
        const double low = kWorldLow / zoom, high = kWorldHigh / zoom;
        return {low, high, high - low, high - low, columns, rows};
    }
};
