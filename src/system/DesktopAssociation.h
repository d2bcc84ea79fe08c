#pragma once

#include <QString>

class ICommandRunner;

// Makes the program the desktop's handler for web pages and http/https
// links: a "quorrelin.desktop" entry in $XDG_DATA_HOME/applications (default
// ~/.local/share/applications), or the installed one, made the default
// browser with xdg-settings or, failing that, xdg-mime.
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

// Makes the entry the desktop's default browser. Without useInstalledEntry
// the user's own entry is written first (the program runs from a build tree,
// or from a tree that installed none); with it, the entry an installation
// put into the system's applications folder is used as it is. Then asks
// `xdg-settings set default-web-browser`, and when that is missing or fails,
// `xdg-mime default` for text/html and the http and https schemes (each
// through runner, waiting at most kXdgMimeTimeoutMs). True when the entry is
// in place and one of the two calls worked.
bool registerDesktopDefault(const QString& programPath, ICommandRunner& runner,
                            bool useInstalledEntry = false);
