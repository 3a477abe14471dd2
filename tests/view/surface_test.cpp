#include "view/drawing_surface.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "view/field_arrow.h"
#include "view/frames.h"
#include "view/gauss_cut.h"
#include "view/pixel_index.h"
#include "view/raster.h"
#include "view/readout_text.h"

namespace {

using Pixel = std::pair<int, int>;
constexpr int kSide = 500;
const QRgb kGrey = qRgb(200, 200, 200), kBarGrey = qRgb(180, 180, 180), kBlack = qRgb(0, 0, 0);
const QRgb kCyan = qRgb(50, 250, 250), kRed = qRgb(200, 50, 50);
const QRgb kCyanOnGrey = qRgb(250, 50, 50);  // the XOR pen's colour on the background

// The pixels a line or a circle paints on a 100 × 100 image.
template <typename Raster, typename... Figure>
std::multiset<Pixel> Painted(Raster raster, Figure... figure) {
    std::multiset<Pixel> pixels;
    raster(figure..., 100, 100, [&](int x, int y) { pixels.insert({x, y}); });
    return pixels;
}
auto Line(double x0, double y0, double x1, double y1) {
    return Painted(RasterLine, x0, y0, x1, y1);
}
auto Circle(double cx, double cy, double r) { return Painted(RasterCircle, cx, cy, r); }

// Lines paint their start pixel but not their end, so continued strokes
// paint each vertex once; far points are clipped; circles stay in the image.
// Figures that span many decades: six significant digits written out from
// 0.001 to below a million, else as a power of ten with a superscript
// exponent; rounding that reaches the next decade takes its exponent.
TEST(ReadoutText, DecadesWrittenOutOrAsAPowerOfTen) {
    const struct {
        double value;
        int digits;
        const char* shown;  // with a point for the user's separator
    } rows[] = {{113097.33552923, 6, "113097"},
                {0.0125, 6, "0.0125"},
                {0.001, 6, "0.001"},
                {0.00099, 6, "9.9·10⁻⁴"},
                {1.5e-9, 2, "1.5·10⁻⁹"},
                {999999.7, 6, "1·10⁶"},
                {-2.25e7, 6, "-2.25·10⁷"},
                {123456789012.0, 6, "1.23457·10¹¹"},
                {0, 6, "0"},
                {INFINITY, 6, "∞"},
                {-INFINITY, 6, "-∞"},
                {150, 2, "150"},
                {0.4000000000000001, 10, "0.4"}};
    for (const auto& row : rows) {
        const QString shown = QString::fromUtf8(row.shown).replace('.', QLocale().decimalPoint());
        EXPECT_EQ(DecadesText(row.value, row.digits), shown) << row.value;
    }
}

TEST(Raster, LinesAndCircles) {
    const auto pixels = Line(10.5, 10.5, 20.5, 14.2);
    EXPECT_EQ(pixels.count({10, 10}) + pixels.count({20, 14}) + pixels.size(), 11u);
    EXPECT_EQ(Line(50.5, 50.5, 1e300, 50.5).size(), 50u);
    EXPECT_TRUE(Line(NAN, 5, 5, 5).empty());
    const auto diagonal = Line(-1e6, -1e6 + 50.5, 1e6, 1e6 + 50.5);  // clipped at both ends
    EXPECT_GE(diagonal.size(), 49u);
    for (const auto& [x, y] : diagonal) EXPECT_NEAR(y, x + 50, 1);
    for (const auto& [x, y] : Line(99.5, 0.5, 100.9, 99.5)) EXPECT_LT(x, 100) << y;  // the edge
    EXPECT_EQ(Line(0.5, 0.5, 0.5, 99.5).size() + Line(0.5, 0.5, 99.5, 0.5).size(), 198u);
    EXPECT_EQ(Circle(0.5, 0.5, 20).count({0, 20}) + Circle(0.5, 0.5, 20).count({20, 0}), 2u);
    for (const auto& [x, y] : Circle(99.5, 99.5, 30))  // cut by the image's edges
        EXPECT_TRUE(x >= 0 && x < 100 && y >= 0 && y < 100) << x << ", " << y;
    // No ring, or one too large to walk.
    const double noRing[][3] = {
        {NAN, 5, 3}, {5, NAN, 3}, {5, 5, NAN}, {5, 5, -1}, {49.5 - 1e6, 50.5, 1e6 + 1}};
    for (auto [cx, cy, r] : noRing) EXPECT_TRUE(Circle(cx, cy, r).empty()) << cx << cy << r;
    EXPECT_EQ(Circle(50.5 - 1e6, 50.5, 1e6).size(), 100u);  // the largest walked: a pixel a row
    EXPECT_EQ(Circle(7.5, 9.5, 0), (std::multiset<Pixel>{{7, 9}}));
    const auto ring = Circle(50.5, 50.5, 20);
    for (const auto& [x, y] : ring) {  // once each, at the radius, in all eight octants
        EXPECT_EQ(ring.count({x, y}), 1u);
        EXPECT_NEAR(std::hypot(x - 50, y - 50), 20, 0.75);
        EXPECT_EQ(ring.count({100 - x, y}) * ring.count({y, x}), 1u) << x << ", " << y;
    }
}

class Surface : public ::testing::Test {
protected:
    Surface() : surface(kSide) {
        surface.setBackground(kGrey);
        surface.clear();
        surface.show();
    }
    QPoint pixelOf(double x, double y) const {
        const WorldWindow& w = surface.world();
        return {int(PixelIndex(w.toPixelX(x))), int(PixelIndex(w.toPixelY(y)))};
    }
    QRgb at(double x, double y) const { return surface.image().pixel(pixelOf(x, y)); }
    QRgb atPixel(QPoint p) const { return surface.image().pixel(p); }
    void frontFrame(double z, int n, bool exact) {
        surface.setWorldScale(z);
        DrawFrontFrameFigure(surface, {z, n, exact, kBarGrey, kRed, &UniformSegment()});
    }
    // The pixels of what the frame draws besides the axes: the letter "Y",
    // the horizontal axis's letter and the segment's outline.
    std::vector<QRect> figurePixels(double z, const ChargeDistribution& shape = UniformSegment(),
                                    bool front = true) const {
        std::vector<QRect> boxes;
        for (const QRectF& box : FrameFigureBoxes(surface.world(), surface.font(),
                                                  surface.devicePixelRatioF(), z, front, shape))
            boxes.emplace_back(QPoint(int(PixelIndex(box.left())), int(PixelIndex(box.top()))),
                               QPoint(int(PixelIndex(box.right())), int(PixelIndex(box.bottom()))));
        return boxes;
    }
    DrawingSurface surface;
};

// The arrow at every zoom and for both signs of each component: the shaft
// from the point 6e-6/z³ m per V/m, the barbs 2h behind the tip and h to each
// side, h = 0.01/z; drawing it again restores every pixel.
TEST_F(Surface, ArrowAtEveryZoomAndDirection) {
    const std::pair<double, double> fields[] = {{20000, 0},  {-20000, 0},    {0, 15000},
                                                {0, -15000}, {-9000, 12000}, {0, 0}};
    for (double z : {1.0, 0.5, 0.25, 0.1}) {
        frontFrame(z, 5, false);
        surface.setPen(DrawingSurface::Pen::Copy);
        surface.fillPixels(surface.pixelBox(-1, 12, 12, 0.1),
                           kGrey);  // a plain background above the axis
        const QImage before = surface.image().copy();
        for (auto [fx, fy] : fields) {
            const double ex = fx * z * z, ey = fy * z * z;  // the same length on screen
            for (bool shaft : {true, false}) {
                const double baseX = 0.3 / z, baseY = 0.5 / z, scale = 6e-6 / (z * z * z);
                const double tipX = baseX + (shaft ? scale * ex : 0);
                const double tipY = baseY + (shaft ? scale * ey : 0);
                const double length = std::hypot(ex, ey);
                const double ux = length > 0 ? ex / length : 0;
                const double uy = length > 0 ? ey / length : -1;  // no field: pointing down
                const double h = 0.01 / z, backX = tipX - 2 * h * ux, backY = tipY - 2 * h * uy;
                const ArrowPlacement place{baseX, baseY, z, shaft};
                DrawFieldArrow(surface, place, *Currency::fromDouble(ex), *Currency::fromDouble(ey),
                               kCyan);
                SCOPED_TRACE(testing::Message() << z << " " << ex << " " << ey << " " << shaft);
                EXPECT_EQ(at(backX + h * uy, backY - h * ux), kCyanOnGrey);
                EXPECT_EQ(at(backX - h * uy, backY + h * ux), kCyanOnGrey);
                const double midX = (baseX + backX) / 2, midY = (baseY + backY) / 2;
                EXPECT_TRUE(length == 0 || (at(midX, midY) == kCyanOnGrey) == shaft);
                EXPECT_EQ(surface.pen(), DrawingSurface::Pen::Copy);
                DrawFieldArrow(surface, place, *Currency::fromDouble(ex), *Currency::fromDouble(ey),
                               kCyan);
                ASSERT_EQ(surface.image(), before);
            }
        }
    }
    DrawFieldArrow(surface, {0.2, 0.5, 1, true}, *Currency::fromDouble(1e14), Currency(), kCyan);
    EXPECT_EQ(at(1.05, 0.5), kCyanOnGrey);  // 10^9 m long: clipped, not overflowing
}

int DarkPixels(const QImage& image, QRect box) {
    int dark = 0;
    for (int py = box.top(); py <= box.bottom(); ++py)
        for (int px = box.left(); px <= box.right(); ++px) dark += qGray(image.pixel(px, py)) < 100;
    return dark;
}

// At every zoom and scale: the outline shows on all four sides around the
// bar, the bar has the same thickness in pixels, the element strokes cross
// it, and the letters and rings keep their place and size on screen.
TEST_F(Surface, ScaledFramesAtEveryZoom) {
    std::set<std::vector<QRgb>> columns;
    std::set<Pixel> origins;
    for (double z : {1.0, 0.5, 0.25, 0.1}) {
        for (auto [n, strokes] : {std::pair{5, 6}, {10, 11}, {20, 21}, {50, 51}}) {
            frontFrame(z, n, n == 50);
            const QRgb bar = n == 50 ? kRed : kBarGrey;
            const QRect outline = figurePixels(z)[2];
            for (int px = outline.left(); px <= outline.right(); ++px) {
                ASSERT_EQ(surface.image().pixel(px, outline.top()), kBlack) << z;
                ASSERT_EQ(surface.image().pixel(px, outline.bottom()), kBlack) << z;
            }
            // Rows just inside the outline, above and below the axis: the
            // outline's ends, the bar, and the element strokes across it.
            for (int row : {outline.top() + 1, outline.bottom() - 1}) {
                EXPECT_EQ(atPixel({outline.left(), row}), kBlack) << z << " " << n;
                EXPECT_EQ(atPixel({outline.right(), row}), kBlack) << z << " " << n;
                EXPECT_EQ(atPixel({outline.left() + 1, row}), bar) << z;
                int runs = 0;
                for (int px = outline.left() - 2; px <= outline.right() + 2; ++px)
                    runs += atPixel({px, row}) == kBlack && atPixel({px - 1, row}) != kBlack;
                EXPECT_EQ(runs, n == 50 ? 2 : strokes) << z << " " << n;
            }
            const QPoint midElement(pixelOf(n == 50 ? 0.5 : 0.5 / n, 0).x(), outline.top());
            std::vector<QRgb> column;
            for (int k = 0; k < outline.height(); ++k)
                column.push_back(atPixel(midElement + QPoint(0, k)));
            columns.insert(column);
        }
        for (auto [x, y] : {std::pair{0.0, 1.09}, {0.0, -0.09}, {-0.09, 0.0}, {1.09, 0.0}})
            EXPECT_EQ(at(x / z, y / z), kBlack) << "axes reach the edges at " << z;
        origins.insert({pixelOf(0, 0).x(), pixelOf(0, 0).y()});
        const QRect y = figurePixels(z)[0], x = figurePixels(z)[1];
        const QImage front = surface.image().copy();
        for (QRect letter : {x, y}) EXPECT_GT(DarkPixels(front, letter), 3);
        surface.setWorldScale(z);
        DrawProfileFrameFigure(surface, z, kRed, UniformSegment());
        EXPECT_NE(surface.image().copy(x), front.copy(x));  // "Z" where "X" was
        EXPECT_EQ(surface.image().copy(y), front.copy(y));
        for (double radius : {0.01, 0.005, 0.002}) {
            const int r = int(std::lround(radius / z * surface.world().pixelsPerMetre()));
            EXPECT_EQ(atPixel(pixelOf(0, 0) + QPoint(r, 0)), kRed) << z << " " << radius;
            EXPECT_EQ(atPixel(pixelOf(0, 0) - QPoint(0, r)), kRed) << z << " " << radius;
        }
    }
    EXPECT_EQ(columns.size(), 2u);  // one bar, grey or red, at every zoom
    EXPECT_EQ(origins.size(), 1u);
}

// The colours along a line of pixels, one letter a run: K black, g the
// elements' grey, r the charge's red, . the background, ? anything else.
std::string Runs(const QImage& image, QPoint from, QPoint step, int count) {
    std::string runs;
    for (QPoint p = from; count-- > 0; p += step) {
        const QRgb c = image.pixel(p);
        const char letter = c == kBlack     ? 'K'
                            : c == kBarGrey ? 'g'
                            : c == kRed     ? 'r'
                            : c == kGrey    ? '.'
                                            : '?';
        if (runs.empty() || runs.back() != letter) runs += letter;
    }
    return runs;
}

// The ring and the disk at every zoom: in front, their cut across the axis
// at x = 0.5 m, |y| < 0.5 m, inside an outline of the segment's width on
// screen, crossed where the elements lie; down its upper half (the half the
// view shows at every zoom): the disk's five rings at their borders 0.5,
// 0.4, ... 0.1 m, its cut filled; the ring's wire a line, crossed at its
// charges, for five at 0.5 m (on the outline) and 0.5·cos 72° = 0.1545 m,
// for ten also at 0.5·cos 36° = 0.4045 m. In profile, 0.15 m above the
// axis: the ring's wire a red band between two outlines at 0.5 m from the
// centre, the disk red out to its outline.
TEST_F(Surface, ScaledFramesOfTheRingAndTheDisk) {
    struct Case {
        const ChargeDistribution* shape;
        int n;
        bool exact;
        const char *alongTheCut, *acrossIt, *profile;
    } cases[] = {
        {&Ring(), 5, false, "K.K.", "K.g.K", ".KrK."},
        {&Ring(), 10, false, "K.K.K.", "K.g.K", ".KrK."},
        {&Ring(), 10, true, "K.", "K.r.K", ".KrK."},  // the integral: no charges marked
        {&Disk(), 5, false, "KgKgKgKgKg", "KgK", "rK."},
        {&Disk(), 5, true, "Kr", "KrK", "rK."},  // the strokes under the red
    };
    for (double z : {1.0, 0.5, 0.25, 0.1})
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << z << " " << c.shape->words().name << " " << c.n);
            surface.setWorldScale(z);
            DrawFrontFrameFigure(surface, {z, c.n, c.exact, kBarGrey, kRed, c.shape});
            const QRect cut = figurePixels(z, *c.shape)[2];
            EXPECT_EQ(cut.top(), pixelOf(0, 0.5).y());
            EXPECT_EQ(Runs(surface.image(), {pixelOf(0.5, 0).x() + 1, cut.top()}, {0, 1},
                           pixelOf(0, 0).y() - cut.top()),
                      c.alongTheCut);
            EXPECT_EQ(
                Runs(surface.image(), {cut.left(), pixelOf(0, 0.35).y()}, {1, 0}, cut.width()),
                c.acrossIt);
            surface.setWorldScale(z);
            DrawProfileFrameFigure(surface, z, kRed, *c.shape);
            const QRect round = figurePixels(z, *c.shape, false)[2];
            const QPoint centre = pixelOf(0, 0);
            EXPECT_EQ(Runs(surface.image(), {centre.x() + 1, pixelOf(0, 0.15).y()}, {1, 0},
                           round.right() + 4 - centre.x()),
                      c.profile);
        }
}

// The marker's ring, painted over the image in device pixels: round, closed,
// and centred on the pixel where an arrow from the same point starts.
TEST_F(Surface, ScaledMarkerIsRoundClosedAndWhereTheArrowStarts) {
    for (double z : {1.0, 0.1}) {
        surface.setWorldScale(z);
        for (int k = 0; k < 40; ++k) {
            surface.clear();
            const WorldWindow& w = surface.world();
            // A clicked point lies on the corner of a pointer pixel.
            const double x = w.left + w.width * (37 + 7 * k) / kSide;
            const double y = w.top - w.height * (29 + 11 * k) / kSide;
            surface.setMarkerLeft(x - surface.markerWidth() / 2);
            surface.setMarkerTop(y + surface.markerWidth() / 2);
            DrawFieldArrow(surface, {x, y, z, true}, *Currency::fromDouble(9000), Currency(),
                           kCyan);
            ASSERT_EQ(atPixel(surface.markerPixel()), kCyanOnGrey) << z << " " << k;
            ASSERT_EQ(atPixel(surface.markerPixel() - QPoint(1, 0)), kGrey) << z << " " << k;
            const QPointF shape = QRectF(surface.marker()->geometry()).center();
            const QPointF ring =
                (QPointF(surface.markerPixel()) + QPointF(0.5, 0.5)) / surface.devicePixelRatioF();
            ASSERT_LE((shape - ring).manhattanLength(), 1.0);
        }
    }
    const QImage screen = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::set<Pixel> ring;
    for (int py = 0; py < screen.height(); ++py)
        for (int px = 0; px < screen.width(); ++px)
            if (screen.pixel(px, py) != surface.image().pixel(px, py)) ring.insert({px, py});
    const QPoint c = surface.markerPixel();
    ASSERT_FALSE(ring.empty());
    for (auto [px, py] : ring) {  // symmetric in both axes and the diagonal
        const int dx = px - c.x(), dy = py - c.y();
        EXPECT_TRUE(ring.count({c.x() - dx, py}) && ring.count({px, c.y() - dy}) &&
                    ring.count({c.x() + dy, c.y() + dx}));
        EXPECT_LE(std::abs(std::hypot(dx, dy) - 2 * surface.devicePixelRatioF()), 1.0);
    }
    // Closed: from the centre, no step to a neighbour escapes the ring.
    std::set<Pixel> inside{{c.x(), c.y()}}, todo{{c.x(), c.y()}};
    while (!todo.empty() && inside.size() < 100) {
        const auto [px, py] = *todo.begin();
        todo.erase(todo.begin());
        for (Pixel next : {Pixel{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}})
            if (!ring.count(next) && inside.insert(next).second) todo.insert(next);
    }
    EXPECT_LT(inside.size(), 100u);
}

// What the screen shows is the retained image, also after a repaint of an
// odd part of the surface on a screen with a fractional scale.
TEST_F(Surface, ScaledRepaintShowsTheImage) {
    frontFrame(1, 5, false);
    surface.setPen(DrawingSurface::Pen::Xor);
    for (int k = 0; k < 30; ++k) surface.drawSegment(-0.1, 0.01 * k, 1.1, 1.1 - 0.03 * k, kCyan);
    surface.setMarkerVisible(false);
    for (QRect part : {QRect(7, 13, 101, 57), QRect(33, 1, 3, 211), QRect(0, 0, kSide, kSide)}) {
        QImage screen(surface.image().size(), QImage::Format_RGB32);
        screen.setDevicePixelRatio(surface.devicePixelRatioF());
        screen.fill(Qt::white);
        surface.render(&screen, part.topLeft(), QRegion(part));
        const QRectF device(QPointF(part.topLeft()) * surface.devicePixelRatioF(),
                            QSizeF(part.size()) * surface.devicePixelRatioF());
        const QRect inner = device.toAlignedRect().adjusted(1, 1, -1, -1);
        EXPECT_EQ(screen.copy(inner), surface.image().copy(inner)) << part.x();
    }
}

}  // namespace

namespace {

// The colours a painted Gauss cut may leave: the background, its stroke, the
// handles' white middles, and in the profile view its shade: the background
// a quarter of the way to the orange (235, 120, 0), (200 + 35/4, 200 − 80/4,
// 200 − 200/4) rounded.
const QRgb kWhite = qRgb(255, 255, 255), kShaded = qRgb(209, 180, 150);

struct CutCase {
    const char* name;
    bool front;
    GaussSurface surface;
    double zoom;
    std::vector<WorldPoint> stroke, shaded, untouched;  // points on them, world metres
    double strokeRow;     // a row crossing the cylinder's two sides once each, or NaN
    WorldPoint handle;    // the size handle's point, white in its middle; NaN off the image
    double dashedRadius;  // the profile view's dashed outline round the axis, or 0
};

}  // namespace

// The cut is where hand-worked geometry puts it, at pixel ratios 1, 1.5 and
// 2: whole device pixels of its colours alone (no antialiasing), a stroke as
// wide as 2 logical pixels, the size handle white in its middle, the profile
// view's disc shaded outside the cut, or whole where the plane misses the
// surface, and its outline dashed; figures reaching far off the image are
// clipped. The segment's profile plane is x = 0.5.
TEST(GaussCut, StrokesWhereTheGeometryPutsThem) {
    const double r60 = 0.8 * std::sqrt(3.0) / 2, d = 0.4 / std::sqrt(2.0);
    const CutCase cases[] = {
        // Sphere round (0.5, 0): at 60° from the axis, (0.5 ± 0.4, 0.8·sin 60°).
        {"front sphere",
         true,
         {SurfaceKind::Sphere, 0.5, 0.8, 1},
         1,
         {{0.9, r60}, {0.1, r60}},
         {},
         {{0.5, 0.6}, {1.0, 1.0}},
         NAN,
         {0.5, 0.8},
         0},
        // The rectangle [0.1, 0.9] × [−0.3, 0.3]; the row y = 0.05 crosses its
        // sides, below the handles at half the radius above the axis.
        {"front cylinder",
         true,
         {SurfaceKind::Cylinder, 0.5, 0.3, 0.8},
         1,
         {{0.3, 0.3}, {0.1, 0.2}, {0.9, -0.05}},
         {},
         {{0.5, 0.05}, {0.5, 0.5}, {0.95, 0.05}},
         0.05,
         {0.5, 0.3},
         0},
        // 10 m round (−10, 0) at zoom 10 %: at y = 2 it passes x = −10 + √96.
        {"front sphere far off",
         true,
         {SurfaceKind::Sphere, -10, 10, 1},
         0.1,
         {{-10 + std::sqrt(96.0), 2}},
         {},
         {{-0.9, 1}, {5, 5}},
         NAN,
         {NAN, NAN},
         0},
        // A sphere of 0.5 round x = 0.2 meets the plane x = 0.5 in a circle of
        // √(0.25 − 0.09) = 0.4: stroked at 0.4, shaded at 0.45, dashed at 0.5.
        {"profile sphere cut",
         false,
         {SurfaceKind::Sphere, 0.2, 0.5, 1},
         1,
         {{d, d}},
         {{0.45 / std::sqrt(2.0), 0.45 / std::sqrt(2.0)}},
         {{0.6 / std::sqrt(2.0), 0.6 / std::sqrt(2.0)}},
         NAN,
         {0, 0.5},
         0.5},
        // A cylinder over [1.5, 2.5] misses the plane: the whole disc of 0.5 shaded.
        {"profile cylinder missed",
         false,
         {SurfaceKind::Cylinder, 2, 0.5, 1},
         1,
         {},
         {{0.2, 0.2}, {d, d}},
         {{0.45, 0.45}},
         NAN,
         {0, 0.5},
         0.5},
        // One over [0, 1] meets it in its own radius: a stroke, nothing shaded.
        {"profile cylinder cut",
         false,
         {SurfaceKind::Cylinder, 0.5, 0.5, 1},
         1,
         {{0.3, 0.4}, {0.5, 0}},
         {},
         {{0.2, 0.2}, {0.45, 0.45}},
         NAN,
         {0, 0.5},
         0},
    };
    for (double ratio : {1.0, 1.5, 2.0})
        for (const CutCase& c : cases) {
            const std::string name = std::string(c.name) + " at " + std::to_string(ratio);
            const int side = int(kSide * ratio);
            QImage image(side, side, QImage::Format_RGB32);
            image.fill(kGrey);
            const WorldWindow world = WorldWindow::forZoom(c.zoom, side, side);
            PaintGaussCut(image, c.surface, c.front, 0.5, world, ratio);
            const auto pixel = [&](WorldPoint p) {
                return QPoint(int(PixelIndex(world.toPixelX(p.x))),
                              int(PixelIndex(world.toPixelY(p.y))));
            };
            const auto near = [&](WorldPoint p, QRgb colour) {  // within a device pixel
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (image.pixel(pixel(p) + QPoint(dx, dy)) == colour) return true;
                return false;
            };
            for (WorldPoint p : c.stroke) EXPECT_TRUE(near(p, kGaussColour)) << name << p.x;
            for (WorldPoint p : c.shaded) EXPECT_EQ(image.pixel(pixel(p)), kShaded) << name << p.x;
            for (WorldPoint p : c.untouched) EXPECT_EQ(image.pixel(pixel(p)), kGrey) << name << p.x;
            std::set<QRgb> colours;
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) colours.insert(image.pixel(x, y));
            const std::set<QRgb> allowed{kGrey, kGaussColour, kWhite, kShaded};
            for (QRgb colour : colours) EXPECT_TRUE(allowed.count(colour)) << name << colour;
            const int width = int(std::lround(2 * ratio));
            if (!std::isnan(c.strokeRow)) {
                const int row = pixel({0, c.strokeRow}).y();
                int stroked = 0;
                for (int x = 0; x < side; ++x) stroked += image.pixel(x, row) == kGaussColour;
                EXPECT_EQ(stroked, 2 * width) << name;
            }
            const int reach = int(std::lround(kGaussHandleHalf * ratio));
            if (!std::isnan(c.handle.x)) {  // a square of the stroke's colour, white inside
                EXPECT_EQ(image.pixel(pixel(c.handle)), kWhite) << name;
                EXPECT_EQ(image.pixel(pixel(c.handle) + QPoint(reach, -reach)), kGaussColour)
                    << name;
            }
            if (c.dashedRadius > 0) {  // dashes 5 of every 8 logical pixels along it
                int on = 0, count = 0;
                for (double a = 0.2; a < 1.4; a += 0.002, ++count)
                    on += image.pixel(pixel({c.dashedRadius * std::cos(a),
                                             c.dashedRadius * std::sin(a)})) == kGaussColour;
                EXPECT_NEAR(double(on) / count, 5.0 / 8, 0.1) << name;
            }
        }
}
