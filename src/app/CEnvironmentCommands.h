#pragma once

#include "framework/CommandTarget.h"
#include "system/DefaultClient.h"

#include <functional>

class CAppSettings;
class IProgramLauncher;
class QWidget;

// The Tools menu's commands that reach programs of the desktop: 32807 starts
// the default mail program, 32808 the default news program (see
// findDefaultClient; none: message 51447/51448, a failed start: 51449/51450
// followed by the program's name), and 32809 synchronises, which asks first
// (51451, titled 51453) while ConfirmSynchronize is set.
//
// There is no offline-folder service on this desktop to hand synchronising
// to: the pages kept for reading offline are the open windows, so
// synchronising refreshes every open window.
class CEnvironmentCommands : public CommandTarget {
public:
    using Refresh = std::function<void()>;

    // refreshAll refreshes every open window. settings and launcher must
    // outlive this object; parent owns the message boxes.
    CEnvironmentCommands(QWidget* parent, CAppSettings& settings, IProgramLauncher& launcher,
                         Refresh refreshAll);

    // Starts the default program of kind; returns whether it started.
    bool StartClient(ClientKind kind);
    // The synchronise command; returns whether it refreshed.
    bool Synchronize();

private:
    QWidget* m_parent;
    CAppSettings& m_settings;
    IProgramLauncher& m_launcher;
    Refresh m_refreshAll;
};
