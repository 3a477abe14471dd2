// What follows the settings: each follower hears of a user's action once,
// with everything it changed, and the tools under the drawing follow it.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>

#include "tests/support/window_driver.h"
#include "wholefield/whole_field.h"

namespace {

using Change = Settings::Change;

int MapComputations(WindowDriver& driver) {
    return driver.window().findChild<WholeField*>()->mapComputations();
}

void ShowMapAndGrid(WindowDriver& driver) {
    driver.press(Qt::Key_M, Qt::ControlModifier);
    driver.press(Qt::Key_R, Qt::ControlModifier);
}

// A user's action after some earlier choices, what it changes and the model
// option selected after it. Choosing N in a line mode keeps the integral, and
// the integral brings "Automático" with it: one action, one notice of both.
struct Action {
    const char* name;
    std::vector<const char*> before;
    std::function<void(WindowDriver&)> act;
    Settings::Changes changes;
    const char* modelShown;
    bool mapChanges = true;  // the model in use or the view is another after it
};

const Action kActions[] = {
    {"N",
     {},
     [](WindowDriver& d) { d.choose("modelOptions_20"); },
     Change::Charge,
     "modelOptions_20"},
    {"N in a line mode",
     {"actionOptions_2"},
     [](WindowDriver& d) { d.choose("modelOptions_10"); },
     Change::Charge,
     "modelOptions_0",
     false},
    {"integral in manual mode",
     {"operationOptions_1"},
     [](WindowDriver& d) { d.choose("modelOptions_0"); },
     Change::Charge | Change::Operation,
     "modelOptions_0"},
    {"density", {}, [](WindowDriver& d) { d.setDensity("-1"); }, Change::Charge, "modelOptions_5"},
    {"zoom",
     {},
     [](WindowDriver& d) { d.choose("zoomOptions_50"); },
     Change::Zoom,
     "modelOptions_5"},
    {"view",
     {},
     [](WindowDriver& d) { d.choose("viewOptions_1"); },
     Change::View,
     "modelOptions_0"},
};

TEST(Followers, OneNoticePerUserAction) {
    for (const Action& action : kActions) {
        WindowDriver driver;
        for (const char* option : action.before) driver.choose(option);
        QSignalSpy notices(&driver.settings(), &Settings::changed);
        action.act(driver);
        EXPECT_EQ(notices.size(), 1) << action.name;
        if (notices.isEmpty()) continue;
        const auto changes = notices.at(0).at(0).value<Settings::Changes>();
        EXPECT_TRUE(changes.testFlags(action.changes)) << action.name;
        EXPECT_TRUE(driver.selected(action.modelShown)) << action.name;
    }
}

TEST(Followers, MapComputedOncePerChange) {
    for (const Action& action : kActions) {
        WindowDriver driver;
        for (const char* option : action.before) driver.choose(option);
        ShowMapAndGrid(driver);
        const int before = MapComputations(driver);
        action.act(driver);
        EXPECT_EQ(MapComputations(driver) - before, 1) << action.name;
    }
}

// The map and the grid shown while a setting changes are those shown when
// they are turned on after it: computed for the new setting.
TEST(Followers, MapAndGridFollowWhileOn) {
    for (const Action& action : kActions) {
        QImage followed, before;
        {
            WindowDriver driver;
            for (const char* option : action.before) driver.choose(option);
            ShowMapAndGrid(driver);
            before = driver.surface().picture();
            action.act(driver);
            followed = driver.surface().picture();
        }
        WindowDriver driver;
        for (const char* option : action.before) driver.choose(option);
        action.act(driver);
        ShowMapAndGrid(driver);
        if (action.mapChanges) {
            EXPECT_NE(followed, before) << action.name;
        }
        EXPECT_EQ(followed, driver.surface().picture()) << action.name;
    }
}

}  // namespace
