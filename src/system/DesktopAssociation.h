#pragma once

#include <QString>

class ICommandRunner;

// Makes the program the desktop's handler for web pages and http/https
// links: a "quorrelin.desktop" entry in $XDG_DATA_HOME/applications (default
// ~/.local/share/applications) and `xdg-mime default` for its types.
//
// Everything here is best effort: the caller's registry association stands
// even when the desktop refuses.

inline constexpr char kDesktopEntryName[] = "quorrelin.desktop";
// The longest an xdg-mime call may take before it is killed.
inline constexpr int kXdgMimeTimeoutMs = 10000;

// The text of the desktop entry for the program at programPath; empty when
// the path cannot be written into an entry (not absolute, or holding control
// characters). The path is quoted as the desktop-entry rules ask.
QString desktopEntryText(const QString& programPath);

// The folder the entry goes into.
QString desktopApplicationsDir();

// Writes the entry (replacing an older one atomically). False, with a reason
// in error when given, when it cannot be written.
bool installDesktopEntry(const QString& programPath, QString* error = nullptr);

// Installs the entry and asks xdg-mime (through runner, waiting at most
// kXdgMimeTimeoutMs) to make it the default for text/html and the http and
// https schemes. True only when both worked; a missing or failing xdg-mime
// just gives false.
bool registerDesktopDefault(const QString& programPath, ICommandRunner& runner);
