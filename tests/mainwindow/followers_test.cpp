// What follows the settings: each follower hears of a user's action once,
// with everything it changed, and the tools under the drawing follow it.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>

#include "field/ring_field.h"
#include "field/segment_field.h"
#include "tests/support/window_driver.h"
#include "wholefield/whole_field.h"

namespace {

using Change = Settings::Change;

int MapComputations(WindowDriver& driver) {
    return driver.window().findChild<WholeField*>()->mapComputations();
}

using Step = std::function<void(WindowDriver&)>;

// A user's action after an earlier choice, what it changes and the model
// chosen after it (N, or kExactModel). Choosing N in a line mode keeps the
// integral, and the integral brings "Automático" with it: one action, one
// notice of both.
struct UserAction {
    const char* name;
    Step before;
    Step act;
    Settings::Changes changes;
    int modelShown;
    bool mapChanges = true;  // the model in use or the view is another after it
};

const Step kNothing = [](WindowDriver&) {};

const UserAction kActions[] = {
    {"N", kNothing, [](WindowDriver& d) { d.chooseModel(20); }, Change::Charge, 20},
    {"N in a line mode", [](WindowDriver& d) { d.chooseAction(Action::FieldLine); },
     [](WindowDriver& d) { d.chooseModel(10); }, Change::Charge, kExactModel, false},
    {"integral in manual mode", [](WindowDriver& d) { d.chooseManual(); },
     [](WindowDriver& d) { d.chooseIntegral(); }, Change::Charge | Change::Operation, kExactModel},
    {"density", kNothing, [](WindowDriver& d) { d.chooseDensity(-1); }, Change::Charge, 5},
    {"zoom", kNothing, [](WindowDriver& d) { d.chooseZoom(50); }, Change::Zoom, 5},
    {"shape", kNothing, [](WindowDriver& d) { d.chooseShape(Ring()); }, Change::Charge, 5},
    {"view", kNothing, [](WindowDriver& d) { d.chooseView(View::Profile); }, Change::View,
     kExactModel},
};

TEST(Followers, OneNoticePerUserAction) {
    for (const UserAction& action : kActions) {
        WindowDriver driver;
        action.before(driver);
        QSignalSpy notices(&driver.settings(), &Settings::changed);
        action.act(driver);
        EXPECT_EQ(notices.size(), 1) << action.name;
        if (notices.isEmpty()) continue;
        const auto changes = notices.at(0).at(0).value<Settings::Changes>();
        EXPECT_TRUE(changes.testFlags(action.changes)) << action.name;
        EXPECT_EQ(driver.modelChosen(), action.modelShown) << action.name;
    }
}

// The map and the grid shown while a setting changes are computed once for
// the new setting: those shown when they are turned on after it.
TEST(Followers, MapAndGridFollowWhileOnComputedOnce) {
    for (const UserAction& action : kActions) {
        QImage followed, before;
        {
            WindowDriver driver;
            action.before(driver);
            driver.toggleMapAndGrid();
            before = driver.surface().picture();
            const int computed = MapComputations(driver);
            action.act(driver);
            followed = driver.surface().picture();
            EXPECT_EQ(MapComputations(driver) - computed, 1) << action.name;
        }
        WindowDriver driver;
        action.before(driver);
        action.act(driver);
        driver.toggleMapAndGrid();
        if (action.mapChanges) {
            EXPECT_NE(followed, before) << action.name;
        }
        EXPECT_EQ(followed, driver.surface().picture()) << action.name;
    }
}

}  // namespace

// The density's caption and unit follow the shape, and the window states
// the whole charge: λ·1 m, λ·2π·0.5 m, σ·π·(0.5 m)² at 5 µC/m (or µC/m²).
TEST(Followers, DensityCaptionsAndChargeFollowTheShape) {
    struct Row {
        const ChargeDistribution& shape;
        int key;  // Ctrl and this digit choose it
        const char* symbol;
        const char* unit;
        const char* charge;
        double microCoulomb;
    } const rows[] = {
        {Ring(), Qt::Key_3, "λ", ".10^ (-6) C/m", "Anillo", 15.708},
        {Disk(), Qt::Key_4, "σ", ".10^ (-6) C/m²", "Disco", 3.927},
        {GrowingSegment(), Qt::Key_2, "λ", ".10^ (-6) C/m", "Segmento con λ creciente", 5},
        {UniformSegment(), Qt::Key_1, "λ", ".10^ (-6) C/m", "Segmento", 5},
    };
    WindowDriver driver;
    driver.chooseDensity(5);
    for (const Row& row : rows) {
        driver.press(row.key, Qt::ControlModifier);
        EXPECT_EQ(&driver.settings().shape(), &row.shape) << row.charge;
        EXPECT_EQ(WindowDriver::shownLabel("densityLabel"), QString(row.symbol)) << row.charge;
        EXPECT_EQ(WindowDriver::shownLabel("densityUnitLabel"), QString(row.unit)) << row.charge;
        EXPECT_EQ(WindowDriver::shownLabel("chargeLabel"),
                  QString("Q = %1 µC").arg(QLocale().toString(row.microCoulomb)))
            << row.charge;
    }
}
