#include "app/field_keys.h"

#include <QLocale>
#include <QPainter>
#include <cmath>

namespace {

constexpr int kBarHeight = 120;  // logical pixels
constexpr int kBarWidth = 10;
constexpr int kMargin = 4;
constexpr int kLabelWidth = 70;
constexpr int kShadeRow = 14;

// The colours of the bar from its lowest position to its highest. The scale
// is linear in log |V|, so two of its ticks give the potential at any position.
std::vector<std::uint32_t> BarColours(const ColourScale& scale,
                                      const std::vector<ColourTick>& ticks) {
    if (ticks.size() < 2) return {};
    const ColourTick low = ticks.front(), high = ticks.back();
    std::vector<std::uint32_t> colours(kBarHeight);
    for (int i = 0; i < kBarHeight; ++i) {
        const double t = ((i + 0.5) / kBarHeight - low.position) / (high.position - low.position);
        colours[i] = scale.colourOf(low.volts * std::pow(high.volts / low.volts, t));
    }
    return colours;
}

}  // namespace

QColor GridShade(int shade) { return QColor::fromHsv(0, 90 + 40 * shade, 255 - 35 * shade); }

FieldKeys::FieldKeys(QWidget* surface) : QWidget(surface) {
    setObjectName("LeyendaCampo");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void FieldKeys::showKeys(const ColourScale* scale, const std::vector<double>* shadeBounds) {
    ticks_ = scale ? scale->ticks() : std::vector<ColourTick>();
    barColours_ = scale ? BarColours(*scale, ticks_) : std::vector<std::uint32_t>();
    shadeBounds_ = shadeBounds ? *shadeBounds : std::vector<double>();
    const int shades = shadeBounds_.empty() ? 0 : int(shadeBounds_.size()) - 1;
    const int height = (barColours_.empty() ? 0 : kBarHeight + 2 * kMargin + 14) +
                       (shades ? shades * kShadeRow + 2 * kMargin + 14 : 0);
    setFixedSize(kBarWidth + kLabelWidth + 3 * kMargin, height);
    move(parentWidget()->width() - width() - kMargin, kMargin);
    setVisible(height > 0);
    QStringList spoken;
    for (const ColourTick& tick : ticks_) spoken << QLocale().toString(tick.volts, 'g', 12);
    setAccessibleName(spoken.isEmpty() ? "Clave de la rejilla"
                                       : "Potencial (V): " + spoken.join("; "));
    keys_ = QImage(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    keys_.setDevicePixelRatio(devicePixelRatioF());
    keys_.fill(QColor(255, 255, 255, 220));
    QPainter painter(&keys_);
    paintKeys(painter);
    update();
}

void FieldKeys::paintEvent(QPaintEvent*) { QPainter(this).drawImage(0, 0, keys_); }

void FieldKeys::paintKeys(QPainter& painter) const {
    painter.setPen(Qt::black);
    int top = kMargin;
    const QLocale locale;
    if (!barColours_.empty()) {
        painter.drawText(kMargin, top + 10, "V (V)");
        top += 14;
        for (int i = 0; i < kBarHeight; ++i)
            painter.fillRect(kMargin, top + kBarHeight - 1 - i, kBarWidth, 1,
                             QColor::fromRgb(barColours_[i]));
        for (const ColourTick& tick : ticks_) {
            const int y = top + static_cast<int>(std::lround((1 - tick.position) * kBarHeight));
            painter.drawLine(kMargin + kBarWidth, y, kMargin + kBarWidth + 3, y);
            painter.drawText(2 * kMargin + kBarWidth, y + 4, locale.toString(tick.volts, 'g', 12));
        }
        top += kBarHeight + 2 * kMargin;
    }
    if (shadeBounds_.empty()) return;
    painter.drawText(kMargin, top + 10, "|E| (V/m) desde");
    top += 14;
    for (int shade = int(shadeBounds_.size()) - 2; shade >= 0; --shade, top += kShadeRow) {
        painter.fillRect(kMargin, top + 3, kBarWidth, 8, GridShade(shade));
        painter.drawText(2 * kMargin + kBarWidth, top + 11,
                         locale.toString(shadeBounds_[shade], 'g', 2));
    }
}
