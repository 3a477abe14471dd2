#include "mainwindow/dialogue.h"

#include <QLineEdit>
#include <QMessageBox>

#include "field/number_text.h"

double ReadBox(const QLineEdit* box) { return Val(CommasToPoints(box->text().toStdString())); }

void RefuseData(QWidget* parent) {
    QMessageBox box(QMessageBox::NoIcon, "Tervik", "Datos No Aceptados", QMessageBox::Ok, parent);
    box.setObjectName("DatosNoAceptados");
    box.exec();
}
