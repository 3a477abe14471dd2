#pragma once

#include "mainwindow/controls.h"

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QMainWindow;
class QVBoxLayout;
class QWidget;
class Settings;

// Builds the controls of the main window, lays them out and makes its menus;
// the tools of the menus follow the settings.
class Layout {
public:
    static Controls Build(QMainWindow& window, Settings& settings);

private:
    Layout(QMainWindow& window, Settings& settings) : window_(window), settings_(settings) {}

    void buildControls();
    QGroupBox* buildActionFrame(QWidget* parent);
    void buildDensityRow(QGridLayout* grid);
    void buildReadouts(QGridLayout* grid);
    QGroupBox* buildLinePanel(QWidget* frame);
    void buildSettingsFrames(QWidget* parent, QVBoxLayout* column);
    QGroupBox* buildOperationFrame(QWidget* parent);
    QGroupBox* buildDiscretizationFrame(QWidget* parent);
    QBoxLayout* buildCommandRow(QWidget* parent);
    QBoxLayout* buildViewRow(QWidget* parent);
    void buildMenus();
    void buildShapeMenu();

    QMainWindow& window_;
    Settings& settings_;
    Controls ui_;
};
