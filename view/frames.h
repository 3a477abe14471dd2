#pragma once

#include <QRectF>
#include <QRgb>
#include <vector>

class DrawingSurface;
class QFont;
struct WorldWindow;

// The empty frames of the two views. Decorations are sized in world lengths
// divided by the zoom factor, so they keep their size on screen.

struct FrontFrameLook {
    double zoomFactor;
    int elementCount;  // N: boundaries at 0, 1/N, 2/N, ...
    bool exactModel;   // paint the continuous charge over the elements
    QRgb segmentColour;
    QRgb chargeColour;
};

// Clears the surface and draws the front view: axes, the segment bar divided
// into its elements, and the letters "X" and "Y".
void DrawFrontFrameFigure(DrawingSurface& surface, const FrontFrameLook& look);

// Paints the bar of the segment from x1 to x2 (metres) inside its outline:
// the whole bar, or the mark of one charge element.
void FillBar(DrawingSurface& surface, double x1, double x2, double zoomFactor, QRgb colour);

// Clears the surface and draws the profile view: axes, three rings for the
// segment seen end-on, and the letters "Z" and "Y".
void DrawProfileFrameFigure(DrawingSurface& surface, double zoomFactor, QRgb chargeColour);

// The boxes of what the frame draws besides the axes, for what is painted
// under the drawing to keep clear of: its two axis letters, written in the
// font, and the segment (its bar's outline, or in the profile view its
// outermost ring), in the pixels of the world window, pixelRatio of them to a
// logical pixel.
std::vector<QRectF> FrameFigureBoxes(const WorldWindow& world, const QFont& font, double pixelRatio,
                                     double zoomFactor, bool front);
