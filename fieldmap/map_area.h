#pragma once

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

    // The window of the zoom factor z: x from -0.1/z to 1.1/z, y from 1.1/z down to -0.1/z.
    static MapArea ForZoom(double zoom, int columns, int rows) {
        return {-0.1 / zoom, 1.1 / zoom, 1.2 / zoom, 1.2 / zoom, columns, rows};
    }
};
