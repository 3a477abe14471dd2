#include "fieldmap/colour_scale.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "fieldmap/row_workers.h"

// log2 of a positive normal double from its exponent and the first 12 bits of
// its mantissa: never decreasing in v, and within a 4000th of the true value,
// far below one colour step.
class FastLog2 {
public:
    FastLog2() {
        for (int i = 0; i < kEntries; ++i) table_[i] = std::log2(1 + (i + 0.5) / kEntries);
    }
    double operator()(double v) const {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        const int exponent = static_cast<int>((bits >> 52) & 0x7ff) - 1023;
        return exponent + table_[(bits >> 40) & (kEntries - 1)];
    }

private:
    static constexpr int kEntries = 4096;
    std::array<double, kEntries> table_{};
};

namespace {

// Viridis (Smith and van der Walt, matplotlib; CC0) in 64 equal steps and its end.
constexpr std::uint32_t kViridis[65] = {
    0x440154, 0x45065a, 0x460c5f, 0x471265, 0x47186a, 0x481d6f, 0x482273, 0x472777, 0x472c7b,
    0x46317e, 0x453681, 0x433b83, 0x424085, 0x404487, 0x3e4989, 0x3c4d8a, 0x3a528b, 0x38568b,
    0x365a8c, 0x345e8d, 0x32628d, 0x31668d, 0x2f6a8d, 0x2d6e8e, 0x2c728e, 0x2a768e, 0x287a8e,
    0x277d8e, 0x26818e, 0x24858d, 0x23898d, 0x218c8d, 0x20908c, 0x1f948b, 0x1e988a, 0x1e9b89,
    0x1e9f88, 0x1fa386, 0x21a784, 0x24aa82, 0x28ae7f, 0x2cb17d, 0x32b57a, 0x38b976, 0x3ebc73,
    0x45bf6f, 0x4dc26b, 0x55c666, 0x5ec961, 0x67cc5c, 0x70ce56, 0x79d151, 0x83d34b, 0x8dd644,
    0x97d83e, 0xa2da37, 0xaddc30, 0xb7dd29, 0xc2df22, 0xcde01d, 0xd7e219, 0xe1e318, 0xece41a,
    0xf6e61f, 0xfde725,
};

// The map lies under the drawing, whose frame, letters and lines are dark:
// viridis lightened this far towards white keeps them readable on its dark end
// (contrast with black above 5:1) and keeps its order of lightness.
constexpr double kTowardsWhite = 0.45;

std::uint32_t Channel(std::uint32_t colour, int shift) { return (colour >> shift) & 0xff; }

std::array<std::uint32_t, ColourScale::kSteps> Palette() {
    std::array<std::uint32_t, ColourScale::kSteps> palette{};
    for (int step = 0; step < ColourScale::kSteps; ++step) {
        const double at = 64.0 * step / (ColourScale::kSteps - 1);
        const int below = std::min(static_cast<int>(at), 63);
        const double t = at - below;
        std::uint32_t colour = 0xff000000;
        for (int shift : {16, 8, 0}) {
            const double c =
                Channel(kViridis[below], shift) * (1 - t) + Channel(kViridis[below + 1], shift) * t;
            const double lightened = c + kTowardsWhite * (255 - c);
            colour |= static_cast<std::uint32_t>(std::lround(lightened)) << shift;
        }
        palette[step] = colour;
    }
    return palette;
}

const std::array<std::uint32_t, ColourScale::kSteps>& ThePalette() {
    static const auto palette = Palette();
    return palette;
}

const FastLog2& TheFastLog2() {
    static const FastLog2 log2;
    return log2;
}

// |V| of the exact model at the pixel centres farthest from the charge and one
// pixel from it.
struct Ends {
    double weak;
    double strong;
};

// Points one pixel off the charge where it is strongest as the view shows it:
// off a bar's ends and middle, off a cross-bar's middle and end (a disk's
// centre, a ring's wire), outside a circle, or beside the axis (a segment seen end-on).
std::vector<WorldPoint> OnePixelOff(const FieldModel& model, double pixel) {
    const ChargeFigure figure = model.shape->figure(model.view);
    if (model.view == View::Profile)
        return {{0, (figure.circle ? figure.circle->radius : 0) + pixel}};
    std::vector<WorldPoint> points;
    if (figure.bar)
        points = {
            {model.shape->bisectorX(), pixel}, {figure.bar->from, pixel}, {figure.bar->to, pixel}};
    if (figure.crossBar)
        for (double y : {0.0, figure.crossBar->reach})
            points.push_back({figure.crossBar->at + pixel, y});
    return points;
}

Ends EndsOf(const FieldModel& model, const WorldWindow& area) {
    const FieldModel exact{std::fabs(model.lambda), 0, model.view, model.shape};
    double weak = INFINITY;
    for (int column : {0, area.columns - 1})
        for (int row : {0, area.rows - 1})
            weak = std::min(
                weak, exact.potentialAt({area.xAt(column), area.yAt(row)}).value_or(INFINITY));
    double strong = 0;
    for (WorldPoint p : OnePixelOff(model, area.height / area.rows))
        strong = std::max(strong, exact.potentialAt(p).value_or(0));
    return {weak, std::max(strong, weak * 2)};
}

}  // namespace

ColourScale::ColourScale(const FieldModel& model, const WorldWindow& area,
                         std::uint32_t noValueColour)
    : sign_(model.lambda < 0 ? -1 : 1), noValue_(noValueColour) {
    const Ends ends = EndsOf(model, area);
    lowLog2_ = std::log2(ends.weak);
    log2Span_ = std::log2(ends.strong) - lowLog2_;
    // step = kSteps·t, t = (log2 |V| − lowLog2) / log2Span rising with V.
    stepsPerLog2_ = sign_ * kSteps / log2Span_;
    stepAtLog2Zero_ = sign_ > 0 ? -stepsPerLog2_ * lowLog2_ : kSteps - stepsPerLog2_ * lowLog2_;
}

int ColourScale::stepOf(double volts) const { return stepWith(TheFastLog2(), volts); }

int ColourScale::stepWith(const FastLog2& log2, double volts) const {
    if (std::isnan(volts)) return -1;
    if (volts * sign_ <= 0) return sign_ > 0 ? 0 : kSteps - 1;  // the wrong sign: the weak end
    const double step = stepsPerLog2_ * log2(std::fabs(volts)) + stepAtLog2Zero_;
    return static_cast<int>(std::clamp(step, 0.0, kSteps - 1.0));
}

std::uint32_t ColourScale::colourOf(double volts) const {
    const int step = stepOf(volts);
    return step < 0 ? noValue_ : ThePalette()[step];
}

std::vector<ColourTick> ColourScale::ticks() const {
    std::vector<ColourTick> ticks;
    const double low = std::exp2(lowLog2_), high = std::exp2(lowLog2_ + log2Span_);
    for (double decade = std::pow(10, std::floor(std::log10(low))); decade <= high; decade *= 10)
        for (double mantissa : {1, 2, 5}) {
            const double magnitude = mantissa * decade;
            if (magnitude < low || magnitude > high) continue;
            const double t = (std::log2(magnitude) - lowLog2_) / log2Span_;
            ticks.push_back({sign_ * magnitude, sign_ > 0 ? t : 1 - t});
        }
    std::sort(ticks.begin(), ticks.end(),
              [](const ColourTick& a, const ColourTick& b) { return a.volts < b.volts; });
    return ticks;
}

void ColourScale::paint(const PotentialMap& map, std::uint32_t* pixels,
                        std::size_t pixelsPerLine) const {
    const auto& palette = ThePalette();
    const FastLog2& log2 = TheFastLog2();
    ShareRowsAmongCores(map.rows, [&](int row) {
        const double* volts = &map.volts[std::size_t(row) * map.columns];
        std::uint32_t* line = pixels + row * pixelsPerLine;
        for (int column = 0; column < map.columns; ++column) {
            const int step = stepWith(log2, volts[column]);
            line[column] = step < 0 ? noValue_ : palette[step];
        }
    });
}
