#include <QCoreApplication>
#include <QLibrary>

#include "plotwindow/plot_module.h"

QFunctionPointer PlotModuleEntry(const char* name, QString& error) {
    QLibrary module(QCoreApplication::applicationDirPath() + "/" TERVIK_PLOT_MODULE);
    if (const QFunctionPointer entry = module.resolve(name)) return entry;
    error = module.errorString();
    return nullptr;
}
