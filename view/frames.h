#pragma once

#include <QRectF>
#include <QRgb>
#include <vector>

#include "field/shapes.h"

class DrawingSurface;
class QFont;
struct WorldWindow;

// The empty frames of the two views, each drawing the charge as its shape's
// figure gives it. Decorations are sized in world lengths divided by the zoom
// factor, so they keep their size on screen.

struct FrontFrameLook {
    double zoomFactor;
    int elementCount;    // N: the elements marked on the charge
    bool exactModel;     // paint the continuous charge over the elements
    QRgb segmentColour;  // the charge as the N elements hold it
    QRgb chargeColour;   // the continuous charge of the exact model
    const ChargeDistribution* shape;
};

// Clears the surface and draws the front view: axes, the charge divided into
// its elements, and the letters "X" and "Y". A bar along the axis is divided
// at its elements' borders; the cut of a disk at its rings' borders, either
// side of the axis; a ring seen edge-on, its wire, is crossed where each
// point charge lies in front of or behind it.
void DrawFrontFrameFigure(DrawingSurface& surface, const FrontFrameLook& look);

// Marks element i of n as taken on the front view's charge, inside its
// outline: on a bar, the middle fifth of the element; on a disk's cut, the
// middle fifth of its ring's width on both sides of the axis; on a ring seen
// edge-on, a square where its point charge lies, only its right half for a
// charge in front of the plane of the view (z > 0) and its left half for one
// behind, so that two charges seen at one place show which are taken.
void MarkElement(DrawingSurface& surface, const ChargeDistribution& shape, int i, int n,
                 double zoomFactor, QRgb colour);

// Clears the surface and draws the profile view: axes, the charge (three
// rings for a segment seen end-on, the wire of a ring, a disk filled), and
// the letters "Z" and "Y".
void DrawProfileFrameFigure(DrawingSurface& surface, double zoomFactor, QRgb chargeColour,
                            const ChargeDistribution& shape);

// The boxes of what the frame draws besides the axes, for what is painted
// under the drawing to keep clear of: its two axis letters, written in the
// font, and the charge's outline (the bar's, or in the profile view the
// outermost ring's), in the pixels of the world window, pixelRatio of them to
// a logical pixel.
std::vector<QRectF> FrameFigureBoxes(const WorldWindow& world, const QFont& font, double pixelRatio,
                                     double zoomFactor, bool front,
                                     const ChargeDistribution& shape);
