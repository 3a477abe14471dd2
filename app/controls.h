#pragma once

#include <QAbstractButton>
#include <QButtonGroup>

class DrawingSurface;
class FieldKeys;
class QAction;
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
    DrawingSurface* CajaDib = nullptr;
    FieldKeys* LeyendaCampo = nullptr;  // the keys of the potential map and the field grid

    QGroupBox* Frame1 = nullptr;  // "Obtener"
    QButtonGroup* Obtener = nullptr;
    QLabel* Label8 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* xxx = nullptr;
    QLineEdit* CajaX = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* CajaY = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* CajaEx = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* CajaEy = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* CajaV = nullptr;

    QGroupBox* CuadroLV = nullptr;  // the line-family panel over Frame1
    QButtonGroup* OptionV = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Delta = nullptr;
    QPushButton* AceptaV = nullptr;
    QPushButton* CancelaV = nullptr;

    QGroupBox* Frame3 = nullptr;  // "Ampliación"
    QButtonGroup* Amplia = nullptr;
    QGroupBox* Frame4 = nullptr;  // "Operación"
    QButtonGroup* Manual = nullptr;
    QCheckBox* Ver1 = nullptr;
    QGroupBox* Frame2 = nullptr;  // "Discretización"
    QLabel* Label1 = nullptr;
    QButtonGroup* Discretiza = nullptr;

    QButtonGroup* Ver = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* MoveX = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* MoveY = nullptr;

    QPushButton* Limpiar = nullptr;
    QPushButton* Calcular = nullptr;
    QPushButton* Command2 = nullptr;  // "Salir"
    QPushButton* Copiar = nullptr;
    QAction* menu_guardar_imagen = nullptr;
    QAction* menu_salir = nullptr;
    QAction* menu_graficas = nullptr;
    QAction* menu_acerca = nullptr;
};

// Selecting from code runs the option's handler at once when the selection changes.
inline void Select(QButtonGroup* group, int index) { group->button(index)->setChecked(true); }
