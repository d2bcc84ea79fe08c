#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Internet shortcut files (".url"): INI text whose [InternetShortcut]
// section holds the target in its URL key.
//
// Files come from anywhere, so reading is bounded: files over
// kMaxInternetShortcutSize are refused, lines over kMaxInternetShortcutLine
// are skipped, and lines that are not valid UTF-8 or hold NUL bytes are
// skipped as binary junk.

inline constexpr qint64 kMaxInternetShortcutSize = 64 * 1024;
inline constexpr int kMaxInternetShortcutLine = 8 * 1024;

// The URL of the first URL key (name ignoring case, blanks around name and
// value ignored) in an [InternetShortcut] section (name ignoring case);
// other sections are ignored. Accepts LF or CR LF line ends, and UTF-8
// text with or without a byte order mark or UTF-16LE text with one. nullopt when there is no such
// key, its value is empty, or content is larger than kMaxInternetShortcutSize.
std::optional<QString> parseInternetShortcut(const QByteArray& content);

// Reads the file at path as above. nullopt, with a reason in error when
// given, when it is missing, not a regular file, too large or unreadable,
// or holds no URL.
std::optional<QString> readInternetShortcut(const QString& path, QString* error = nullptr);

// The file text for url: "[InternetShortcut]\r\nURL=<url>\r\n" in UTF-8.
// Empty when url is empty or holds a line break or another control
// character (it could not be read back as one value).
QByteArray internetShortcutText(const QString& url);

// Writes that text to path, replacing the file atomically. False, with a
// reason in error when given, when url is unusable or writing fails.
bool writeInternetShortcut(const QString& path, const QString& url, QString* error = nullptr);
