#include "view/readout_rows.h"

#include <QFormLayout>
#include <QLabel>

QLabel* AddReadoutRow(QFormLayout& form, const char* name, const QString& caption, int lines) {
    auto* readout = new QLabel;
    readout->setObjectName(name);
    readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form.addRow(caption, readout);
    for (QWidget* side : {form.labelForField(readout), static_cast<QWidget*>(readout)}) {
        side->setMinimumHeight(lines * readout->fontMetrics().lineSpacing());
        static_cast<QLabel*>(side)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return readout;
}

void ShowReadout(QFormLayout& form, QLabel* readout, const QString& text) {
    readout->setText(text);
    const auto* caption = static_cast<QLabel*>(form.labelForField(readout));
    readout->setAccessibleName(caption->text() + ": " + QString(text).replace('\n', ' '));
}
