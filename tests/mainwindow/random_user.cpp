// A seeded random user: plays random sequences of everything a user can do in
// the window with real mouse and key events, offscreen, and checks the
// window's invariants after every event. Usage: random_user SEED COUNT. A
// failure prints its seed and event; the same seed replays the same run.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>
#include <cmath>
#include <random>

#include "field/number_text.h"
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
        for (QAbstractButton* control : driver_.window().findChildren<QAbstractButton*>())
            options_ << control->objectName();
        options_.removeIf([](const QString& name) { return name.startsWith("qt_"); });
        options_.removeOne("exitButton");  // "Salir" would end the run
    }

    bool run() {
        for (event_ = 0; event_ < count_ && ok_; ++event_) act(0);
        return ok_;
    }

private:
    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    const QString& pick(const QStringList& list) {
        return list[qsizetype(uniform(0, double(list.size())))];
    }
    bool visible(QWidget* control) { return control->isVisibleTo(&driver_.window()); }

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
            const QString box = pick({"xBox", "yBox", "stepBox"});
            QString text =
                uniform(0, 1) < 0.5 ? pick(kTexts) : QString::number(uniform(-2, 3), 'g', 7);
            if (uniform(0, 1) < 0.1) text.replace('.', ',');
            last_ = QString("type '%1' into %2").arg(text, box);
            if (visible(driver_.box(box))) driver_.type(box, text);
        } else if (dice < 6) {
            const QString density = pick({"-10", "-5", "-1", "1", "5", "10"});
            last_ = "density " + density;
            if (visible(driver_.button("actionOptions_1"))) driver_.setDensity(density);
        } else {
            choose(pick(options_), depth);
        }
        check();
    }

    QPointF somewhere(bool onTheSegment) {
        const WorldWindow& w = driver_.surface().world();
        const double band = 0.008 / driver_.settings().zoomFactor();
        return onTheSegment ? QPointF(uniform(-0.01, 1.01), uniform(-band, band))
                            : QPointF(w.left + uniform(0, w.width), w.top - uniform(0, w.height));
    }
    // While a set of lines is being drawn, more events arrive between its yields.
    void choose(const QString& option, int depth) {
        QAbstractButton* button = driver_.button(option);
        last_ = "choose " + option;
        if (!visible(button) || !button->isEnabled()) return;
        QTimer interrupter;
        interrupter.setInterval(0);
        int yields = 0;
        QObject::connect(&interrupter, &QTimer::timeout, [&] {
            if (++yields % 7 == 0 && uniform(0, 1) < 0.5 && ok_ && depth < 2) act(depth + 1);
        });
        interrupter.start();
        driver_.choose(option);
    }

    void expect(bool condition, const char* what) {
        if (condition || !ok_) return;
        ok_ = false;
        std::fprintf(stderr, "FAILED at event %ld (seed %llu) after \"%s\": %s\n", event_, seed_,
                     qPrintable(last_), what);
    }
    bool matches(const char* box, const QRegularExpression& pattern) {
        return driver_.text(box).isEmpty() || pattern.match(driver_.text(box)).hasMatch();
    }

    void check() {
        const Settings& settings = driver_.settings();
        const SharedState& s = driver_.state();
        for (double v :
             {settings.point().x, settings.point().y, s.PointerX, s.PointerY, s.ProfileRadius})
            expect(std::isfinite(v), "a state value is not finite");
        expect(QList<int>{5, 10, 20, 50}.contains(settings.elementCount()), "ElementCount");
        expect(QList<double>{-10, -5, -1, 1, 5, 10}.contains(std::round(settings.lambda() * 1e6)),
               "Lambda");
        const QRegularExpression currency("^-?\\d+([.,]\\d{1,4})?$");
        const QRegularExpression coordinate("^-?\\d+[.,]\\d{0,4}$");
        for (const char* box : {"exBox", "eyBox", "potentialBox"})
            expect(matches(box, currency), box);
        for (const char* box : {"pointerXBox", "pointerYBox"})
            expect(matches(box, coordinate), box);
        expect(settings.point().x == Val(CommasToPoints(driver_.text("xBox").toStdString())),
               "xBox");
        expect(settings.point().y == Val(CommasToPoints(driver_.text("yBox").toStdString())),
               "yBox");
        const bool front = settings.front();
        const auto shows = [this](const char* group, int value) {
            return driver_.selected(QString("%1_%2").arg(group).arg(value));
        };
        expect(shows("viewOptions", int(settings.view())) &&
                   shows("actionOptions", int(settings.action())) &&
                   shows("operationOptions", int(settings.operation())) &&
                   shows("modelOptions", settings.model()) &&
                   shows("lineOptions", int(settings.lineChoice())) &&
                   driver_.selected("elementArrowsBox") == settings.elementArrows(),
               "an option that does not show its setting");
        expect(driver_.button("modelOptions_5")->isEnabled() == front, "Frame2 enabled");
        expect(driver_.window().findChild<QLabel*>("exLabel")->text() == (front ? "Ex" : "Ez"),
               "Ex");
        expect(front || driver_.selected("modelOptions_0"), "profile view without the integral");
        expect(!driver_.selected("modelOptions_0") || driver_.selected("operationOptions_0"),
               "integral, manual");
        expect(driver_.selected("actionOptions_1") || driver_.selected("modelOptions_0"),
               "line mode");
        expect(driver_.window().findChild<QGroupBox*>("linePanel")->isHidden() ||
                   driver_.selected("actionOptions_3"),
               "panel without Líneas Equipotenciales");
        expect(driver_.selected(
                   QString("zoomOptions_%1").arg(std::lround(settings.zoomFactor() * 100))),
               "zoom");
        if (!driver_.selected("operationOptions_1")) return;
        Currency ex, ey, v;  // a manual sum is the sum of its elements, at its point
        const int n = settings.elementCount();
        for (int i = 1; i <= n; ++i) {
            if (s.ElementTaken[i] != 1) continue;
            const auto term =
                *ElementContribution(i, n, s.SumPointX, s.SumPointY, settings.lambda());
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
    QStringList options_;  // every option, check box and button of the window
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
