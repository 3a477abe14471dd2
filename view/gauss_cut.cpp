#include "view/gauss_cut.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "view/pixel_index.h"

namespace {

// Every figure here is a set of whole device pixels, those whose centres
// fall inside it, so that its strokes are crisp at every pixel ratio.
class Pixels {
public:
    explicit Pixels(QImage& image) : image_(image) {}

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // The rows whose centres lie in [from, to), clipped to the image.
    std::pair<int, int> rows(double from, double to) const { return range(from, to, height()); }

    // The pixels of row j whose centres lie in [from, to), each given to
    // paint with its column, its row and its colour, for its new colour.
    template <typename Paint>
    void span(int j, double from, double to, Paint paint) {
        const auto [first, end] = range(from, to, width());
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(j));
        for (int i = first; i < end; ++i) line[i] = paint(i, j, line[i]);
    }

private:
    // The indices k in [0, count) with from ≤ k + 0.5 < to, as [first, end).
    static std::pair<int, int> range(double from, double to, int count) {
        const auto index = [count](double v) {
            return static_cast<int>(std::clamp(std::ceil(v - 0.5), 0.0, double(count)));
        };
        if (!(from < to)) return {0, 0};  // NaN included
        return {index(from), index(to)};
    }

    QImage& image_;
};

// The pixels whose centres lie at a distance in [inner, outer) of (cx, cy),
// each given to paint; inner ≤ 0 for a whole disc.
template <typename Paint>
void Annulus(Pixels& pixels, double cx, double cy, double inner, double outer, Paint paint) {
    const auto [first, end] = pixels.rows(cy - outer, cy + outer);
    for (int j = first; j < end; ++j) {
        const double dy = j + 0.5 - cy, far2 = outer * outer - dy * dy;
        if (far2 <= 0) continue;
        const double far = std::sqrt(far2), near2 = inner * inner - dy * dy;
        if (inner <= 0 || near2 <= 0) {
            pixels.span(j, cx - far, cx + far, paint);
            continue;
        }
        const double near = std::sqrt(near2);
        pixels.span(j, cx - far, cx - near, paint);
        pixels.span(j, cx + near, cx + far, paint);
    }
}

// The pixels whose centres lie in the box [left, right) × [top, bottom) and
// not in the one inside it by `width` on every side: its outline.
template <typename Paint>
void Outline(Pixels& pixels, double left, double top, double right, double bottom, double width,
             Paint paint) {
    const auto [first, end] = pixels.rows(top, bottom);
    for (int j = first; j < end; ++j) {
        const double y = j + 0.5;
        if (y < top + width || y >= bottom - width || right - left <= 2 * width) {
            pixels.span(j, left, right, paint);
        } else {
            pixels.span(j, left, left + width, paint);
            pixels.span(j, right - width, right, paint);
        }
    }
}

QRgb Blend(QRgb under, QRgb over, double alpha) {
    const auto mix = [alpha](int a, int b) { return int(std::lround(a + (b - a) * alpha)); };
    return qRgb(mix(qRed(under), qRed(over)), mix(qGreen(under), qGreen(over)),
                mix(qBlue(under), qBlue(over)));
}

// How strongly the disc the surface covers is shaded.
constexpr double kShade = 0.25;
// The dashes of that disc's outline, logical pixels along it.
constexpr double kDash = 5, kDashPeriod = 8;

// The cut of the profile view's plane: its radius round the axis, or none.
double ProfileCut(const GaussSurface& s, double bisectorX) {
    const double off = std::fabs(bisectorX - s.centre);
    if (s.kind == SurfaceKind::Sphere)
        return off < s.radius ? std::sqrt(s.radius * s.radius - off * off) : NAN;
    return off <= s.length / 2 ? s.radius : NAN;
}

}  // namespace

std::vector<GaussHandlePoint> GaussHandles(const GaussSurface& s, bool front) {
    if (!front) return {{GaussHandle::Size, {0, s.radius}}};
    std::vector<GaussHandlePoint> handles{{GaussHandle::Size, {s.centre, s.radius}}};
    if (s.kind == SurfaceKind::Cylinder)
        handles.push_back({GaussHandle::Length, {s.centre + s.length / 2, s.radius / 2}});
    handles.push_back({GaussHandle::Centre, {s.centre, s.radius / 2}});
    return handles;
}

void PaintGaussCut(QImage& underlay, const GaussSurface& s, bool front, double bisectorX,
                   const WorldWindow& world, double pixelRatio) {
    Pixels pixels(underlay);
    const double width = std::max(1.0, std::round(2 * pixelRatio)), half = width / 2;
    const double scale = world.pixelsPerMetre(), radius = s.radius * scale;
    const auto stroke = [](int, int, QRgb) { return kGaussColour; };
    if (front) {
        const double cx = world.toPixelX(s.centre), cy = world.toPixelY(0);
        if (s.kind == SurfaceKind::Sphere) {
            Annulus(pixels, cx, cy, radius - half, radius + half, stroke);
        } else {
            const double left = world.toPixelX(s.centre - s.length / 2);
            const double right = world.toPixelX(s.centre + s.length / 2);
            Outline(pixels, left - half, cy - radius - half, right + half, cy + radius + half,
                    width, stroke);
        }
    } else {
        const double cx = world.toPixelX(0), cy = world.toPixelY(0);
        const double cut = ProfileCut(s, bisectorX) * scale;  // NaN where the plane misses it
        const auto shade = [](int, int, QRgb under) { return Blend(under, kGaussColour, kShade); };
        if (!(cut >= radius)) Annulus(pixels, cx, cy, std::isnan(cut) ? 0 : cut, radius, shade);
        const double dash = kDash * pixelRatio, period = kDashPeriod * pixelRatio;
        const auto dashed = [&](int i, int j, QRgb under) {
            const double along = std::atan2(cy - j - 0.5, i + 0.5 - cx) * radius;
            return along - period * std::floor(along / period) < dash ? kGaussColour : under;
        };
        if (!(cut >= radius)) Annulus(pixels, cx, cy, radius - half, radius + half, dashed);
        if (!std::isnan(cut)) Annulus(pixels, cx, cy, cut - half, cut + half, stroke);
    }
    const int side = static_cast<int>(std::lround(kGaussHandleHalf * pixelRatio));
    const int rim = static_cast<int>(width);
    for (const GaussHandlePoint& h : GaussHandles(s, front)) {
        const double px = world.toPixelX(h.at.x), py = world.toPixelY(h.at.y);
        if (!(std::fabs(px) < 1e7 && std::fabs(py) < 1e7)) continue;  // far out of sight
        const double x = double(PixelIndex(px)), y = double(PixelIndex(py));
        const auto square = [&](int inset, QRgb colour) {
            const double from = side - inset;
            const auto [first, end] = pixels.rows(y - from, y + from + 1);
            for (int j = first; j < end; ++j)
                pixels.span(j, x - from, x + from + 1, [colour](int, int, QRgb) { return colour; });
        };
        square(0, kGaussColour);
        square(rim, qRgb(255, 255, 255));
    }
}
