// A seeded random user: plays random sequences of everything a user can do in
// the window, offscreen, and checks the window's invariants after every event.
// Usage: random_user SEED COUNT. A failure prints its seed and event, and the
// same seed replays the same run.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>

#include "field/number_text.h"
#include "tests/support/window_driver.h"
#include "view/drawing_surface.h"

namespace {

const QStringList kOptions = {"Obtener_1",     "Obtener_2",     "Obtener_3",    "Amplia_100",
                              "Amplia_50",     "Amplia_25",     "Amplia_10",    "Manual_0",
                              "Manual_1",      "Discretiza_0",  "Discretiza_5", "Discretiza_10",
                              "Discretiza_20", "Discretiza_50", "Ver_0",        "Ver_1",
                              "OptionV_0",     "OptionV_1",     "Ver1"};
const QStringList kCommands = {"Calcular", "AceptaV", "CancelaV", "Limpiar", "Copiar"};
const QStringList kTexts = {
    "0.6",    "0,4",    "",      "-",       "1e300",        "-1e999",     "abc", "0.5",
    "0",      "1",      "0.3",   "1,000.5", " 1 2 ",        "2e-1",       "nan", "inf",
    "1e-400", "0.0001", "0.001", "1.00001", "999999999999", "12,5",       "-7",  "\t\n",
    "ñ€✓",    "0x10",   "..",    "1e10",    "2147483648",   "-2147483649"};

class RandomUser {
public:
    RandomUser(unsigned long long seed, long count) : seed_(seed), count_(count), random_(seed) {}

    bool run() {
        for (event_ = 0; event_ < count_ && ok_; ++event_) act(0);
        return ok_;
    }

private:
    template <typename T>
    const T& pick(const QList<T>& list) {
        return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(random_)];
    }
    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    bool chance(double p) { return uniform(0, 1) < p; }

    // A user reaches only what is shown and enabled.
    bool reachable(QWidget* widget) {
        return widget && widget->isVisibleTo(&driver_.window()) && widget->isEnabled();
    }

    // One user event, picked with these weights, then the checks.
    void act(int depth) {
        const std::function<void()> events[] = {
            [&] { clickSomewhere(false); }, [&] { clickSomewhere(false); },
            [&] { clickSomewhere(true); },  [&] { chooseOption(); },
            [&] { chooseOption(); },        [&] { typeText(); },
            [&] { pressCommand(depth); },   [&] { chooseDensity(); },
            [&] { pointSomewhere(); },      [&] { doubleClickSomewhere(); }};
        events[std::uniform_int_distribution<int>(0, 9)(random_)]();
        check();
    }

    // Anywhere on the surface, or on the segment's band.
    QPointF somewhere(bool onTheSegment) {
        const WorldWindow& w = driver_.surface().world();
        const double band = 0.008 / driver_.state().ZoomFactor;
        return onTheSegment ? QPointF(uniform(-0.01, 1.01), uniform(-band, band))
                            : QPointF(w.left + uniform(0, w.width), w.top - uniform(0, w.height));
    }
    void clickSomewhere(bool onTheSegment) {
        const QPointF p = somewhere(onTheSegment);
        note("click at %g, %g", p.x(), p.y());
        driver_.clickAt(p.x(), p.y());
    }
    void doubleClickSomewhere() {
        const QPointF p = somewhere(chance(0.3));
        note("double-click at %g, %g", p.x(), p.y());
        driver_.doubleClickAt(p.x(), p.y());
    }
    void pointSomewhere() {
        const QPointF p = somewhere(chance(0.3));
        note("pointer at %g, %g", p.x(), p.y());
        driver_.pointAt(p.x(), p.y());
    }

    void chooseOption() {
        const QString name = pick(kOptions);
        if (!reachable(driver_.button(name))) return;
        note("choose %s", qPrintable(name));
        driver_.choose(name);
    }

    void chooseDensity() {
        auto* combo = driver_.window().findChild<QComboBox*>("Combo1");
        if (!reachable(combo)) return;
        const int index = std::uniform_int_distribution<int>(0, combo->count() - 1)(random_);
        note("density %s", qPrintable(combo->itemText(index)));
        driver_.setDensity(combo->itemText(index));
    }

    void typeText() {
        const QString box = pick(QStringList{"CajaX", "CajaY", "Delta"});
        if (!reachable(driver_.box(box))) return;
        QString text = chance(0.5) ? pick(kTexts) : QString::number(uniform(-2, 3), 'g', 7);
        if (chance(0.1)) text.replace('.', ',');
        note("type '%s' into %s", qPrintable(text), qPrintable(box));
        driver_.type(box, text);
    }

    void pressCommand(int depth) {
        const QString name = pick(kCommands);
        if (!reachable(driver_.button(name))) return;
        note("press %s", qPrintable(name));
        const bool startsASet =
            driver_.selected("OptionV_1") &&
            (name == "AceptaV" || (name == "Calcular" && reachable(driver_.button("AceptaV"))));
        if (startsASet && depth < 2) {
            interruptSetWithRandomEvents(name, depth);
            return;
        }
        driver_.choose(name);
    }

    // While a set is drawn, a few events arrive between its yields.
    void interruptSetWithRandomEvents(const QString& name, int depth) {
        QTimer interrupter;
        interrupter.setInterval(0);
        int yields = 0;
        QObject::connect(&interrupter, &QTimer::timeout, [&] {
            if (++yields % 7 == 0 && chance(0.5) && ok_) act(depth + 1);
        });
        interrupter.start();
        driver_.choose(name);
    }

    void note(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(last_, sizeof last_, format, args);
        va_end(args);
    }

    void expect(bool condition, const QString& what) {
        if (!condition && ok_) {
            ok_ = false;
            std::fprintf(stderr, "FAILED at event %ld (seed %llu) after \"%s\": %s\n", event_,
                         seed_, last_, qPrintable(what));
        }
    }

    void check() {
        const SharedState& s = driver_.state();
        for (double v : {s.PointX, s.PointY, s.PointerX, s.PointerY, s.StepX, s.StepY,
                         s.ProfileRadius, s.Lambda, s.ZoomFactor})
            expect(std::isfinite(v), "a state value is not finite");
        expect(QList<int>{5, 10, 20, 50}.contains(s.ElementCount), "ElementCount");
        expect(QList<double>{1, 0.5, 0.25, 0.1}.contains(s.ZoomFactor), "ZoomFactor");
        const double density = s.Lambda * 1e6;
        expect(QList<double>{-10, -5, -1, 1, 5, 10}.contains(std::round(density)) &&
                   std::fabs(density - std::round(density)) < 1e-9,
               "Lambda");
        checkTexts(s);
        checkOptions(s);
        checkManualTotals(s);
    }

    void checkTexts(const SharedState& s) {
        static const QRegularExpression currency("^-?\\d+([.,]\\d{1,4})?$");
        static const QRegularExpression coordinate("^-?\\d+[.,]\\d{0,4}$");
        for (const char* box : {"CajaEx", "CajaEy", "CajaV"}) {
            const QString text = driver_.text(box);
            expect(text.isEmpty() || currency.match(text).hasMatch(), QString(box) + " = " + text);
        }
        for (const char* box : {"MoveX", "MoveY"}) {
            const QString text = driver_.text(box);
            expect(text.isEmpty() || coordinate.match(text).hasMatch(),
                   QString(box) + " = " + text);
        }
        expect(s.PointX == Val(CommasToPoints(driver_.text("CajaX").toStdString())),
               "PointX vs CajaX");
        expect(s.PointY == Val(CommasToPoints(driver_.text("CajaY").toStdString())),
               "PointY vs CajaY");
    }

    void checkOptions(const SharedState& s) {
        MainWindow& w = driver_.window();
        const bool front = s.FrontView;
        expect(driver_.selected("Ver_0") == front, "Ver and FrontView");
        expect(w.findChild<QGroupBox*>("Frame2")->isEnabled() == front, "Frame2 enabled");
        expect(w.findChild<QGroupBox*>("Frame4")->isEnabled() == front, "Frame4 enabled");
        expect(driver_.button("Ver1")->isEnabled() == front, "Ver1 enabled");
        expect(w.findChild<QLabel*>("Label2")->text() == (front ? "Ex" : "Ez"), "Label2");
        expect(w.findChild<QLabel*>("Label6")->text() == (front ? "X" : "Z"), "Label6");
        const QString xxx = w.findChild<QLabel*>("xxx")->text();
        expect(front ? (xxx == "X (m)" || xxx == "X(m)") : xxx == "Z(m)", "xxx");
        if (!front) expect(driver_.selected("Discretiza_0"), "profile view without the integral");
        if (driver_.selected("Discretiza_0"))
            expect(driver_.selected("Manual_0"), "integral in manual mode");
        if (!driver_.selected("Obtener_1"))
            expect(driver_.selected("Discretiza_0"), "line mode without the integral");
        if (!w.findChild<QGroupBox*>("CuadroLV")->isHidden())
            expect(driver_.selected("Obtener_3"), "panel without Líneas Equipotenciales");
        expect(std::abs(driver_.state().ZoomFactor * 100 -
                        [&] {
                            for (int z : {100, 50, 25, 10})
                                if (driver_.selected(QString("Amplia_%1").arg(z))) return z;
                            return 0;
                        }()) < 1e-9,
               "zoom option");
        expect(w.findChild<QComboBox*>("Combo1")->currentText().toDouble() ==
                   std::round(s.Lambda * 1e6),
               "density shown");
    }

    void checkManualTotals(const SharedState& s) {
        if (!driver_.selected("Manual_1")) return;
        Currency ex, ey, v;
        for (int i = 1; i <= s.ElementCount; ++i) {
            if (s.ElementTaken[i] != 1) continue;
            ex = *ex.plus(s.ElementEx[i]);
            ey = *ey.plus(s.ElementEy[i]);
            v = *v.plus(s.ElementV[i]);
        }
        expect(ex == s.FieldEx && ey == s.FieldEy && v == s.Potential,
               QString("manual totals %1 %2 %3, elements add up to %4 %5 %6")
                   .arg(s.FieldEx.text('.').c_str(), s.FieldEy.text('.').c_str(),
                        s.Potential.text('.').c_str(), ex.text('.').c_str(), ey.text('.').c_str(),
                        v.text('.').c_str()));
    }

    unsigned long long seed_;
    long count_;
    long event_ = 0;
    std::mt19937_64 random_;
    bool ok_ = true;
    char last_[256] = "start-up";
    WindowDriver driver_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const unsigned long long seed = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1;
    const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000;
    std::printf("random user: seed %llu, %ld events\n", seed, count);
    RandomUser user(seed, count);
    const bool ok = user.run();
    std::printf("%s\n", ok ? "1 passed, 0 failed" : "0 passed, 1 failed");
    return ok ? 0 : 1;
}
