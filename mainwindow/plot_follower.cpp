#include "mainwindow/plot_follower.h"

#include <QWidget>

#include "plotwindow/plot_view.h"
#include "settings/model_in_use.h"
#include "settings/settings.h"

namespace {

PlotInputs InputsFrom(const Settings& settings) {
    const FieldModel model = ModelInUse(settings);
    const SpacePoint at = model.evaluatedAt(settings.evaluatedPoint());
    return {model.shape, model.lambda, model.charges, at.x, at.y};
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
