#pragma once

#include <QObject>
#include <QPointF>
#include <optional>

#include "view/gauss_cut.h"

class DrawingSurface;
class Settings;

// The Gauss surface dragged by its handles on the drawing, while its tool is
// open: a left press on a handle (within a few logical pixels of it) takes
// it, the moves set the surface, the release lets it go; the press and the
// release are the drag's alone. Every other press and release reach the
// surface as before, and the moves always do, for the pointer's read-out.
// Over a handle the pointer shows what it moves.
class SurfaceDrag : public QObject {
    Q_OBJECT

public:
    static void Install(DrawingSurface& surface, Settings& settings);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SurfaceDrag(DrawingSurface& surface, Settings& settings);
    std::optional<GaussHandle> handleAt(QPointF position) const;
    void dragTo(QPointF position);
    void showCursor(std::optional<GaussHandle> handle);

    DrawingSurface& surface_;
    Settings& settings_;
    std::optional<GaussHandle> dragged_;
};
