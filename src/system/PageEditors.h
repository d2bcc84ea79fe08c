#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A program that can edit a page: its name, its desktop command line (the
// Exec line of its desktop entry) and its icon name.
struct PageEditor {
    QString name;
    QString command;
    QString icon;

    friend bool operator==(const PageEditor&, const PageEditor&) = default;
};

// At most this many editors are offered.
inline constexpr int kMaxPageEditors = 10;

// The editors among the desktop entries of the application folders given
// (earlier folders hide entries of the same file name in later ones): those
// that open text/html, are editors (category TextEditor, WebDevelopment or
// Development) and are no web browser, not hidden. Sorted by name, at most
// kMaxPageEditors. Each file is read only up to 64 KiB.
QList<PageEditor> findPageEditors(const QStringList& applicationFolders);

// The application folders of the desktop ($XDG_DATA_HOME/applications, then
// each of $XDG_DATA_DIRS), in their order of precedence.
QStringList desktopApplicationFolders();

// The local file an address names ("file:" addresses, with their escapes
// such as %20 decoded); empty for any other address.
QString localPathOfAddress(const QString& address);

// The program and arguments that start command (a desktop Exec line, or a
// registry-style line with "%1") on path: %f %F %u %U (or %1) become path,
// %% a single %, other field codes go; without any file code the path is
// added at the end. Every "about:blank" is removed. Empty when command
// holds no program.
QStringList editorCommandLine(const QString& command, const QString& path);
