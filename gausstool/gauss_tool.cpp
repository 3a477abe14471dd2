#include "gausstool/gauss_tool.h"

#include <QMenu>

#include "gausstool/gauss_window.h"

GaussTool* GaussTool::AddTool(QMenu& menu, QWidget& window, Settings& settings) {
    auto* tool = new GaussTool(window, settings);
    QAction* item = menu.addAction("Superficie de Gauss...");
    item->setObjectName("gaussAction");
    item->setShortcut(QKeySequence("Ctrl+F"));
    item->setShortcutContext(Qt::ApplicationShortcut);  // also from the tools' windows
    connect(item, &QAction::triggered, tool, &GaussTool::raise);
    return tool;
}

GaussTool::GaussTool(QWidget& window, Settings& settings)
    : QObject(&window), window_(window), settings_(settings) {
    connect(&settings, &Settings::changed, this, &GaussTool::follow);
}

void GaussTool::follow(Settings::Changes what) {
    if (!(what & Settings::Change::Gauss)) return;
    if (!settings_.gaussOpen()) {
        if (gauss_) gauss_->hide();
        return;
    }
    if (!gauss_) {
        gauss_ = new GaussWindow(settings_, &window_);
        connect(gauss_, &GaussWindow::visibilityChanged, this,
                [this](bool shown) { settings_.setGaussOpen(shown); });
        gauss_->placeBeside(window_);
    }
    gauss_->show();
}

void GaussTool::raise() {
    settings_.setGaussOpen(true);
    if (!gauss_) return;  // the program is ending
    gauss_->raise();
    gauss_->activateWindow();
}
