#pragma once

#include <QString>

// The operations the favorites dialogs perform on the Favorites folder tree:
// new folder, new link, rename, move and delete. Every path handed in must
// lie inside the root (the root itself only as a parent or destination);
// anything else is refused before the file system is touched, so a name or
// path from a dialog can never reach outside the Favorites folder.
//
// Names are what the user sees: a folder's file name, a link's file name
// without its extension (".url", ".lnk", ".desktop"). They pass through
// FileNameFor first, so characters a file name cannot hold are mapped, not
// lost. An existing entry is never replaced unless the caller says so.
class FavoritesTree {
public:
    enum class Status {
        Ok,
        EmptyName,   // nothing left of the name
        NameExists,  // an entry of that name is already there
        NotFound,    // the entry (or the destination folder) is gone
        OutsideRoot, // a path outside the Favorites folder, or the root itself
        IntoItself,  // a folder moved into itself or one of its subfolders
        BadAddress,  // the address cannot be kept in a shortcut
        Failed,      // the file system refused; see error()
    };

    // Longest name in UTF-8 bytes: room for " (NNN)" and ".desktop" within
    // the 255 bytes of a file name.
    static constexpr int kMaxNameBytes = 240;

    explicit FavoritesTree(QString root);

    const QString& root() const { return m_root; }

    // The file name for a page title or a typed name: line breaks and other
    // control characters become blanks, '/' becomes '／', a leading '.'
    // (which would hide the entry) becomes '．', blanks at both ends go, and
    // the result is cut to kMaxNameBytes on a character boundary.
    static QString FileNameFor(const QString& title);
    // A name for a link that has no title: its address without the scheme,
    // "//" and a trailing '/', mapped as above.
    static QString NameFromUrl(const QString& url);
    // The entry's shown name (link extension removed).
    static QString DisplayName(const QString& path);
    // Whether path is a link entry (".url", ".lnk" or ".desktop" file).
    static bool IsLink(const QString& path);
    // The first of "name", "name (2)", "name (3)", ... that no entry of
    // folder uses as name + suffix; empty when all up to 999 are taken.
    static QString UniqueName(const QString& folder, const QString& name, const QString& suffix);

    // Creates folder name inside parent; *created gets its path.
    Status NewFolder(const QString& parent, const QString& name, QString* created = nullptr);
    // Writes the Internet shortcut folder/name.url for url (atomically).
    // An existing file of that name is replaced only when replace is set.
    Status AddLink(const QString& folder, const QString& name, const QString& url, bool replace,
                   QString* created = nullptr);
    // Gives the entry at path a new name (a link keeps its extension).
    Status Rename(const QString& path, const QString& name, QString* renamed = nullptr);
    // Moves the entry at path into folder under its own name.
    Status Move(const QString& path, const QString& folder, QString* moved = nullptr);
    // Deletes the entry at path, a folder with all it holds: to the desktop's
    // trash when there is one, else for good.
    Status Delete(const QString& path);

    // The file system's reason for the last Failed.
    const QString& error() const { return m_error; }

private:
    bool inside(const QString& path, bool rootAllowed) const;
    Status fail(const QString& reason);

    QString m_root;
    QString m_error;
};
