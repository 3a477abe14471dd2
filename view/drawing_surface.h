#pragma once

#include <QImage>
#include <QRgb>
#include <QWidget>
#include <optional>

#include "field/world_window.h"
#include "view/pixel_index.h"

// The drawing surface: a retained image with a world coordinate system in
// metres, the drawing operations every figure is made of, and the marker of
// the current point. What is drawn stays in the image until the next clear;
// nothing is redrawn on expose.
//
// The image has the screen's device pixels, so the picture is crisp on
// high-DPI screens; world coordinates and pointer positions do not depend on it.
class DrawingSurface : public QWidget {
    Q_OBJECT

public:
    enum class Pen { Copy, Xor };

    // logicalSize: the side of the square surface in device-independent pixels.
    explicit DrawingSurface(int logicalSize, QWidget* parent = nullptr);

    void setBackground(QRgb colour) {
        background_ = colour;
        shownStale_ = true;
    }
    QRgb background() const { return background_; }
    void setWorldScale(double zoomFactor);
    const WorldWindow& world() const { return world_; }
    const QImage& image() const { return image_; }
    // What is shown, at the image's own pixel size, for the clipboard and files.
    QImage picture() const;
    // An image of the same device pixels shown wherever the retained image
    // has the background colour; a null image for none. The retained image
    // and its pens are untouched, so XOR drawing stays exact over it.
    void setUnderlay(QImage underlay);
    const QImage& shown() const;  // the retained image over the underlay
    QSize sizeHint() const override { return size(); }

    // Drawing operations, in world metres.
    void setPen(Pen pen) { pen_ = pen; }
    Pen pen() const { return pen_; }
    void clear();
    void drawSegment(double x1, double y1, double x2, double y2, QRgb colour);
    void drawSegmentTo(double x2, double y2, QRgb colour);  // from the current position
    void drawBox(double x1, double y1, double x2, double y2, QRgb colour);
    // The image pixels a box with these corners covers, edges included; for
    // figures that must fit exactly inside others.
    QRect pixelBox(double x1, double y1, double x2, double y2) const;
    void fillPixels(const QRect& pixels, QRgb colour);
    void drawCircle(double cx, double cy, double radius, QRgb colour);
    void setPixel(double x, double y, QRgb colour);
    void setCurrentPosition(double x, double y);
    void printText(const QString& text);  // top-left corner at the current position
    QRgb foreground() const { return qRgb(0, 0, 0); }

    // The marker of the current point, placed by its left and top edges in
    // world units like a shape on the surface. Its size is fixed on screen.
    double markerWidth() const;
    void setMarkerLeft(double left);
    void setMarkerTop(double top);
    void setMarkerVisible(bool visible);
    // The marker's widget, shown only while its position lies on the surface.
    // Its ring is painted by the surface in device pixels, round and closed
    // at every scale, around the image pixel that holds the marked point.
    QWidget* marker() const { return marker_; }
    QPoint markerPixel() const { return markerPixel_; }

    // The pointer shape over the surface: a cross-hair over the drawn charge,
    // unless a handle under the pointer asks for its own shape (none: no handle).
    void setCrossHair(bool on);
    void setHandleCursor(std::optional<Qt::CursorShape> shape);

    // The world point the surface reports for a pointer at this position: the
    // top-left corner of the logical pixel under it, in metres.
    WorldPoint worldAt(QPointF position) const;

signals:
    void pointerMoved(float x, float y);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void plot(int px, int py, QRgb colour);
    QRgb shownPixel(QRgb drawn, int px, int py) const;
    void paintMarker(QPainter& painter) const;
    static QPoint pointerPixel(QPointF position);  // the logical pixel under the pointer
    void reportPointer(QPointF position);
    void placeMarker();
    void showCursor();

    QImage image_;
    QImage underlay_;
    // The retained image over the underlay, kept pixel by pixel as figures are
    // drawn, so that a click costs no more with an underlay than without.
    mutable QImage shown_;
    mutable bool shownStale_ = true;
    QWidget* marker_;
    qreal pixelRatio_;
    WorldWindow world_;
    QRgb background_ = qRgb(255, 255, 255);
    Pen pen_ = Pen::Copy;
    double currentX_ = 0;
    double currentY_ = 0;
    double markerLeft_ = 0;
    double markerTop_ = 0;
    bool markerVisible_ = true;
    QPoint markerPixel_;
    bool releaseEndsDoubleClick_ = false;
    QPoint lastClickPixel_{-1, -1};
    bool crossHair_ = false;
    std::optional<Qt::CursorShape> handleCursor_;
};
