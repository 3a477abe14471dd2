#pragma once

#include <QFlags>
#include <QObject>

#include "field/domain.h"

// The options of the window by name. Each value is its option's id in its
// button group, so a handler takes the id it is given as the option.
enum class Action { FieldAndPotential = 1, FieldLine = 2, Equipotential = 3 };
enum class Operation { Automatic = 0, Manual = 1 };
enum class LineChoice { Single = 0, Set = 1 };
constexpr int kExactModel = 0;  // the model option of the integral; the others are N

// The settings of the window and the point it evaluated last, in one place.
// The controls' handlers change them; whatever follows them (the plot
// window, the captions of the view, a running set of lines) subscribes to
// `changed`, which says what changed. A setter emits only on a real change,
// except for a point, which counts each time it is evaluated.
class Settings : public QObject {
    Q_OBJECT

public:
    enum class Change {
        Point = 1 << 0,      // a point was evaluated (a click, "Calcular", an element taken)
        Charge = 1 << 1,     // the density, the model or N
        View = 1 << 2,       // front or profile
        Zoom = 1 << 3,       // the zoom factor
        Operation = 1 << 4,  // automatic or manual
        Action = 1 << 5,     // what a click obtains
        Lines = 1 << 6,      // single lines or a set, in the line panel
        ElementArrows = 1 << 7,
        Ending = 1 << 8,   // the program is ending
        Cleared = 1 << 9,  // "Limpiar": the drawing and the read-outs were emptied
    };
    Q_DECLARE_FLAGS(Changes, Change)

    Action action() const { return action_; }
    View view() const { return view_; }
    bool front() const { return view_ == View::Front; }
    double zoomFactor() const { return zoomFactor_; }
    double lambda() const { return lambda_; }  // C/m
    int model() const { return model_; }       // kExactModel or N
    bool exactModel() const { return model_ == kExactModel; }
    int elementCount() const { return elementCount_; }  // N, kept while the integral is chosen
    Operation operation() const { return operation_; }
    bool manual() const { return operation_ == Operation::Manual; }
    LineChoice lineChoice() const { return lineChoice_; }
    bool elementArrows() const { return elementArrows_; }  // each element's own arrow is drawn
    bool ending() const { return ending_; }
    WorldPoint evaluatedPoint() const { return evaluatedPoint_; }

    void setAction(Action action) { update(action_, action, Change::Action); }
    void setView(View view) { update(view_, view, Change::View); }
    void setZoomPercent(int percent) { update(zoomFactor_, percent / 100.0, Change::Zoom); }
    void setDensity(int microCoulombPerMetre) {
        update(lambda_, microCoulombPerMetre * kMicro, Change::Charge);
    }
    void setModel(int model) { update(model_, model, Change::Charge); }
    void setElementCount(int n) { update(elementCount_, n, Change::Charge); }
    void setOperation(Operation operation) { update(operation_, operation, Change::Operation); }
    void setLineChoice(LineChoice choice) { update(lineChoice_, choice, Change::Lines); }
    void setElementArrows(bool shown) { update(elementArrows_, shown, Change::ElementArrows); }
    void endProgram() { update(ending_, true, Change::Ending); }
    void drawingCleared() { emit changed(Change::Cleared); }
    void pointEvaluated(WorldPoint point) {
        evaluatedPoint_ = point;
        emit changed(Change::Point);
    }

signals:
    void changed(Settings::Changes what);

private:
    template <typename Value>
    void update(Value& setting, Value value, Change what) {
        if (setting == value) return;
        setting = value;
        emit changed(what);
    }

    Action action_ = Action::FieldAndPotential;
    View view_ = View::Front;
    double zoomFactor_ = kStartZoomPercent / 100.0;
    double lambda_ = kStartDensity * kMicro;
    int model_ = kStartElementCount;
    int elementCount_ = kStartElementCount;
    Operation operation_ = Operation::Automatic;
    LineChoice lineChoice_ = LineChoice::Single;
    bool elementArrows_ = false;
    bool ending_ = false;
    WorldPoint evaluatedPoint_ = kStartPoint;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Settings::Changes)
