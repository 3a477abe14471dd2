#include "view/drawing_surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "view/raster.h"

namespace {

constexpr int kMarkerPixels = 5;  // logical pixels, 75 twips at 96 dpi

// Pixel range [lo, hi] covering two image coordinates, clamped to [0, size).
bool pixelSpan(double a, double b, int size, int& lo, int& hi) {
    if (!std::isfinite(a) || !std::isfinite(b)) return false;
    const double first = std::floor(std::min(a, b));
    const double last = std::floor(std::max(a, b));
    if (last < 0 || first >= size) return false;
    lo = static_cast<int>(std::max(first, 0.0));
    hi = static_cast<int>(std::min(last, size - 1.0));
    return true;
}

// The marker of the current point: a small circle over the image, not part of it.
class MarkerShape : public QWidget {
public:
    explicit MarkerShape(QWidget* surface) : QWidget(surface) {
        setObjectName("punto");
        setAccessibleName("Punto actual");
        setFixedSize(kMarkerPixels, kMarkerPixels);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawEllipse(rect().adjusted(0, 0, -1, -1));
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

void DrawingSurface::setWorldScale(double zoomFactor) {
    world_ = WorldWindow::forZoom(zoomFactor, image_.width(), image_.height());
    placeMarker();
}

void DrawingSurface::clear() {
    image_.fill(background_);
    currentX_ = currentY_ = 0;
    update();
}

void DrawingSurface::plot(int px, int py, QRgb colour) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(py));
    if (pen_ == Pen::Xor)
        line[px] = 0xff000000u | ((line[px] ^ colour) & 0x00ffffffu);
    else
        line[px] = 0xff000000u | colour;
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
    const double ax = world_.toPixelX(x1), bx = world_.toPixelX(x2);
    const double ay = world_.toPixelY(y1), by = world_.toPixelY(y2);
    int left = 0, right = 0, top = 0, bottom = 0;
    if (!pixelSpan(ax, bx, image_.width(), left, right)) return;
    if (!pixelSpan(ay, by, image_.height(), top, bottom)) return;
    const int edgeLeft = int(std::floor(std::min(ax, bx))),
              edgeRight = int(std::floor(std::max(ax, bx)));
    const int edgeTop = int(std::floor(std::min(ay, by))),
              edgeBottom = int(std::floor(std::max(ay, by)));
    for (int py = top; py <= bottom; ++py) {
        const bool horizontalEdge = py == edgeTop || py == edgeBottom;
        for (int px = left; px <= right; ++px)
            if (horizontalEdge || px == edgeLeft || px == edgeRight) plot(px, py, colour);
    }
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void DrawingSurface::fillBox(double x1, double y1, double x2, double y2, QRgb colour) {
    int left = 0, right = 0, top = 0, bottom = 0;
    if (!pixelSpan(world_.toPixelX(x1), world_.toPixelX(x2), image_.width(), left, right)) return;
    if (!pixelSpan(world_.toPixelY(y1), world_.toPixelY(y2), image_.height(), top, bottom)) return;
    for (int py = top; py <= bottom; ++py)
        for (int px = left; px <= right; ++px) plot(px, py, colour);
    currentX_ = x2;
    currentY_ = y2;
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
    const double px = std::floor(world_.toPixelX(x)), py = std::floor(world_.toPixelY(y));
    if (px >= 0 && px < image_.width() && py >= 0 && py < image_.height())
        plot(static_cast<int>(px), static_cast<int>(py), colour);
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
    if (!std::isfinite(px) || !std::isfinite(py) || std::abs(px) > 1e6 || std::abs(py) > 1e6)
        return;
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(QColor(foreground()));
    painter.drawText(QRectF(px, py, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, text);
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
    // Centred on the pixel that holds the marked point.
    const double half = kMarkerPixels / 2.0;
    const double px = std::floor((markerLeft_ - world_.left) / world_.width * width() + half) - 2;
    const double py = std::floor((world_.top - markerTop_) / world_.height * height() + half) - 2;
    // Far outside the surface the marker is simply out of sight.
    const bool onSurface =
        px > -kMarkerPixels && px < width() && py > -kMarkerPixels && py < height();
    if (onSurface) marker_->move(static_cast<int>(px), static_cast<int>(py));
    marker_->setVisible(markerVisible_ && onSurface);
}

void DrawingSurface::setCrossHair(bool on) {
    if (on)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(
        event->rect(), image_,
        QRectF(event->rect().topLeft() * pixelRatio_, event->rect().size() * pixelRatio_));
}

void DrawingSurface::reportPointer(QPointF position) {
    // The pointer's pixel, in world metres, as the surface reports it.
    const double px = std::floor(position.x()), py = std::floor(position.y());
    const double x = world_.left + world_.width * px / width();
    const double y = world_.top - world_.height * py / height();
    emit pointerMoved(static_cast<float>(x), static_cast<float>(y));
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) { reportPointer(event->position()); }

void DrawingSurface::mousePressEvent(QMouseEvent* event) { reportPointer(event->position()); }

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    reportPointer(event->position());
    emit clicked();
}
