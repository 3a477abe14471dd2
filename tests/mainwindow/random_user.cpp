// A seeded random user: plays random sequences of everything a user can do in
// the window with real mouse and key events, offscreen, and checks the
// window's invariants after every event. Usage: random_user SEED COUNT. A
// failure prints its seed and event; the same seed replays the same run.

#include <QApplication>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cmath>
#include <random>

#include "field/charge_distribution.h"
#include "field/model_in_use.h"
#include "field/number_text.h"
#include "field/segment_field.h"
#include "field/shapes.h"
#include "settings/model_in_use.h"
#include "tests/support/other_threads.h"
#include "tests/support/window_driver.h"

namespace {

const QStringList kTexts = QString(
                               "0.6|0,4||-|1e300|-1e999|abc|0|1|0.3|1,000.5| 1 2 |nan|1e-400|"
                               "0.0001|1.00001|999999999999|12,5|-7|ñ€✓|2147483648")
                               .split('|');

class RandomUser {
public:
    RandomUser(unsigned long long seed, long count) : seed_(seed), count_(count), random_(seed) {
        options_ = driver_.buttons();  // but "Salir", which would end the run
        options_.removeIf([](const QAbstractButton* b) { return b->accessibleName() == "Salir"; });
    }

    bool run() {
        for (event_ = 0; event_ < count_ && ok_; ++event_) act(0);
        return ok_;
    }

private:
    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    template <typename List>
    const auto& pick(const List& list) {
        return list[qsizetype(uniform(0, double(list.size())))];
    }

    // One user event, then the checks.
    void act(int depth) {
        const double dice = uniform(0, 8);
        if (dice < 3) {
            const QPointF p = somewhere(uniform(0, 1) < 0.3);
            last_ = QString("%1 at %2, %3")
                        .arg(dice < 1 ? "double-click" : "click")
                        .arg(p.x())
                        .arg(p.y());
            dice < 1 ? driver_.doubleClickAt(p.x(), p.y()) : driver_.clickAt(p.x(), p.y());
        } else if (dice < 4) {
            const QPointF p = somewhere(uniform(0, 1) < 0.3);
            last_ = QString("pointer at %1, %2").arg(p.x()).arg(p.y());
            driver_.pointAt(p.x(), p.y());
        } else if (dice < 5) {
            const Box box = pick(std::array{X, Y, Step});
            QString text =
                uniform(0, 1) < 0.5 ? pick(kTexts) : QString::number(uniform(-2, 3), 'g', 7);
            if (uniform(0, 1) < 0.1) text.replace('.', ',');
            last_ = QString("type '%1' into box %2").arg(text).arg(int(box));
            driver_.type(box, text);
        } else if (dice < 5.3) {
            const ChargeDistribution& shape = *pick(ChargeShapes());
            last_ = "shape " + QString::fromStdString(shape.words().name);
            driver_.chooseShape(shape);
        } else if (dice < 6) {
            const int density = pick(kDensityChoices);
            last_ = QString("density %1").arg(density);
            driver_.chooseDensity(density);
        } else {
            choose(pick(options_), depth);
        }
        check();
    }

    // Anywhere on the surface, or within a few pixels of where a charge is
    // drawn, on it or beside it: along the x axis (the segments) or across it
    // at x = 0.5 (the ring's and the disk's cut, the profile view's axis).
    QPointF somewhere(bool nearACharge) {
        const WorldWindow& w = driver_.surface().world();
        const double near = 5 * driver_.metresPerPixel();
        if (!nearACharge)
            return QPointF(w.left + uniform(0, w.width), w.top - uniform(0, w.height));
        const QPointF along(uniform(-0.01, 1.01), uniform(-near, near));
        return uniform(0, 1) < 0.5 ? along : QPointF(0.5 + along.y(), along.x() - 0.5);
    }
    // While a set of lines is being drawn, more events arrive between its yields.
    void choose(QAbstractButton* option, int depth) {
        last_ = "choose " + option->accessibleName();
        QTimer interrupter;
        interrupter.setInterval(0);
        int yields = 0;
        QObject::connect(&interrupter, &QTimer::timeout, [&] {
            if (++yields % 7 == 0 && uniform(0, 1) < 0.5 && ok_ && depth < 2) act(depth + 1);
        });
        interrupter.start();
        driver_.click(option);
    }

    void expect(bool condition, const char* what) {
        if (condition || !ok_) return;
        ok_ = false;
        std::fprintf(stderr, "FAILED at event %ld (seed %llu) after \"%s\": %s\n", event_, seed_,
                     qPrintable(last_), what);
    }
    bool matches(Box box, const QRegularExpression& pattern) {
        return driver_.readout(box).isEmpty() || pattern.match(driver_.readout(box)).hasMatch();
    }

    void check() {
        const Settings& settings = driver_.settings();
        const SharedState& s = driver_.state();
        for (double v :
             {settings.point().x, settings.point().y, s.PointerX, s.PointerY, s.ProfileRadius})
            expect(std::isfinite(v), "a state value is not finite");
        const auto offered = [](const auto& choices, double value) {
            return std::ranges::find(choices, value) != choices.end();
        };
        expect(offered(kElementCountChoices, settings.elementCount()), "ElementCount");
        expect(offered(kDensityChoices, std::round(settings.lambda() / kMicro)), "Lambda");
        const QRegularExpression currency("^-?\\d+([.,]\\d{1,4})?$");
        const QRegularExpression coordinate("^-?\\d+[.,]\\d{0,4}$");
        for (Box box : {Ex, Ey, V}) expect(matches(box, currency), "a read-out");
        for (Box box : {PointerX, PointerY}) expect(matches(box, coordinate), "the pointer");
        expect(settings.point().x == Val(CommasToPoints(driver_.readout(X).toStdString())), "X");
        expect(settings.point().y == Val(CommasToPoints(driver_.readout(Y).toStdString())), "Y");
        const bool front = settings.front();
        const bool integral = driver_.modelChosen() == kExactModel;
        expect(driver_.isChosen(settings.view()) && driver_.isChosen(settings.action()) &&
                   driver_.isChosen(settings.operation()) &&
                   driver_.modelChosen() == settings.model() &&
                   driver_.isChosen(settings.lineChoice()) &&
                   driver_.elementArrowsShown() == settings.elementArrows(),
               "an option that does not show its setting");
        expect(driver_.canChooseModel(5) == front, "N offered in the profile view");
        expect(driver_.caption(Ex) == (front ? "Ex" : "Ez"), "Ex");
        expect(front || integral, "profile view without the integral");
        expect(!integral || driver_.isChosen(Operation::Automatic), "integral, manual");
        expect(driver_.isChosen(Action::FieldAndPotential) || integral, "line mode");
        expect(!driver_.linePanelShown() || driver_.isChosen(Action::Equipotential),
               "panel without Líneas Equipotenciales");
        expect(driver_.zoomChosen() == std::lround(settings.zoomFactor() * 100), "zoom");
        if (!driver_.isChosen(Operation::Manual)) return;
        Currency ex, ey, v;  // a manual sum is the sum of its elements, at its point
        const FieldModel charges = PointChargeModel(settings);
        for (int i = 1; i <= charges.charges; ++i) {
            if (s.ElementTaken[i] != 1) continue;
            const auto term = *charges.shownElementAt(i, {s.SumPointX, s.SumPointY});
            ex = *ex.plus(term.Ex), ey = *ey.plus(term.Ey);
            v = *v.plus(term.V);
        }
        expect(ex == s.FieldEx && ey == s.FieldEy && v == s.Potential, "manual totals");
    }

    unsigned long long seed_;
    long count_;
    long event_ = 0;
    std::mt19937_64 random_;
    bool ok_ = true;
    QString last_ = "start-up";
    WindowDriver driver_;
    QList<QAbstractButton*> options_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    bool ok = false;
    {
        QApplication app(argc, argv);
        const unsigned long long seed = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1;
        const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000;
        std::printf("random user: seed %llu, %ld events\n", seed, count);
        ok = RandomUser(seed, count).run();
        std::printf("%s\n", ok ? "1 passed, 0 failed" : "0 passed, 1 failed");
    }
    waitUntilTheOnlyThread();
    return ok ? 0 : 1;
}
