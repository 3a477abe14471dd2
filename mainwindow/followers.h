#pragma once

#include <QObject>

#include "mainwindow/controls.h"
#include "settings/settings.h"

// What shows the settings: the surface's world window and marker, the
// coordinate boxes, the captions of the view and the options, which are
// checked from the settings while showingSettings() holds their handlers
// off. Each hears of a user's action once.
class Followers : public QObject {
public:
    Followers(const Settings& settings, const Controls& ui);

    // The settings as they are now, shown in full.
    void showAll();
    // Whether the controls are being set to show the settings, so that a
    // handler that runs meanwhile does nothing.
    bool showingSettings() const { return showingSettings_; }

private:
    void follow(Settings::Changes what);
    void showOptions();
    void showPointInBoxes();
    void centreMarker();
    void showCharge();
    void showView();  // the captions and the options that belong to the view
    void showMarkerForAction();

    const Settings& settings_;
    const Controls& ui_;
    bool showingSettings_ = false;
};
