#pragma once

#include <QString>

class QFormLayout;
class QLabel;

// A read-out row of a tool's form: the caption and a selectable value, both
// from the top of the row, with room for the lines of its longest message so
// that the window keeps its height whatever it shows.
QLabel* AddReadoutRow(QFormLayout& form, const char* name, const QString& caption, int lines = 1);

// Shows the value, and gives a screen reader the row's caption with it.
void ShowReadout(QFormLayout& form, QLabel* readout, const QString& text);
