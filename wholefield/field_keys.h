#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "fieldmap/colour_scale.h"

class QPainter;

// The strip under the drawing surface with the map's colour bar, in volts,
// and the grid's key of shades, in V/m, each as wide as the surface; hidden
// when neither tool shows.
class FieldKeys : public QWidget {
public:
    explicit FieldKeys(int width, QWidget* parent);

    void showKeys(const ColourScale* scale, const std::vector<double>* shadeBounds);

    // The surface's picture with the keys under it while they show, so that a
    // copied or saved map can be read; else the picture itself.
    QImage withKeysUnder(const QImage& picture);

    // The bar and the shades end this many logical pixels short of the
    // strip's right edge, room for their last label.
    static constexpr int kRightRoom = 24;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int rowHeight() const;
    int captionWidth() const;
    void paintColourBar(QPainter& painter, int top) const;
    void paintShades(QPainter& painter, int top) const;
    void paintLabels(QPainter& painter, int top, const std::vector<double>& positions,
                     const QStringList& labels) const;

    std::vector<std::uint32_t> barColours_;  // lowest first
    std::vector<ColourTick> ticks_;
    std::vector<double> shadeBounds_;
};

// The colour of the arrows of a shade class of the grid, weakest 0.
QColor GridShade(int shade);

// The dark edge around grid arrows and their key, so that the palest shade
// shows on the map's light end and on the white surface.
QColor GridEdge();
