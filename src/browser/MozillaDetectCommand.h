#pragma once

#include <QString>

class QWidget;

// Command 32839: looks for the second engine (see MozillaDetector) under
// the wait cursor, with the program's plug-in folder first and the folder
// dialog last, and reports: message 51487 with the found name when found,
// 51488 when not, nothing when the user cancelled the folder choice.
// owner parents the dialogs. Returns whether an engine was registered.
bool RunMozillaDetection(QWidget* owner, const QString& pluginFolder);

// The program's plug-in folder: "plugins" beside the running program.
QString ProgramPluginFolder();
