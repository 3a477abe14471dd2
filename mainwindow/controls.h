#pragma once

#include <QAbstractButton>
#include <QButtonGroup>

class DrawingSurface;
class FieldKeys;
class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The controls of the main window by their object names. An option array is
// a button group whose ids are the options' values (see settings.h). The
// controls show the settings; only a control's own handler reads it.
struct Controls {
    DrawingSurface* surface = nullptr;
    FieldKeys* fieldKeys = nullptr;  // the keys of the potential map and the field grid

    QGroupBox* obtainFrame = nullptr;  // "Obtener"
    QButtonGroup* actionOptions = nullptr;
    QLabel* densityLabel = nullptr;
    QComboBox* densityBox = nullptr;
    QLabel* densityUnitLabel = nullptr;
    QLabel* chargeLabel = nullptr;         // the shape and its total charge Q
    QActionGroup* shapeActions = nullptr;  // "Carga": one item per shape, its index as data
    QLabel* xLabel = nullptr;
    QLineEdit* xBox = nullptr;
    QLabel* yLabel = nullptr;
    QLineEdit* yBox = nullptr;
    QLabel* exLabel = nullptr;
    QLineEdit* exBox = nullptr;
    QLabel* eyLabel = nullptr;
    QLineEdit* eyBox = nullptr;
    QLabel* potentialLabel = nullptr;
    QLineEdit* potentialBox = nullptr;

    QGroupBox* linePanel = nullptr;  // the line-family panel over Frame1
    QButtonGroup* lineOptions = nullptr;
    QLabel* stepLabel = nullptr;
    QLineEdit* stepBox = nullptr;
    QPushButton* acceptLinesButton = nullptr;
    QPushButton* cancelLinesButton = nullptr;

    QGroupBox* zoomFrame = nullptr;  // "Ampliación"
    QButtonGroup* zoomOptions = nullptr;
    QGroupBox* operationFrame = nullptr;  // "Operación"
    QButtonGroup* operationOptions = nullptr;
    QCheckBox* elementArrowsBox = nullptr;
    QGroupBox* modelFrame = nullptr;  // "Discretización"
    QLabel* modelLabel = nullptr;
    QButtonGroup* modelOptions = nullptr;

    QButtonGroup* viewOptions = nullptr;
    QLabel* pointerXLabel = nullptr;
    QLineEdit* pointerXBox = nullptr;
    QLabel* pointerYLabel = nullptr;
    QLineEdit* pointerYBox = nullptr;

    QPushButton* clearButton = nullptr;
    QPushButton* calculateButton = nullptr;
    QPushButton* exitButton = nullptr;  // "Salir"
    QPushButton* copyButton = nullptr;
    QAction* saveImageAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* plotsAction = nullptr;
    QAction* aboutAction = nullptr;
};
