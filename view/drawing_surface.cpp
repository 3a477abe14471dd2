#include "view/drawing_surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "view/raster.h"

namespace {

constexpr int kMarkerPixels = 5;     // logical pixels, 75 twips at 96 dpi
constexpr double kMarkerRadius = 2;  // logical pixels

// The pixel holding an image coordinate, kept within reach of an int: far
// outside the image every figure is clipped anyway.
int ClampedPixel(double v) {
    constexpr double kFar = 1 << 24;
    return static_cast<int>(PixelIndex(std::clamp(v, -kFar, kFar)));
}

// The marker of the current point as a shape on the surface, for screen
// readers and for its geometry; the surface paints its ring.
class MarkerShape : public QWidget {
public:
    explicit MarkerShape(QWidget* surface) : QWidget(surface) {
        setObjectName("punto");
        setAccessibleName("Punto actual");
        setFixedSize(kMarkerPixels, kMarkerPixels);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
};

}  // namespace

DrawingSurface::DrawingSurface(int logicalSize, QWidget* parent)
    : QWidget(parent), marker_(new MarkerShape(this)), pixelRatio_(devicePixelRatioF()) {
    setFixedSize(logicalSize, logicalSize);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    const int side = static_cast<int>(std::lround(logicalSize * pixelRatio_));
    image_ = QImage(side, side, QImage::Format_RGB32);
    image_.setDevicePixelRatio(pixelRatio_);
    image_.fill(background_);
    setWorldScale(1.0);
}

QImage DrawingSurface::picture() const {
    QImage copy = shown().copy();
    copy.setDevicePixelRatio(1);
    return copy;
}

void DrawingSurface::setUnderlay(QImage underlay) {
    underlay_ = underlay.size() == image_.size()
                    ? std::move(underlay).convertToFormat(QImage::Format_RGB32)
                    : QImage();
    shownStale_ = true;
    update();
}

QRgb DrawingSurface::shownPixel(QRgb drawn, int px, int py) const {
    if (((drawn ^ background_) & 0x00ffffffu) != 0) return drawn;
    return reinterpret_cast<const QRgb*>(underlay_.constScanLine(py))[px];
}

const QImage& DrawingSurface::shown() const {
    if (underlay_.isNull()) return image_;
    if (shownStale_) {
        shown_ = image_.copy();
        for (int py = 0; py < shown_.height(); ++py) {
            auto* line = reinterpret_cast<QRgb*>(shown_.scanLine(py));
            for (int px = 0; px < shown_.width(); ++px) line[px] = shownPixel(line[px], px, py);
        }
        shownStale_ = false;
    }
    return shown_;
}

void DrawingSurface::setWorldScale(double zoomFactor) {
    world_ = WorldWindow::forZoom(zoomFactor, image_.width(), image_.height());
    placeMarker();
}

void DrawingSurface::clear() {
    image_.fill(background_);
    shownStale_ = true;
    currentX_ = currentY_ = 0;
    update();
}

void DrawingSurface::plot(int px, int py, QRgb colour) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(py));
    if (pen_ == Pen::Xor)
        line[px] = 0xff000000u | ((line[px] ^ colour) & 0x00ffffffu);
    else
        line[px] = 0xff000000u | colour;
    if (!underlay_.isNull() && !shownStale_)
        reinterpret_cast<QRgb*>(shown_.scanLine(py))[px] = shownPixel(line[px], px, py);
}

void DrawingSurface::drawSegment(double x1, double y1, double x2, double y2, QRgb colour) {
    RasterLine(world_.toPixelX(x1), world_.toPixelY(y1), world_.toPixelX(x2), world_.toPixelY(y2),
               image_.width(), image_.height(), [&](int px, int py) { plot(px, py, colour); });
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void DrawingSurface::drawSegmentTo(double x2, double y2, QRgb colour) {
    drawSegment(currentX_, currentY_, x2, y2, colour);
}

void DrawingSurface::drawBox(double x1, double y1, double x2, double y2, QRgb colour) {
    const QRect box = pixelBox(x1, y1, x2, y2);
    const QRect visible = box.intersected(image_.rect());
    for (int py = visible.top(); py <= visible.bottom(); ++py) {
        const bool horizontalEdge = py == box.top() || py == box.bottom();
        for (int px = visible.left(); px <= visible.right(); ++px)
            if (horizontalEdge || px == box.left() || px == box.right()) plot(px, py, colour);
    }
    currentX_ = x2;
    currentY_ = y2;
    update();
}

QRect DrawingSurface::pixelBox(double x1, double y1, double x2, double y2) const {
    const double ax = world_.toPixelX(x1), bx = world_.toPixelX(x2);
    const double ay = world_.toPixelY(y1), by = world_.toPixelY(y2);
    if (!std::isfinite(ax) || !std::isfinite(bx) || !std::isfinite(ay) || !std::isfinite(by))
        return {};
    return QRect(QPoint(ClampedPixel(std::min(ax, bx)), ClampedPixel(std::min(ay, by))),
                 QPoint(ClampedPixel(std::max(ax, bx)), ClampedPixel(std::max(ay, by))));
}

void DrawingSurface::fillPixels(const QRect& pixels, QRgb colour) {
    const QRect visible = pixels.intersected(image_.rect());
    for (int py = visible.top(); py <= visible.bottom(); ++py)
        for (int px = visible.left(); px <= visible.right(); ++px) plot(px, py, colour);
    update();
}

void DrawingSurface::drawCircle(double cx, double cy, double radius, QRgb colour) {
    RasterCircle(world_.toPixelX(cx), world_.toPixelY(cy), radius * world_.pixelsPerMetre(),
                 image_.width(), image_.height(), [&](int px, int py) { plot(px, py, colour); });
    currentX_ = cx;
    currentY_ = cy;
    update();
}

void DrawingSurface::setPixel(double x, double y, QRgb colour) {
    const double px = world_.toPixelX(x), py = world_.toPixelY(y);
    if (std::isfinite(px) && std::isfinite(py)) {
        const QPoint pixel(ClampedPixel(px), ClampedPixel(py));
        if (image_.rect().contains(pixel)) plot(pixel.x(), pixel.y(), colour);
    }
    currentX_ = x;
    currentY_ = y;
    update();
}

void DrawingSurface::setCurrentPosition(double x, double y) {
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::printText(const QString& text) {
    const double px = world_.toPixelX(currentX_) / pixelRatio_;
    const double py = world_.toPixelY(currentY_) / pixelRatio_;
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(QColor(foreground()));
    painter.drawText(QRectF(px, py, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, text);
    shownStale_ = true;
    update();
}

double DrawingSurface::markerWidth() const { return kMarkerPixels * world_.width / width(); }

void DrawingSurface::setMarkerLeft(double left) {
    markerLeft_ = left;
    placeMarker();
}

void DrawingSurface::setMarkerTop(double top) {
    markerTop_ = top;
    placeMarker();
}

void DrawingSurface::setMarkerVisible(bool visible) {
    markerVisible_ = visible;
    placeMarker();
}

void DrawingSurface::placeMarker() {
    // The marked point is the centre of the marker, in the image's pixels.
    const double half = markerWidth() / 2;
    const double px = world_.toPixelX(markerLeft_ + half), py = world_.toPixelY(markerTop_ - half);
    const bool onSurface = std::abs(px) < 1e6 && std::abs(py) < 1e6;  // false for NaN too
    if (onSurface) {
        markerPixel_ = QPoint(ClampedPixel(px), ClampedPixel(py));
        const QPointF centre = (QPointF(markerPixel_) + QPointF(0.5, 0.5)) / pixelRatio_;
        marker_->move(static_cast<int>(std::floor(centre.x())) - kMarkerPixels / 2,
                      static_cast<int>(std::floor(centre.y())) - kMarkerPixels / 2);
    }
    // Far outside the surface the marker is simply out of sight.
    marker_->setVisible(markerVisible_ && onSurface && rect().intersects(marker_->geometry()));
    update();
}

void DrawingSurface::setCrossHair(bool on) {
    crossHair_ = on;
    showCursor();
}

void DrawingSurface::setHandleCursor(std::optional<Qt::CursorShape> shape) {
    if (handleCursor_ == shape) return;  // asked on every move of the pointer
    handleCursor_ = shape;
    showCursor();
}

void DrawingSurface::showCursor() {
    if (handleCursor_)
        setCursor(*handleCursor_);
    else if (crossHair_)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The whole image at its own pixels; the painter clips it to the exposed
    // region, so a partial repaint never copies from a fractional rectangle.
    painter.drawImage(QPointF(0, 0), shown());
    if (marker_->isVisible()) paintMarker(painter);
}

void DrawingSurface::paintMarker(QPainter& painter) const {
    painter.setWorldTransform(QTransform::fromScale(1 / pixelRatio_, 1 / pixelRatio_));
    const double radius = std::round(kMarkerRadius * pixelRatio_);
    RasterCircle(markerPixel_.x(), markerPixel_.y(), radius, image_.width(), image_.height(),
                 [&](int px, int py) { painter.fillRect(px, py, 1, 1, Qt::black); });
}

QPoint DrawingSurface::pointerPixel(QPointF position) {
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

WorldPoint DrawingSurface::worldAt(QPointF position) const {
    const QPoint pixel = pointerPixel(position);
    return {world_.left + world_.width * pixel.x() / width(),
            world_.top - world_.height * pixel.y() / height()};
}

void DrawingSurface::reportPointer(QPointF position) {
    const WorldPoint at = worldAt(position);
    emit pointerMoved(static_cast<float>(at.x), static_cast<float>(at.y));
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) { reportPointer(event->position()); }

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    releaseEndsDoubleClick_ = false;
    lastClickPixel_ = {-1, -1};  // until this press ends in a click
    reportPointer(event->position());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (releaseEndsDoubleClick_) return;  // the next press clears it
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    reportPointer(event->position());
    lastClickPixel_ = pointerPixel(event->position());
    emit clicked();
}

// A double-click on one pixel is one click: its first press and release
// already clicked, and a second click there would erase what the first drew
// with the XOR pen. A second press on another pixel is another point, or
// another charge element, and so a click of its own.
void DrawingSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    reportPointer(event->position());
    releaseEndsDoubleClick_ = pointerPixel(event->position()) == lastClickPixel_;
}
