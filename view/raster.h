#pragma once

#include <cstdint>
#include <functional>

// Pixel-exact rasterization in image coordinates (pixel (i, j) covers
// [i, i+1) × [j, j+1)). Every pixel is reported once, so an XOR pen drawing
// the same figure twice restores the image. Only pixels inside the
// width × height image are reported; figures far outside it are clipped in
// floating point first, so no coordinate overflows.
using PixelSink = std::function<void(int x, int y)>;

// The classic raster line from the pixel holding (x0, y0) to the pixel holding
// (x1, y1): the start pixel is painted, the end pixel is not, so lines
// continued from one another paint each shared vertex once.
void RasterLine(double x0, double y0, double x1, double y1, int width, int height,
                const PixelSink& plot);

// Clips the line from (x0, y0) to (x1, y1) to [lo, hiX] × [lo, hiY] in floating
// point; false when nothing of it is left. The end nearer the origin stays
// exact, so a line to a point astronomically far away keeps its direction.
// For painters that would otherwise rasterize such a line whole.
bool ClipLine(double& x0, double& y0, double& x1, double& y1, double lo, double hiX, double hiY);

// Circle outline around the pixel holding (cx, cy), radius in pixels.
void RasterCircle(double cx, double cy, double radius, int width, int height,
                  const PixelSink& plot);
