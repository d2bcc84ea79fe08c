#pragma once

#include <QString>
#include <QStringList>

// One folder of the Folders pane: its subfolders and the files that match
// the filter, each by name ignoring case. Hidden entries are left out.
struct FolderListing {
    QStringList folders; // full paths
    QStringList files;   // full paths
    // More entries than asked for: the rest are not listed.
    bool truncated = false;
};

// Most entries of one folder that are listed; a huge folder cannot stall
// the window.
inline constexpr int kMaxFolderEntries = 5000;

// The patterns of a filter text such as "*.htm;*.html;*.txt": split at ';',
// blanks trimmed, empty parts dropped. "*.*" matches every file, with an
// extension or not, and an empty filter does too.
QStringList FolderFilterPatterns(const QString& filter);

// Lists folder with the files that match patterns (case ignored).
FolderListing ListFolder(const QString& folder, const QStringList& patterns,
                         int maxEntries = kMaxFolderEntries);
