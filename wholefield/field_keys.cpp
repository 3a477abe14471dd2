#include "wholefield/field_keys.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "view/readout_text.h"

namespace {

constexpr int kBarHeight = 12;  // logical pixels
constexpr int kTickLength = 4;
constexpr int kGap = 6;         // between captions, labels and rows
constexpr int kBarSteps = 200;  // colours along the bar

// The colours of the bar from its lowest position to its highest. The scale
// is linear in log |V|, so two of its ticks give the potential at any position.
std::vector<std::uint32_t> BarColours(const ColourScale& scale,
                                      const std::vector<ColourTick>& ticks) {
    if (ticks.size() < 2) return {};
    const ColourTick low = ticks.front(), high = ticks.back();
    std::vector<std::uint32_t> colours(kBarSteps);
    for (int i = 0; i < kBarSteps; ++i) {
        const double t = ((i + 0.5) / kBarSteps - low.position) / (high.position - low.position);
        colours[i] = scale.colourOf(low.volts * std::pow(high.volts / low.volts, t));
    }
    return colours;
}

QString VoltsText(double volts) { return SignificantText(volts, 12); }

bool IsPowerOfTen(double value) {
    const double exponent = std::log10(std::fabs(value));
    return std::fabs(exponent - std::round(exponent)) < 1e-9;
}

const char* const kVoltsCaption = "V (V)";
const char* const kFieldCaption = "|E| (V/m)";

}  // namespace

// Greys, so that the grid never looks like the field arrow, which is red.
QColor GridShade(int shade) {
    const int grey = 215 - 45 * shade;
    return QColor(grey, grey, grey);
}
QColor GridEdge() { return QColor(50, 50, 50); }

FieldKeys::FieldKeys(int width, QWidget* parent) : QWidget(parent) {
    setObjectName("fieldKeys");
    setFixedWidth(width);
    hide();
}

int FieldKeys::rowHeight() const {
    return kBarHeight + kTickLength + fontMetrics().height() + kGap;
}

int FieldKeys::captionWidth() const {
    return std::max(fontMetrics().horizontalAdvance(kVoltsCaption),
                    fontMetrics().horizontalAdvance(kFieldCaption)) +
           kGap;
}

void FieldKeys::showKeys(const ColourScale* scale, const std::vector<double>* shadeBounds) {
    ticks_ = scale ? scale->ticks() : std::vector<ColourTick>();
    barColours_ = scale ? BarColours(*scale, ticks_) : std::vector<std::uint32_t>();
    shadeBounds_ = shadeBounds ? *shadeBounds : std::vector<double>();
    const int rows = int(!barColours_.empty()) + int(shadeBounds_.size() > 1);
    setFixedHeight(rows * rowHeight());
    QStringList spoken;
    if (!barColours_.empty()) {
        QStringList volts;
        for (const ColourTick& tick : ticks_) volts << VoltsText(tick.volts);
        const ColourTick low = ticks_.front(), high = ticks_.back();
        const auto end = [&](double position) {  // linear in log |V|, as the bar's colours
            return TwoDigitText(
                low.volts * std::pow(high.volts / low.volts,
                                     (position - low.position) / (high.position - low.position)));
        };
        spoken << "Potencial (V), de " + end(0) + " a " + end(1) + ": " + volts.join("; ");
    }
    if (shadeBounds_.size() > 1) {
        QStringList fields;
        for (double bound : shadeBounds_) fields << TwoDigitText(bound);
        spoken << "Campo |E| (V/m), de más débil a más fuerte: " + fields.join("; ");
    }
    setAccessibleName(spoken.join(". "));
    setVisible(rows > 0);
    update();
}

QImage FieldKeys::withKeysUnder(const QImage& picture) {
    if (isHidden()) return picture;
    const double scale = double(picture.width()) / width();
    QImage keys(picture.width(), static_cast<int>(std::lround(height() * scale)),
                QImage::Format_RGB32);
    keys.setDevicePixelRatio(scale);
    keys.fill(palette().color(QPalette::Window));
    render(&keys, {}, {}, RenderFlag::DrawChildren);
    const int gap = static_cast<int>(std::lround(kGap * scale));
    QImage both(picture.width(), picture.height() + gap + keys.height(), QImage::Format_RGB32);
    both.fill(palette().color(QPalette::Window));
    QPainter painter(&both);
    painter.drawImage(0, 0, picture);
    keys.setDevicePixelRatio(1);
    painter.drawImage(0, picture.height() + gap, keys);
    return both;
}

void FieldKeys::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    int top = 0;
    if (!barColours_.empty()) {
        paintColourBar(painter, top);
        top += rowHeight();
    }
    if (shadeBounds_.size() > 1) paintShades(painter, top);
}

// The bar runs from the lowest potential on the left to the highest on the right.
void FieldKeys::paintColourBar(QPainter& painter, int top) const {
    const int left = captionWidth(), length = width() - left - kRightRoom;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, top, left, kBarHeight), Qt::AlignVCenter, kVoltsCaption);
    for (int i = 0; i < kBarSteps; ++i) {
        const int from = left + length * i / kBarSteps, to = left + length * (i + 1) / kBarSteps;
        painter.fillRect(from, top, to - from, kBarHeight, QColor::fromRgb(barColours_[i]));
    }
    std::vector<double> positions;
    QStringList labels;
    // Powers of ten are labelled first; the others where there is room.
    std::vector<std::size_t> order(ticks_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_partition(order.begin(), order.end(),
                          [this](std::size_t i) { return IsPowerOfTen(ticks_[i].volts); });
    for (std::size_t i : order) {
        positions.push_back(left + ticks_[i].position * length);
        labels << VoltsText(ticks_[i].volts);
    }
    paintLabels(painter, top, positions, labels);
}

// One box for each shade, weakest on the left; the bounds between them
// are equal steps of log |E|.
void FieldKeys::paintShades(QPainter& painter, int top) const {
    const int left = captionWidth(), length = width() - left - kRightRoom;
    const int shades = int(shadeBounds_.size()) - 1;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, top, left, kBarHeight), Qt::AlignVCenter, kFieldCaption);
    std::vector<double> positions;
    QStringList labels;
    for (int shade = 0; shade <= shades; ++shade) {
        positions.push_back(left + double(length) * shade / shades);
        labels << TwoDigitText(shadeBounds_[shade]);
    }
    for (int shade = 0; shade < shades; ++shade) {
        const QRectF box(positions[shade], top, positions[shade + 1] - positions[shade],
                         kBarHeight);
        painter.fillRect(box, GridShade(shade));
        painter.setPen(GridEdge());
        painter.drawRect(box);
    }
    paintLabels(painter, top, positions, labels);
}

// A tick under the bar at each position and its label under it, centred,
// kept inside the strip; a label that would touch one already written is left out.
void FieldKeys::paintLabels(QPainter& painter, int top, const std::vector<double>& positions,
                            const QStringList& labels) const {
    const QFontMetrics metrics = fontMetrics();
    const int tickTop = top + kBarHeight, labelTop = tickTop + kTickLength;
    std::vector<QRect> written;
    painter.setPen(palette().color(QPalette::WindowText));
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const int x = static_cast<int>(std::lround(positions[i]));
        painter.drawLine(x, tickTop, x, tickTop + kTickLength - 1);
        const int labelWidth = metrics.horizontalAdvance(labels[int(i)]);
        const int labelLeft = std::clamp(x - labelWidth / 2, 0, width() - labelWidth);
        const QRect place(labelLeft, labelTop, labelWidth, metrics.height());
        const bool crowded = std::any_of(written.begin(), written.end(), [&](const QRect& other) {
            return other.adjusted(-kGap, 0, kGap, 0).intersects(place);
        });
        if (crowded) continue;
        painter.drawText(place, Qt::AlignCenter, labels[int(i)]);
        written.push_back(place);
    }
}
