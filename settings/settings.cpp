#include "settings/settings.h"

#include <cmath>
#include <utility>

void Settings::note(Changes what) {
    pending_ |= what;
    if (depth_ == 0) announce();
}

// What a follower changes while it hears of a change is announced after all
// of them have heard of the first.
void Settings::announce() {
    while (pending_) {
        const Changes what = std::exchange(pending_, {});
        ++depth_;
        emit changed(what);
        --depth_;
    }
}

void Settings::useIntegral() {
    update(integral_, true, Change::Charge);
    update(operation_, Operation::Automatic, Change::Operation);
}

void Settings::setAction(Action action) {
    const Batch batch(*this);
    update(action_, action, Change::Action);
    if (action != Action::FieldAndPotential) useIntegral();
}

void Settings::setView(View view) {
    const Batch batch(*this);
    update(view_, view, Change::View);
    if (view == View::Profile) useIntegral();
}

void Settings::setZoomPercent(int percent) {
    const Batch batch(*this);
    update(zoomPercent_, percent, Change::Zoom);
    potentialStep_ = std::int32_t(std::lround(kPotentialStepAtZoom1 * zoomFactor()));
    update(point_.x, ShownValue(point_.x), Change::TypedPoint);
    update(point_.y, ShownValue(point_.y), Change::TypedPoint);
}

void Settings::chooseModel(int model) {
    const Batch batch(*this);
    if (front() && action_ != Action::FieldAndPotential) {
        note(Change::Charge);
        return;
    }
    if (model == kExactModel) {
        useIntegral();
        return;
    }
    update(integral_, false, Change::Charge);
    update(elementCount_, model, Change::Charge);
}

void Settings::setOperation(Operation operation) {
    const Batch batch(*this);
    if (front() && action_ != Action::FieldAndPotential) {
        note(Change::Operation | Change::Charge);
        elementCount_ = kStartElementCount;
        return;
    }
    update(operation_, operation, Change::Operation);
    if (!integral_) return;
    integral_ = false;
    elementCount_ = kStartElementCount;
    note(Change::Charge);
}
