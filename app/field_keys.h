#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "fieldmap/colour_scale.h"

// A small strip in a corner of the drawing surface with the map's colour bar,
// in volts, and the grid's key of shades, in V/m; hidden when neither shows.
// Clicks go through it to the surface.
class QPainter;

class FieldKeys : public QWidget {
public:
    explicit FieldKeys(QWidget* surface);

    void showKeys(const ColourScale* scale, const std::vector<double>* shadeBounds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintKeys(QPainter& painter) const;

    QImage keys_;  // painted once for each change: the surface repaints often
    std::vector<std::uint32_t> barColours_;  // lowest first
    std::vector<ColourTick> ticks_;
    std::vector<double> shadeBounds_;
};

// The colour of the arrows of a shade class of the grid, weakest 0.
QColor GridShade(int shade);
