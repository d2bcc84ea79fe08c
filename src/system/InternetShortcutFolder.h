#pragma once

#include <QString>

#include <vector>

// One readable Internet shortcut of a folder: its title (the file name
// without ".url") and its URL.
struct InternetShortcutEntry {
    QString name;
    QString url;

    friend bool operator==(const InternetShortcutEntry&, const InternetShortcutEntry&) = default;
};

// The "*.url" files (extension in any case; regular files, symbolic links
// to them included, hidden ones not) directly in folder, in the order a
// file manager shows them: by name ignoring case, names that differ only in
// case by their exact text. Files whose URL cannot be read are skipped and
// take no place. At most maxEntries entries are returned (the first in that
// order). Empty when the folder is missing.
std::vector<InternetShortcutEntry> listInternetShortcuts(const QString& folder,
                                                         int maxEntries = 1000);
