#include "gausstool/surface_drag.h"

#include <QMouseEvent>
#include <cmath>

#include "settings/settings.h"
#include "view/drawing_surface.h"
#include "view/pixel_index.h"

namespace {

// How far from a handle's centre a press takes it, logical pixels each way.
constexpr double kReach = 6;

Qt::CursorShape CursorOf(GaussHandle handle, bool dragging) {
    switch (handle) {
        case GaussHandle::Size:
            return Qt::SizeVerCursor;
        case GaussHandle::Length:
            return Qt::SizeHorCursor;
        case GaussHandle::Centre:
            break;
    }
    return dragging ? Qt::ClosedHandCursor : Qt::OpenHandCursor;
}

}  // namespace

void SurfaceDrag::Install(DrawingSurface& surface, Settings& settings) {
    surface.installEventFilter(new SurfaceDrag(surface, settings));
}

SurfaceDrag::SurfaceDrag(DrawingSurface& surface, Settings& settings)
    : QObject(&surface), surface_(surface), settings_(settings) {}

// The handle drawn nearest the position, if it is within reach; the first
// of GaussHandles among those as near.
std::optional<GaussHandle> SurfaceDrag::handleAt(QPointF position) const {
    const WorldWindow& world = surface_.world();
    const double ratio = surface_.image().devicePixelRatio();
    std::optional<GaussHandle> nearest;
    double least = kReach;
    for (const GaussHandlePoint& h : GaussHandles(settings_.gaussSurface(), settings_.front())) {
        // The handle is drawn round the centre of the device pixel holding its point.
        const double px = world.toPixelX(h.at.x), py = world.toPixelY(h.at.y);
        if (!(std::fabs(px) < 1e7 && std::fabs(py) < 1e7)) continue;
        const QPointF centre =
            (QPointF(double(PixelIndex(px)), double(PixelIndex(py))) + QPointF(0.5, 0.5)) / ratio;
        const QPointF off = position - centre;
        const double distance = std::max(std::fabs(off.x()), std::fabs(off.y()));
        if (distance <= least && (!nearest || distance < least)) {
            least = distance;
            nearest = h.handle;
        }
    }
    return nearest;
}

// The surface as the pointer leaves it, in the numbers the boxes show.
void SurfaceDrag::dragTo(QPointF position) {
    const WorldPoint p = surface_.worldAt(position);
    GaussSurface s = settings_.gaussSurface();
    switch (*dragged_) {
        case GaussHandle::Centre:
            s.centre = ShownValue(p.x);
            break;
        case GaussHandle::Size:
            s.radius = ShownValue(settings_.front() ? std::fabs(p.y) : std::hypot(p.x, p.y));
            break;
        case GaussHandle::Length:
            s.length = ShownValue(2 * std::fabs(p.x - s.centre));
            break;
    }
    settings_.setGaussSurface(s);
}

void SurfaceDrag::showCursor(std::optional<GaussHandle> handle) {
    surface_.setHandleCursor(handle ? std::optional(CursorOf(*handle, bool(dragged_)))
                                    : std::nullopt);
}

bool SurfaceDrag::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (!settings_.gaussOpen()) {  // closed meanwhile: nothing is held
        dragged_.reset();
        showCursor(std::nullopt);
        return false;
    }
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:  // a second press, on a handle taken anew
            if (mouse->button() != Qt::LeftButton) return false;
            dragged_ = handleAt(mouse->position());
            showCursor(dragged_);
            return bool(dragged_);
        case QEvent::MouseMove:
            if (dragged_) {
                dragTo(mouse->position());
                showCursor(dragged_);
            } else {
                showCursor(handleAt(mouse->position()));
            }
            return false;  // the pointer's read-out follows it all the same
        default:           // the release
            if (!dragged_ || mouse->button() != Qt::LeftButton) return false;
            dragTo(mouse->position());
            dragged_.reset();
            showCursor(handleAt(mouse->position()));
            return true;
    }
}
