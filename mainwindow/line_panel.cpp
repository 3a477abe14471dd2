// The line-family panel over "Obtener".

#include "mainwindow/line_panel.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "field/number_text.h"
#include "mainwindow/dialogue.h"

LinePanel::LinePanel(QWidget& window, Settings& settings, const Controls& ui,
                     std::function<void()> startSet)
    : window_(window), settings_(settings), ui_(ui), startSet_(std::move(startSet)) {
    connect(ui_.acceptLinesButton, &QPushButton::clicked, this, &LinePanel::accept);
    connect(ui_.cancelLinesButton, &QPushButton::clicked, this, &LinePanel::cancel);
    connect(&settings_, &Settings::changed, this, &LinePanel::follow);
}

void LinePanel::follow(Settings::Changes what) {
    using Change = Settings::Change;
    if (what & Change::Zoom) ui_.stepBox->setText(QString::number(settings_.potentialStep()));
    if (!(what & Change::Action)) return;
    if (settings_.action() == Action::Equipotential)
        show();
    else if (!ui_.linePanel->isHidden())
        hide();
}

// The panel lies over the content of "Obtener"; what it covers is out of
// reach, by the mouse and by the keyboard, until it goes. Keyboard focus
// that was in "Obtener" moves along with what is shown.
void LinePanel::show() {
    const bool hadFocus = focusInObtainFrame();
    setObtainFrameCovered(true);
    if (hadFocus) ui_.lineOptions->button(int(settings_.lineChoice()))->setFocus();
}

void LinePanel::hide() {
    const bool hadFocus = focusInObtainFrame();
    setObtainFrameCovered(false);
    if (hadFocus) ui_.actionOptions->button(int(settings_.action()))->setFocus();
}

void LinePanel::setObtainFrameCovered(bool covered) {
    for (QWidget* part : ui_.obtainFrame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (part != ui_.linePanel) part->setVisible(!covered);
    ui_.linePanel->setVisible(covered);
}

bool LinePanel::focusInObtainFrame() const {
    return ui_.obtainFrame->isAncestorOf(QApplication::focusWidget());
}

// Reads the step box into the potential step, rounded to whole volts. A step
// below 1 V (zero, negative, or text that reads as no number) would put a
// line at every scan position, and one too large for the program means
// nothing: both are refused.
bool LinePanel::readPotentialStep() {
    const auto step = RoundToInt32(ReadBox(ui_.stepBox));
    if (!step || *step < 1) {
        RefuseData(&window_);
        return false;
    }
    settings_.setPotentialStep(*step);
    return true;
}

void LinePanel::accept() {
    if (settings_.lineChoice() == LineChoice::Single) {
        hide();
        return;
    }
    if (!readPotentialStep()) return;
    startSet_();
}

void LinePanel::cancel() { settings_.setAction(Action::FieldAndPotential); }
