#include "mainwindow/plot_follower.h"

#include <QWidget>
#include <cmath>

#include "plotwindow/plot_view.h"
#include "settings/model_in_use.h"
#include "settings/settings.h"

namespace {

PlotInputs InputsFrom(const Settings& settings) {
    const WorldPoint point = settings.evaluatedPoint();
    const bool front = settings.front();
    return {settings.lambda(), PointChargesInUse(settings), front ? point.x : segment::kMiddle,
            front ? point.y : std::hypot(point.x, point.y)};
}

}  // namespace

void FollowSettings(PlotView& plots, const Settings& settings) {
    plots.follow(InputsFrom(settings));
    using Change = Settings::Change;
    QObject::connect(
        &settings, &Settings::changed, plots.widget(),
        [view = &plots, source = &settings](Settings::Changes what) {
            if (what.testAnyFlags(Change::Point | Change::Charge | Change::View | Change::Action))
                view->follow(InputsFrom(*source));
        });
}
