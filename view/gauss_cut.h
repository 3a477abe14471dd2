#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

#include "field/world_window.h"
#include "gauss/gauss_surface.h"

// The Gauss surface as the drawing shows it: its cut by the plane of the
// view, painted under the drawing, and the handles a drag takes it by.

// Its colour: an orange that neither the charge's red, the map's scale, the
// grid's greys nor the voltmeter's white path takes.
constexpr QRgb kGaussColour = qRgb(235, 120, 0);

// What a handle changes: the radius, the cylinder's length, or the centre.
enum class GaussHandle { Size, Length, Centre };

struct GaussHandlePoint {
    GaussHandle handle;
    WorldPoint at;  // in the view's metres
};

// The handles the view shows. Front view: the radius at the top of the cut,
// (c, R), the length at the cylinder's right end, (c + L/2, R/2), and the
// centre, (c, R/2): off the axis, where the charge's bar would hide them.
// Profile view: the radius at the top of the disc the
// surface covers seen along the axis, (0, R). In that order, the first
// taking a press that reaches two.
std::vector<GaussHandlePoint> GaussHandles(const GaussSurface& surface, bool front);

// Half the side of a handle's square, logical pixels; a press this far from
// a handle's centre, or a little farther, takes it.
constexpr double kGaussHandleHalf = 4;

// Paints the cut into an image of the world window, pixelRatio device
// pixels to a logical one; what falls outside the image is left out.
// Front view (the plane z = 0): a sphere is the circle round (c, 0) of
// radius R, a cylinder the rectangle [c − L/2, c + L/2] × [−R, R]. Profile
// view (the plane x = bisectorX, z across): the cut is a circle round the
// axis, of radius √(R² − (bisectorX − c)²) for a sphere the plane meets,
// R for a cylinder it meets; the disc of radius R that the surface covers
// seen along the axis is outlined dashed and lightly shaded outside the cut,
// or whole when the plane misses the surface. Strokes are 2 logical pixels
// wide, whole device pixels, of kGaussColour; the handles are squares of it
// with a white middle.
void PaintGaussCut(QImage& underlay, const GaussSurface& surface, bool front, double bisectorX,
                   const WorldWindow& world, double pixelRatio);
