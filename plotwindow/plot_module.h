#pragma once

#include <QString>
#include <QtGlobal>

// The entry point `name` of the module that holds the plots and the Gauss
// tool's chart, loaded the first time it is asked for, so that a run that
// never opens them never loads Qt Charts; null, with the reason in error,
// when the module cannot be loaded. The module stays loaded to the end.
QFunctionPointer PlotModuleEntry(const char* name, QString& error);
