#pragma once

#include <QString>

namespace platform {
class Registry;
}

// Registry key (HKEY_CURRENT_USER) of the user's special folders and the
// value of the one the program uses.
inline constexpr char16_t kShellFoldersKeyPath[] =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr char16_t kFavoritesFolderValue[] = u"Favorites";

// Longest expanded path accepted. Far above the classic 260 characters:
// paths on Linux are often longer, and a cut path would name another folder.
inline constexpr int kMaxExpandedPathLength = 4096;

// Replaces every %NAME% whose NAME is set in the process environment by its
// value. A %NAME% that is not set (also "%%") is kept whole and scanning goes
// on after it; an unpaired '%' stays. Returns an empty string when the result
// would be longer than maxLength.
QString expandEnvironmentStrings(const QString& text, int maxLength = kMaxExpandedPathLength);

// The named special folder (e.g. "Favorites") with environment strings
// expanded; empty when missing, not a string or too long.
QString shellFolderPath(const QString& name, platform::Registry* registry = nullptr);

// First run: when "Favorites" is missing or empty, creates
// $XDG_DATA_HOME/quorrelin/Favorites with an empty "Links" folder inside
// and stores its path as "Favorites" (REG_SZ, an absolute path like the
// other values of this key). A stored value is left alone. Returns true
// when a Favorites path is stored afterwards.
bool seedShellFolders(platform::Registry* registry = nullptr);
