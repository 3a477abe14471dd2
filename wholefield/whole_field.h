#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <optional>
#include <thread>
#include <vector>

#include "field/world_window.h"
#include "fieldmap/field_grid.h"
#include "fieldmap/potential_map.h"
#include "fieldmap/voltmeter.h"
#include "settings/settings.h"

class DrawingSurface;
class ColourScale;
class FieldKeys;
class QAction;
class QMenu;
class VoltmeterWindow;

// The whole field under the drawing: the potential map, the grid of field
// arrows, the voltmeter's path and the Gauss surface's cut, each shown while
// the settings have it on.
// Its menu items set that; the items, the voltmeter's window and what is
// drawn follow the settings, and are recomputed only when the density, the
// model, the zoom, the view or the tools shown change. A map that takes long
// (the disk's) is shown coarse at once and computed in full on other threads,
// shown when ready unless a newer change has made it stale.
class WholeField : public QObject {
    Q_OBJECT

public:
    // Adds the three tools to the menu; the surface owns what they show,
    // and the keys tell the map's colours and the grid's shades; pixels where the model
    // has no value take the charge's colour.
    static WholeField* AddTools(QMenu& menu, DrawingSurface& surface, FieldKeys& keys,
                                Settings& settings, std::uint32_t chargeColour);

    // How many times the potential map has been computed, for measuring.
    int mapComputations() const { return mapComputations_; }

private:
    WholeField(DrawingSurface& surface, FieldKeys& keys, Settings& settings,
               std::uint32_t chargeColour);
    // The model the read-outs use: exact for the integral, a line or the profile view.
    FieldModel model() const;
    void follow(Settings::Changes what);
    void recompute();
    QImage paintedMap(const FieldModel& model, const WorldWindow& area, const ColourScale& scale);
    void computeFullMap(const FieldModel& model, const WorldWindow& area, const ColourScale& scale);
    void showFullMap(int generation, const QImage& map);
    void composeFieldImage();
    void showUnderlay();
    void paintPath();
    void paintUnderlay();
    bool voltmeterShown() const;
    WorldWindow surfaceWorld() const;
    std::vector<QRectF> frameBoxes() const;
    void showItems();
    void followVoltmeter();
    void raiseVoltmeter();

    DrawingSurface& surface_;
    Settings& settings_;
    std::uint32_t chargeColour_;
    QAction* map_ = nullptr;
    QAction* grid_ = nullptr;
    bool showingSettings_ = false;  // the items are being checked to show the settings
    FieldKeys& keys_;
    QPointer<VoltmeterWindow> voltmeter_;
    PotentialMap potentials_;
    QImage mapImage_;    // the map alone, coarse until the full one is ready
    QImage fieldImage_;  // the map (or the background) and the grid, kept between changes
    FieldGrid arrows_;
    // The points the user evaluated last in this view, B the current one, A the
    // one before; none at start, where the read-outs are empty.
    std::optional<WorldPoint> a_;
    std::optional<WorldPoint> b_;
    int mapComputations_ = 0;
    int generation_ = 0;    // of the map last asked for; a full map of another is stale
    std::jthread fullMap_;  // last: stopped and joined first when the tools end
};
