#include "app/plot_follower.h"

#include <QWidget>

#include "app/model_in_use.h"
#include "app/settings.h"
#include "plotwindow/plot_view.h"

namespace {

PlotInputs InputsFrom(const Settings& settings) {
    const FieldModel model = ModelInUse(settings);
    const SpacePoint at = model.evaluatedAt(settings.evaluatedPoint());
    return {model.lambda, model.charges, at.x, at.y};
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
