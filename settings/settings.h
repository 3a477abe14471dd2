#pragma once

#include <QFlags>
#include <QObject>
#include <cstdint>

#include "field/charge_distribution.h"
#include "field/domain.h"
#include "field/number_text.h"
#include "field/shapes.h"
#include "gauss/gauss_surface.h"

// The options of the window by name. Each value is its option's id in its
// button group, so a handler takes the id it is given as the option.
enum class Action { FieldAndPotential = 1, FieldLine = 2, Equipotential = 3 };
enum class Operation { Automatic = 0, Manual = 1 };
enum class LineChoice { Single = 0, Set = 1 };
constexpr int kExactModel = 0;  // the model option of the integral; the others are N

// A coordinate as its box shows it, read back: four decimals at most.
inline double ShownValue(double x) { return Val(FormatCoordinate(x, '.')); }

// Everything the user has chosen, in one place: the controls' handlers call
// its setters and nothing else, and whatever shows a choice (the surface, the
// read-outs, the options, the plots, the whole field) follows `changed`.
// The rules that tie one choice to another live in the setters, so that a
// choice and what it brings with it are one change.
//
// One user action is one notice: a setter, or a Batch around several,
// announces the union of what changed once, when it ends. A setter announces
// only a real change, except where noted.
class Settings : public QObject {
    Q_OBJECT

public:
    enum class Change {
        Point = 1 << 0,      // a point was evaluated (a click, "Calcular", an element taken)
        Charge = 1 << 1,     // the shape, the density, the model or N; also a model refused
        View = 1 << 2,       // front or profile
        Zoom = 1 << 3,       // the zoom factor, and with it the potential step
        Operation = 1 << 4,  // automatic or manual
        Action = 1 << 5,     // what a click obtains
        Lines = 1 << 6,      // single lines or a set, in the line panel
        ElementArrows = 1 << 7,
        Ending = 1 << 8,        // the program is ending
        Cleared = 1 << 9,       // "Limpiar": the drawing and the read-outs are to be emptied
        TypedPoint = 1 << 10,   // the point in the coordinate boxes, not yet evaluated
        Step = 1 << 11,         // the potential step of a set of lines
        Underlay = 1 << 12,     // the potential map or the field grid on or off
        Voltmeter = 1 << 13,    // the voltmeter's window open or closed
        PlacedPoint = 1 << 14,  // the point was put where a click or "Calcular" evaluated it
        Gauss = 1 << 15,        // the Gauss surface moved or changed, or its tool opened or closed
    };
    Q_DECLARE_FLAGS(Changes, Change)

    // Announces the changes made while it lives once, when the outermost one ends.
    class Batch {
    public:
        explicit Batch(Settings& settings) : settings_(settings) { ++settings_.depth_; }
        ~Batch() {
            if (--settings_.depth_ == 0) settings_.announce();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Settings& settings_;
    };

    Action action() const { return action_; }
    View view() const { return view_; }
    bool front() const { return view_ == View::Front; }
    double zoomFactor() const { return zoomPercent_ / 100.0; }
    const ChargeDistribution& shape() const { return *shape_; }
    double lambda() const { return density_ * kMicro; }  // C/m, or C/m² over a surface
    int density() const { return density_; }             // µC/m, or µC/m²
    int model() const { return integral_ ? kExactModel : elementCount_; }
    bool exactModel() const { return integral_; }
    int elementCount() const { return elementCount_; }  // N, kept while the integral is chosen
    Operation operation() const { return operation_; }
    bool manual() const { return operation_ == Operation::Manual; }
    LineChoice lineChoice() const { return lineChoice_; }
    bool elementArrows() const { return elementArrows_; }  // each element's own arrow is drawn
    bool ending() const { return ending_; }
    // The point the coordinate boxes hold and the marker marks: typed, or evaluated last.
    WorldPoint point() const { return point_; }
    WorldPoint evaluatedPoint() const { return evaluatedPoint_; }
    std::int32_t potentialStep() const { return potentialStep_; }  // volts between lines of a set
    bool mapShown() const { return mapShown_; }
    bool gridShown() const { return gridShown_; }
    bool voltmeterOpen() const { return voltmeterOpen_; }
    const GaussSurface& gaussSurface() const { return gaussSurface_; }
    bool gaussOpen() const { return gaussOpen_; }  // the surface is shown while its tool is open

    // Lines are traced from the integral, which goes with "Automático".
    void setAction(Action action);
    // The profile view works with the integral alone.
    void setView(View view);
    // The boxes show a point to four decimals; a new zoom rewrites them, and
    // the point becomes the one shown. The potential step follows the zoom.
    void setZoomPercent(int percent);
    void setShape(const ChargeDistribution& shape) { update(shape_, &shape, Change::Charge); }
    void setDensity(int microCoulombPerMetre) {
        update(density_, microCoulombPerMetre, Change::Charge);
    }
    // kExactModel or N. The integral goes with "Automático"; while lines are
    // traced in the front view, any choice keeps the integral and starts the
    // drawing afresh all the same.
    void chooseModel(int model);
    // Both operation modes work on point charges: from the integral, N = 5.
    // While lines are traced, the integral and "Automático" stay.
    void setOperation(Operation operation);
    void setLineChoice(LineChoice choice) { update(lineChoice_, choice, Change::Lines); }
    void setElementArrows(bool shown) { update(elementArrows_, shown, Change::ElementArrows); }
    void setTypedX(double x) { update(point_.x, x, Change::TypedPoint); }
    void setTypedY(double y) { update(point_.y, y, Change::TypedPoint); }
    void setPotentialStep(std::int32_t volts) { update(potentialStep_, volts, Change::Step); }
    void setMapShown(bool shown) { update(mapShown_, shown, Change::Underlay); }
    void setGridShown(bool shown) { update(gridShown_, shown, Change::Underlay); }
    void setVoltmeterOpen(bool open) { update(voltmeterOpen_, open, Change::Voltmeter); }
    // Each measure is kept within the limits the boxes accept.
    void setGaussSurface(const GaussSurface& surface) {
        update(gaussSurface_, WithinLimits(surface), Change::Gauss);
    }
    void setGaussOpen(bool open) { update(gaussOpen_, open, Change::Gauss); }
    void endProgram() { update(ending_, true, Change::Ending); }
    void clearDrawing() { note(Change::Cleared); }
    // Announced each time, also for the same point.
    void evaluatePoint(WorldPoint point) {
        point_ = evaluatedPoint_ = point;
        note(Changes(Change::Point) | Change::PlacedPoint);
    }
    void evaluateTypedPoint() {  // where it is, as typed
        evaluatedPoint_ = point_;
        note(Change::Point);
    }

signals:
    void changed(Settings::Changes what);

private:
    template <typename Value>
    void update(Value& setting, Value value, Change what) {
        if (setting == value) return;
        setting = value;
        note(what);
    }
    void note(Changes what);
    void announce();
    void useIntegral();

    Action action_ = Action::FieldAndPotential;
    View view_ = View::Front;
    int zoomPercent_ = kStartZoomPercent;
    const ChargeDistribution* shape_ = &StartShape();
    int density_ = kStartDensity;
    bool integral_ = false;
    int elementCount_ = kStartElementCount;
    Operation operation_ = Operation::Automatic;
    LineChoice lineChoice_ = LineChoice::Single;
    bool elementArrows_ = false;
    bool ending_ = false;
    WorldPoint point_ = kStartPoint;
    WorldPoint evaluatedPoint_ = kStartPoint;
    std::int32_t potentialStep_ = kPotentialStepAtZoom1 * kStartZoomPercent / 100;
    bool mapShown_ = false;
    bool gridShown_ = false;
    bool voltmeterOpen_ = false;
    GaussSurface gaussSurface_;
    bool gaussOpen_ = false;

    int depth_ = 0;  // of the batches open, and of an announcement under way
    Changes pending_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Settings::Changes)
