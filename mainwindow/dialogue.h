#pragma once

class QLineEdit;
class QWidget;

// What the window reads from the user and tells them, shared by its parts.

// A number typed in a box, with either decimal separator.
double ReadBox(const QLineEdit* box);

// "Datos No Aceptados": what the user asked for cannot be done, and nothing changed.
void RefuseData(QWidget* parent);
