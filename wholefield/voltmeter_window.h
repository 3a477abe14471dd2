#pragma once

#include <QWidget>
#include <optional>

#include "fieldmap/voltmeter.h"

class QFormLayout;
class QLabel;
class QLineEdit;

// "Voltímetro": the potentials of the points A and B, their difference, the
// work on a test charge q typed in µC, and −∫E·dl along the path from A to B.
class VoltmeterWindow : public QWidget {
    Q_OBJECT

public:
    explicit VoltmeterWindow(QWidget* parent);

    // manualSum: the read-outs show a sum of elements picked by hand, not all N.
    void measure(const FieldModel& model, bool manualSum, std::optional<WorldPoint> a,
                 std::optional<WorldPoint> b);

signals:
    void visibilityChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* addReadout(const char* name, const QString& caption, int lines = 1);
    void display(QLabel* readout, const QString& text);
    void refresh();
    QString volts(Currency value) const;
    QString number(double value) const;
    QString integralText(PathIntegral integral, Currency deltaV) const;
    QString workText(std::optional<double> q, double work) const;

    FieldModel model_{0};
    std::optional<WorldPoint> a_;
    std::optional<WorldPoint> b_;
    QFormLayout* form_;
    QLineEdit* charge_;
    QLabel *modelName_, *pointA_, *pointB_, *va_, *vb_, *deltaV_, *work_, *integral_;
};
